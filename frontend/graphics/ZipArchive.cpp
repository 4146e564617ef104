#include "ZipArchive.h"

#include "EntryErrors.h"

#include <QDir>
#include <QFile>

#include <zlib.h>

#include <cstdint>
#include <cstring>

namespace tervane {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr int kEndRecordSize = 22;
constexpr int kMaxComment = 0xFFFF;

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw EFrontendError(QStringLiteral("The file %1 could not be read: %2")
                             .arg(QDir::toNativeSeparators(path), reason));
}

std::uint32_t u16(const QByteArray& b, qsizetype at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}

std::uint32_t u32(const QByteArray& b, qsizetype at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

void put16(QByteArray& b, std::uint32_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}

void put32(QByteArray& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

QByteArray inflateRaw(const QByteArray& in, std::uint32_t size, const QString& path) {
    QByteArray out(static_cast<qsizetype>(size), '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) fail(path, QStringLiteral("decompression failed"));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    const uLong produced = z.total_out;
    inflateEnd(&z);
    if (rc != Z_STREAM_END || produced != size)
        fail(path, QStringLiteral("a compressed part is damaged"));
    return out;
}

QByteArray deflateRaw(const QByteArray& in) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(in.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

std::vector<TZipEntry> ReadZip(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail(path, file.errorString());
    const QByteArray b = file.readAll();
    // The end-of-directory record sits at the end, before an optional comment.
    qsizetype end = -1;
    for (qsizetype at = b.size() - kEndRecordSize;
         at >= 0 && at >= b.size() - kEndRecordSize - kMaxComment; --at) {
        if (u32(b, at) == kEndOfDirectory) {
            end = at;
            break;
        }
    }
    if (end < 0) fail(path, QStringLiteral("it is not a zip archive"));
    const std::uint32_t count = u16(b, end + 10);
    qsizetype at = u32(b, end + 16);
    std::vector<TZipEntry> entries;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + 46 > b.size() || u32(b, at) != kCentralHeader)
            fail(path, QStringLiteral("its directory is damaged"));
        const std::uint32_t method = u16(b, at + 10);
        const std::uint32_t crc = u32(b, at + 16);
        const std::uint32_t packed = u32(b, at + 20);
        const std::uint32_t size = u32(b, at + 24);
        const std::uint32_t nameLength = u16(b, at + 28);
        const std::uint32_t extra = u16(b, at + 30);
        const std::uint32_t comment = u16(b, at + 32);
        const qsizetype local = u32(b, at + 42);
        if (at + 46 + nameLength > b.size() || local + 30 > b.size() ||
            u32(b, local) != kLocalHeader)
            fail(path, QStringLiteral("its directory is damaged"));
        TZipEntry entry;
        entry.name = QString::fromUtf8(b.mid(at + 46, nameLength));
        const qsizetype dataAt = local + 30 + u16(b, local + 26) + u16(b, local + 28);
        if (dataAt + packed > b.size()) fail(path, QStringLiteral("a part is cut short"));
        const QByteArray raw = b.mid(dataAt, packed);
        if (method == 0)
            entry.data = raw;
        else if (method == 8)
            entry.data = inflateRaw(raw, size, path);
        else
            fail(path, QStringLiteral("a part uses an unknown compression"));
        if (crc32(0, reinterpret_cast<const Bytef*>(entry.data.constData()),
                  static_cast<uInt>(entry.data.size())) != crc)
            fail(path, QStringLiteral("a part fails its check sum"));
        entries.push_back(std::move(entry));
        at += 46 + nameLength + extra + comment;
    }
    return entries;
}

QByteArray ZipEntryData(const std::vector<TZipEntry>& entries, const QString& name) {
    for (const TZipEntry& e : entries)
        if (e.name == name) return e.data;
    return {};
}

void WriteZip(const QString& path, const std::vector<TZipEntry>& entries) {
    QByteArray out;
    QByteArray directory;
    for (const TZipEntry& e : entries) {
        const QByteArray name = e.name.toUtf8();
        const QByteArray packed = deflateRaw(e.data);
        const std::uint32_t crc =
            static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.data.constData()),
                                             static_cast<uInt>(e.data.size())));
        const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        // Version 2.0, UTF-8 names, deflated, no time stamp.
        put32(out, kLocalHeader);
        put16(out, 20);
        put16(out, 0x0800);
        put16(out, 8);
        put32(out, 0);
        put32(out, crc);
        put32(out, static_cast<std::uint32_t>(packed.size()));
        put32(out, static_cast<std::uint32_t>(e.data.size()));
        put16(out, static_cast<std::uint32_t>(name.size()));
        put16(out, 0);
        out += name;
        out += packed;

        put32(directory, kCentralHeader);
        put16(directory, 20);
        put16(directory, 20);
        put16(directory, 0x0800);
        put16(directory, 8);
        put32(directory, 0);
        put32(directory, crc);
        put32(directory, static_cast<std::uint32_t>(packed.size()));
        put32(directory, static_cast<std::uint32_t>(e.data.size()));
        put16(directory, static_cast<std::uint32_t>(name.size()));
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put16(directory, 0);
        put32(directory, 0);
        put32(directory, offset);
        directory += name;
    }
    const std::uint32_t directoryAt = static_cast<std::uint32_t>(out.size());
    out += directory;
    put32(out, kEndOfDirectory);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put16(out, static_cast<std::uint32_t>(entries.size()));
    put32(out, static_cast<std::uint32_t>(directory.size()));
    put32(out, directoryAt);
    put16(out, 0);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size() ||
        !file.flush())
        throw EFrontendError(QStringLiteral("The file %1 could not be written: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw EFrontendError(QStringLiteral("The file %1 could not be written: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace tervane
