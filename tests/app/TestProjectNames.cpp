// Names made from the project's file name.
#include "OlderProjectReader.h"
#include "ProjectNames.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tervane;

TEST(ProjectNames, TitleRule) {
    EXPECT_EQ(MainWindowTitle(QStringLiteral("/w/anchored-wall.tv5d")),
              QStringLiteral("TERVANE 2015.5.3 - Anchored-wall"));
    const std::pair<const char*, const char*> cases[] = {
        {"anchored-wall.tv5d", "Anchored-wall"},
        {"/some/folder/a.b.TV5D", "A"}, // cut at the first "."
        {"old.tv4d", "Old.tv4d"},       // another extension stays
        {"NewWall.tv5d", "NewWall"},
        {"a", "a"},      // one character: as it is
        {"x.tv5d", "X"}, // the file name is longer than one character
        {"b.tvd", "B.tvd"},
        {"my.dir/plain", "Plain"}, // a dot in the folder is not an extension
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(DisplayName(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST(ProjectNames, ExtensionsAndFormats) {
    EXPECT_EQ(WithExtension(QStringLiteral("/a/wall.tv5d"), QStringLiteral(".tv5o")),
              QStringLiteral("/a/wall.tv5o"));
    EXPECT_EQ(WithExtension(QStringLiteral("/a.b/wall"), QStringLiteral(".tv5p")),
              QStringLiteral("/a.b/wall.tv5p"));
    EXPECT_EQ(WithExtension(QStringLiteral("x.y.tv4d"), QStringLiteral(".tv5d")),
              QStringLiteral("x.y.tv5d"));
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("a.TV4D")), 2);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("a.tvd")), 3);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("a.tv5d")), 1);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("a.txt")), 1);
    EXPECT_EQ(FormatIndexFromExtension(QStringLiteral("noext")), 1);
}

TEST(ProjectNames, CommandLinePathGetsTheExtensionOnlyWithoutADot) {
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("wall")), QStringLiteral("wall.tv5d"));
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("../proj/wall")),
              QStringLiteral("../proj/wall.tv5d"));
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("wall.tv4d")), QStringLiteral("wall.tv4d"));
    EXPECT_EQ(CommandLineProjectPath(QStringLiteral("wall.")), QStringLiteral("wall."));
}

TEST(ProjectNames, CanonicalPathIsAbsoluteAndClean) {
    const QString p = CanonicalPath(QStringLiteral("missing/../x.tv5d"));
    EXPECT_TRUE(QDir::isAbsolutePath(p));
    EXPECT_FALSE(p.contains(QStringLiteral("..")));
    EXPECT_TRUE(p.endsWith(QStringLiteral("/x.tv5d")));
}
