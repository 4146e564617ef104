#pragma once
// A small reader and writer of zip archives (stored and deflated entries), enough to open a
// workbook file, change one of its parts and write it back.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tervane {

struct TZipEntry {
    QString name;
    QByteArray data; // uncompressed
};

// Reads every entry of the archive `path`. Throws EFrontendError when the file cannot be read or
// is not an archive this reader understands.
std::vector<TZipEntry> ReadZip(const QString& path);

// The uncompressed data of entry `name`, or an empty array when there is none.
QByteArray ZipEntryData(const std::vector<TZipEntry>& entries, const QString& name);

// Writes `entries` (deflated) as the archive `path`, replacing it. Throws EFrontendError when the
// file cannot be written.
void WriteZip(const QString& path, const std::vector<TZipEntry>& entries);

} // namespace tervane
