#pragma once
// Shared by the analysis-run tests: the engine library of the build, the stand-ins for broken
// ones, and paths as QString.

#include "TestSupport.h"

#include <QString>

namespace runtest {

inline QString qs(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

inline const QString kRealEngine = QStringLiteral(TERVANE_BIN_DIR "/Tervane2015_DLL.so");
inline const QString kFakeEngine = QStringLiteral(TERVANE_FAKE_LIB_DIR "/tervane_fake_engine.so");
inline const QString kNoEntry = QStringLiteral(TERVANE_FAKE_LIB_DIR "/tervane_fake_noentry.so");

} // namespace runtest
