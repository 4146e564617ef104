#include "ProgramSettings.h"

#include "RecentFiles.h"

#include <QSettings>
#include <memory>

namespace tervane {

namespace {

QString& fileOverride() {
    static QString file;
    return file;
}

std::unique_ptr<QSettings> openSettings() {
    std::unique_ptr<QSettings> s;
    if (fileOverride().isEmpty())
        s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Orviant"), QStringLiteral("TERVANE"));
    else
        s = std::make_unique<QSettings>(fileOverride(), QSettings::IniFormat);
    s->beginGroup(QStringLiteral("2015.5.3"));
    return s;
}

void writeRecent(QSettings& s, const QStringList& recent) {
    for (int i = 0; i < TRecentFiles::kSlots; ++i)
        s.setValue(TProgramSettings::RecentKey(i + 1), i < recent.size() ? recent[i] : QString());
}

} // namespace

void TProgramSettings::SetFileOverride(const QString& file) {
    fileOverride() = file;
}

QString TProgramSettings::FileOverride() {
    return fileOverride();
}

std::optional<TProgramSettingsValues> TProgramSettings::Read() {
    const auto s = openSettings();
    if (s->status() != QSettings::NoError) return std::nullopt;
    TProgramSettingsValues v;
    v.editorPath = s->value(kEditorKey).toString();
    for (int i = 1; i <= TRecentFiles::kSlots; ++i)
        v.recent << s->value(RecentKey(i)).toString();
    if (s->status() != QSettings::NoError) return std::nullopt;
    return v;
}

void TProgramSettings::WriteRecent(const QStringList& recent) {
    const auto s = openSettings();
    writeRecent(*s, recent);
}

void TProgramSettings::Write(const TProgramSettingsValues& values) {
    const auto s = openSettings();
    s->setValue(kEditorKey, values.editorPath);
    writeRecent(*s, values.recent);
}

} // namespace tervane
