#pragma once
// The fixture of the tests that drive the main window with its hooks connected: scripted
// messages, the settings in a temporary file, no editor or shell started, and the examples copied
// into a temporary folder.

#include "DesktopLaunch.h"
#include "PictureDecoder.h"
#include "ProgramSettings.h"
#include "ProgramWiring.h"
#include "ScriptedMessages.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace tervane::test {

class WiredProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_cwd = QDir::currentPath();
        TProgramSettings::SetFileOverride(path("settings.ini"));
        SetFileOpener([](const QString&) { return true; });
        SetProcessStarter([](const QString&, const QStringList&) { return true; });
        InstallWindowServices();
    }
    void TearDown() override {
        TProgramSettings::SetFileOverride(QString());
        SetFileOpener(nullptr);
        SetProcessStarter(nullptr);
        // The program's picture decoder reads JPEG only; later tests decode with Qt's readers.
        SetPictureDecoder(nullptr);
        QDir::setCurrent(m_cwd);
    }
    QString path(const char* name) const { return QString::fromStdString((dir / name).string()); }
    // A copy of the example in the temporary folder.
    QString example(const char* name) const {
        const QString to = path(name);
        QFile::copy(QStringLiteral(TERVANE_EXAMPLES "/") + QString::fromLatin1(name), to);
        return to;
    }
    testsupport::TempDir dir;
    TScriptedMessagesScope scope;

private:
    QString m_cwd;
};

} // namespace tervane::test
