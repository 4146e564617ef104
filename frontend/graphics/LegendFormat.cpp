#include "LegendFormat.h"

#include "EntryErrors.h"
#include "ZipArchive.h"

#include <QDir>

namespace tervane {

namespace {
// A white fill inside a black line: the legend's shape properties.
const QByteArray kLegendShape =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";
} // namespace

QByteArray FramedLegendXml(const QByteArray& xml) {
    const qsizetype start = xml.indexOf("<c:legend>");
    if (start < 0) return xml;
    const qsizetype end = xml.indexOf("</c:legend>", start);
    if (end < 0) return xml;
    const QByteArray legend = xml.mid(start, end - start);
    if (legend.contains("<c:spPr>")) return xml;
    // Shape properties come before the text properties inside the legend.
    qsizetype insertAt = xml.indexOf("<c:txPr>", start);
    if (insertAt < 0 || insertAt > end) insertAt = end;
    QByteArray out = xml;
    out.insert(insertAt, kLegendShape);
    return out;
}

void AddLegendFrames(const QString& workbook, const QString& shownPath) {
    std::vector<TZipEntry> entries;
    try {
        entries = ReadZip(workbook);
    } catch (const EFrontendError&) {
        throw EFrontendError(QStringLiteral("The workbook %1 could not be written: %2")
                                 .arg(QDir::toNativeSeparators(shownPath),
                                      QStringLiteral("its charts could not be completed")));
    }
    bool changed = false;
    for (TZipEntry& e : entries) {
        if (e.name.startsWith(QLatin1String("xl/charts/chart")) &&
            e.name.endsWith(QLatin1String(".xml"))) {
            const QByteArray framed = FramedLegendXml(e.data);
            changed = changed || framed != e.data;
            e.data = framed;
        }
    }
    if (changed) WriteZip(workbook, entries);
}

} // namespace tervane
