#pragma once
// Names made from the project's file name: the display name and the window title, the report,
// plot and run-notes files beside it, the format of a file from its extension, and the path a
// command-line argument names.

#include <QString>

namespace tervane {

inline const QString kProjectExtension = QStringLiteral(".tv5d");
inline const QString kWindowTitlePrefix = QStringLiteral("TERVANE 2015.5.3 - ");

// The file name without its folder; a ".tv5d" name (any case) is cut at its first "."; the first
// character is upper case when the file name is longer than one character.
QString DisplayName(const QString& fileName);
QString MainWindowTitle(const QString& fileName);

// `path` with its extension (the part from the last "." of the file name) replaced by `ext`
// (given with its dot), or with `ext` added when it has none.
QString WithExtension(const QString& path, const QString& ext);

// A path made absolute and canonical (symbolic links and "..": resolved) when the file exists,
// else absolute and clean, so one file always has one spelling.
QString CanonicalPath(const QString& path);

} // namespace tervane
