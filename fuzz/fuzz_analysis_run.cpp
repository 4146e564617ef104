// Fuzz target: a whole analysis run on arbitrary data-file bytes, in a private working folder.
// Any crash, sanitizer report, hang or escaped exception is a finding; every input must end the
// run in order.

#include "EngineState.h"
#include "RunControl.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path& workFolder() {
    static const fs::path folder = [] {
        std::string templ = (fs::temp_directory_path() / "tervane-fuzz-XXXXXX").string();
        if (!mkdtemp(templ.data())) std::abort();
        const fs::path f = templ;
        std::ofstream names(f / "NAMES.dat", std::ios::binary);
        names << "2015.5.3\n"
              << (f / "p.tv5d").string() << "\n"
              << (f / "p.tv5o").string() << "\n"
              << (f / "p.tv5p").string() << "\n"
              << (f / "p.tv5r").string() << "\n";
        return f;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto state = std::make_unique<tervane::EngineState>();
    setenv("SOURCE_DATE_EPOCH", "1425546247", 1);
    const fs::path& folder = workFolder();
    {
        std::ofstream out(folder / "p.tv5d", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const int result = tervane::performRun(*state, folder);
    if (result != 0 && result != 2) std::abort();
    // A completed run closes its report with the final line, whatever stopped the problem.
    if (result == 0) {
        std::ifstream in(folder / "p.tv5o", std::ios::binary);
        const std::string report((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        if (report.find("     END OF ANALYSIS\n") == std::string::npos) std::abort();
    }
    return 0;
}
