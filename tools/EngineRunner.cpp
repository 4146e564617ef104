#include "EngineRunner.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <unistd.h>

namespace tervane::runner {
namespace fs = std::filesystem;

namespace {

// Creates a private working folder under the system's temporary folder.
bool makeWorkFolder(fs::path& folder) {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = "/tmp";
    std::string templ = (base / "tervane-run-XXXXXX").string();
    if (!mkdtemp(templ.data())) return false;
    folder = templ;
    return true;
}

// Restores the current folder and removes the working folder when the run is over.
class WorkFolderScope {
public:
    WorkFolderScope(fs::path previous, fs::path folder)
        : m_previous(std::move(previous)), m_folder(std::move(folder)) {}
    ~WorkFolderScope() {
        std::error_code ec;
        fs::current_path(m_previous, ec);
        fs::remove_all(m_folder, ec);
    }
    WorkFolderScope(const WorkFolderScope&) = delete;
    WorkFolderScope& operator=(const WorkFolderScope&) = delete;

private:
    fs::path m_previous;
    fs::path m_folder;
};

class LibraryHandle {
public:
    explicit LibraryHandle(void* h) : m_handle(h) {}
    ~LibraryHandle() {
        if (m_handle) dlclose(m_handle);
    }
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;
    void* get() const { return m_handle; }
    void reset(void* h) {
        if (m_handle) dlclose(m_handle);
        m_handle = h;
    }

private:
    void* m_handle;
};

// Loads the library into `lib` and resolves the entry; on failure fills the outcome and message
// of `r` and returns null.
TervaneEntryFunction loadEntry(const fs::path& library, LibraryHandle& lib, RunResult& r) {
    std::error_code ec;
    if (!fs::exists(library, ec)) {
        r.outcome = RunOutcome::LibraryMissing;
        r.message = "Library could not be located: " + library.string();
        return nullptr;
    }
    lib.reset(dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!lib.get()) {
        r.outcome = RunOutcome::LibraryFailed;
        const char* why = dlerror();
        r.message = std::string("Library failed to properly initialize: ") + (why ? why : "");
        return nullptr;
    }
    auto entry = reinterpret_cast<TervaneEntryFunction>(dlsym(lib.get(), TERVANE_ENTRY_NAME));
    if (!entry) {
        r.outcome = RunOutcome::LibraryFailed;
        r.message =
            "The library " + library.string() + " does not export " + TERVANE_ENTRY_NAME + ".";
    }
    return entry;
}

} // namespace

RunResult checkLibrary(const fs::path& library) {
    RunResult r;
    LibraryHandle lib(nullptr);
    if (loadEntry(library, lib, r)) r.outcome = RunOutcome::Completed;
    return r;
}

fs::path executableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

fs::path withExtension(const fs::path& project, const char* ext) {
    fs::path p = project;
    p.replace_extension(ext);
    return p;
}

RunResult analyseProject(const fs::path& projectIn, const fs::path& library, int interfaceVersion,
                         const fs::path& outputFolder) {
    RunResult r;
    std::error_code ec;
    const fs::path project = fs::absolute(projectIn, ec);
    {
        std::ifstream probe(project, std::ios::binary);
        if (ec || !fs::is_regular_file(project, ec) || !probe) {
            r.outcome = RunOutcome::ProjectMissing;
            r.message =
                "The project file " + projectIn.string() + " does not exist or cannot be read.";
            return r;
        }
    }
    fs::path named = project;
    if (!outputFolder.empty()) {
        const fs::path folder = fs::absolute(outputFolder, ec);
        if (ec || !fs::is_directory(folder, ec)) {
            r.message = "The output folder " + outputFolder.string() + " is not a folder.";
            return r;
        }
        named = folder / project.filename();
    }
    r.report = withExtension(named, ".tv5o");
    r.plot = withExtension(named, ".tv5p");
    r.notes = withExtension(named, ".tv5r");

    LibraryHandle lib(nullptr);
    const TervaneEntryFunction entry = loadEntry(library, lib, r);
    if (!entry) return r;

    fs::path folder;
    if (!makeWorkFolder(folder)) {
        r.message = std::string("A working folder could not be made: ") + std::strerror(errno);
        return r;
    }
    const fs::path previous = fs::current_path(ec);
    WorkFolderScope scope(previous, folder);
    {
        std::ofstream names(folder / "NAMES.dat", std::ios::binary);
        names << kVersionText << "\n"
              << project.string() << "\n"
              << r.report.string() << "\n"
              << r.plot.string() << "\n"
              << r.notes.string() << "\n";
        if (!names) {
            r.message = "The run-control file could not be written in " + folder.string() + ".";
            return r;
        }
    }
    {
        const auto stamp = fs::last_write_time(folder / "NAMES.dat", ec);
        if (!ec) r.started = stamp;
    }
    fs::current_path(folder, ec);
    if (ec) {
        r.message = "The working folder " + folder.string() + " could not be entered.";
        return r;
    }

    r.entryResult = entry(static_cast<std::int32_t>(interfaceVersion));
    if (r.entryResult == TERVANE_RESULT_COMPLETED) {
        r.outcome = RunOutcome::Completed;
    } else if (r.entryResult == TERVANE_RESULT_VERSION_MISMATCH) {
        r.outcome = RunOutcome::VersionMismatch;
        r.message = "Computations can not be performed. Executable files are not consistent.";
    } else {
        r.outcome = RunOutcome::Stopped;
        r.message = "The analysis stopped before its end (result " + std::to_string(r.entryResult) +
                    "); see " + r.report.string() + ".";
    }
    return r;
}

} // namespace tervane::runner
