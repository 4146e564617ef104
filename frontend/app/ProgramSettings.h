#pragma once
// The user's settings: the text editor's path ("Word Processor") and the recent-file slots
// ("File1" to "File10"), kept through QSettings under the organisation "Orviant", the application
// "TERVANE" and the group "2015.5.3". Tests and benchmarks point them at a private file.

#include <QString>
#include <QStringList>
#include <optional>

namespace tervane {

struct TProgramSettingsValues {
    QString editorPath; // empty: none stored
    QStringList recent; // ten values, empty for unused slots
};

class TProgramSettings {
public:
    // Settings read from and written to `file` (INI format) instead of the user's settings;
    // an empty path returns to the user's settings.
    static void SetFileOverride(const QString& file);
    static QString FileOverride();

    // Reads the values; nothing when the settings cannot be read.
    static std::optional<TProgramSettingsValues> Read();
    // Writes the recent-file values, or the editor path and the recent-file values. Errors are
    // ignored: the settings are a convenience, never a reason to stop.
    static void WriteRecent(const QStringList& recent);
    static void Write(const TProgramSettingsValues& values);

    static inline const QString kEditorKey = QStringLiteral("Word Processor");
    static QString RecentKey(int slot) { return QStringLiteral("File%1").arg(slot); }
};

} // namespace tervane
