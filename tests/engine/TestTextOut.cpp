// The output file's buffer: lines of every length around the buffer's end and lines longer than
// the whole buffer reach the file whole and in order, with the bytes counted; a device that
// refuses a line longer than the buffer fails the file.

#include "EngineErrors.h"
#include "TestSupport.h"
#include "TextOut.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(TextOut, LinesAroundAndBeyondTheBufferReachTheFileWholeAndInOrder) {
    TempDir dir;
    const std::string path = (dir / "out.txt").string();
    std::string expected;
    tervane::TextOut out;
    ASSERT_TRUE(out.open(path));
    // Lines of 0 .. 600 characters until well past two buffer fills, then lines longer than
    // the buffer, the empty lines and the free-form integers between them.
    for (int k = 0; expected.size() < 200000; ++k) {
        const std::string text(static_cast<std::size_t>(k * 37 % 601),
                               static_cast<char>('a' + k % 26));
        out.line(text);
        expected += text + '\n';
    }
    for (std::size_t size : {std::size_t{70000}, std::size_t{69631}, std::size_t{300000}}) {
        const std::string text(size, 'L');
        out.line(text);
        out.emptyLines(1);
        out.freeInts({-7, 12});
        expected += text + "\n\n -7 12\n";
    }
    EXPECT_EQ(out.bytesWritten(), expected.size());
    out.finish();
    EXPECT_EQ(readFile(path), expected);

    // A full device refuses a line longer than the buffer at once.
    tervane::TextOut full;
    ASSERT_TRUE(full.open("/dev/full", "OUTPUT FILE"));
    EXPECT_THROW(full.line(std::string(200000, 'x')), tervane::FileFailure);
    EXPECT_TRUE(full.failed());
    full.line("ignored after the failure");
    full.finish();
}
