#include "DynamicLibrary.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace tervane {

TDynamicLibrary::~TDynamicLibrary() {
    Unload();
}

void TDynamicLibrary::SetLibraryName(const QString& path) {
    Unload();
    m_path = path;
}

void TDynamicLibrary::Load() {
    if (IsLoaded()) return;
    m_loadError.clear();
    if (m_path.isEmpty() || !QFileInfo(m_path).isFile()) {
        m_loadError = kLibraryNotFound;
        throw EFileNotFoundError(kLibraryNotFound);
    }
    // Every symbol is bound now, so a library with a missing dependency fails here and never in
    // the middle of a run; its symbols stay private to it.
    dlerror();
    m_handle = dlopen(QFile::encodeName(m_path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = dlerror();
        m_loadError = why ? QString::fromLocal8Bit(why) : kLibraryInitFailed;
        throw EInitError(kLibraryInitFailed);
    }
}

void* TDynamicLibrary::GetProcAddress(const QString& name) const {
    if (!IsLoaded()) throw EDLLNotOpenError(kLibraryNotOpen);
    dlerror();
    return dlsym(m_handle, name.toLatin1().constData());
}

void TDynamicLibrary::Unload() {
    if (!m_handle) return;
    dlclose(m_handle);
    m_handle = nullptr;
}

} // namespace tervane
