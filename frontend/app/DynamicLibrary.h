#pragma once
// The dynamic-library holder: a library path and the module loaded from it. Loading, resolving an
// export by name and releasing the module, with the library errors the analysis run reports.

#include "EntryErrors.h"

#include <QString>

namespace tervane {

// Errors of the library holder. Each carries the message the user sees.
class EDLLError : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};
// An export was asked for while no module is loaded.
class EDLLNotOpenError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// The library file exists but could not be loaded or initialised.
class EInitError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// The library file does not exist.
class EFileNotFoundError : public EDLLError {
public:
    using EDLLError::EDLLError;
};

inline const QString kLibraryNotOpen = QStringLiteral("Library is not open");
inline const QString kLibraryInitFailed = QStringLiteral("Library failed to properly initialize");
inline const QString kLibraryNotFound = QStringLiteral("Library could not be located");

class TDynamicLibrary {
public:
    // An empty path, nothing loaded.
    TDynamicLibrary() = default;
    // Unloads the module when one is loaded.
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Unloads first when loaded, then stores the path.
    void SetLibraryName(const QString& path);
    const QString& LibraryName() const { return m_path; }

    // Does nothing when already loaded. Otherwise loads the module from the path: a file that
    // does not exist raises EFileNotFoundError (kLibraryNotFound); a file that cannot be loaded
    // (not a library, unresolved dependencies, a failing initialiser) raises EInitError
    // (kLibraryInitFailed). The loader's own explanation is kept in LoadError().
    void Load();
    // The address of an exported name, or nullptr when the library does not export it. Raises
    // EDLLNotOpenError (kLibraryNotOpen) when nothing is loaded.
    void* GetProcAddress(const QString& name) const;
    bool IsLoaded() const { return m_handle != nullptr; }
    // Frees the module when loaded.
    void Unload();

    // The system loader's message of the last failed Load, empty otherwise.
    const QString& LoadError() const { return m_loadError; }

private:
    QString m_path;
    void* m_handle = nullptr;
    QString m_loadError;
};

} // namespace tervane
