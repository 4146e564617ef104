// The input dialogs as drawn: in English and SI units every label shows its whole text with the
// unit label of the system, pictures are shown at their size, and a refused entry's message box
// carries the field's message. With TERVANE_SHOTS_DIR set, each window is also written there as
// a PNG picture for looking at.
#include "CurrentProject.h"
#include "DataEdit.h"
#include "DlgCSD.h"
#include "DlgConLoads.h"
#include "DlgOptions.h"
#include "DlgProp.h"
#include "DlgRebar.h"
#include "DlgSpring.h"
#include "DlgTieback.h"
#include "DlgTitle.h"
#include "EntryErrors.h"
#include "MdiHost.h"
#include "ProgramData.h"
#include "ProjectTables.h"
#include "QtMessages.h"
#include "Units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace tervane;

namespace {

void saveShot(const QPixmap& picture, const QString& name) {
    const QByteArray folder = qgetenv("TERVANE_SHOTS_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    picture.save(QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png")));
}

// Every label of the dialog shows its whole text: none is narrower than its text needs.
void expectNoClippedLabel(QWidget* dialog) {
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_GE(label->width(), label->sizeHint().width())
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

struct TDialogKind {
    const char* name;
    std::function<TInputDialog*()> show;
};

} // namespace

TEST(DialogLayout, EveryDialogInEnglishAndSIUnits) {
    QMdiArea area;
    area.resize(1500, 1100);
    area.show();
    SetMdiArea(&area);
    TProjectTables tables;
    TProgramData project(tables);
    SetCurrentProject(&project);
    project.Title = QStringLiteral("Anchored sheet pile, berth 4");
    project.IncrementCount = 100;
    project.IncrementLength = 3.6L;
    project.MaxDeflection = 36;
    project.FreeHeight = 240;
    project.ActiveWidth = 72;
    project.PYWidth = 24;
    project.WaterDepthBackfill = 120;
    project.WaterDepthExcavation = 240;
    project.UniformSurcharge = 250.0L / 144;
    project.BackfillSlope = 10;
    project.ApplyConcentratedLoads = true;
    QString editor = QStringLiteral("/usr/bin/xdg-open");
    SetEditorPathHook([&] { return editor; }, [&](const QString& p) { editor = p; });

    const TDialogKind kinds[] = {
        {"Title", [] { return TdlgTitle::ShowInstance(); }},
        {"WallProperties", [] { return TDlgProp::ShowInstance(); }},
        {"WallConfiguration", [] { return TdlgCSD::ShowInstance(); }},
        {"AdditionalSurcharge", [] { return TDlgRebar::ShowInstance(); }},
        {"ConcentratedLoads", [] { return TDlgConLoads::ShowInstance(); }},
        {"Springs", [] { return TDlgSpring::ShowInstance(); }},
        {"Tieback", [] { return TDlgTieback::ShowInstance(); }},
        {"ControlOptions", [] { return TDlgOptions::ShowInstance(); }},
    };
    for (int units : {kUnitsEnglish, kUnitsSI}) {
        const QString system =
            units == kUnitsEnglish ? QStringLiteral("English") : QStringLiteral("SI");
        project.ChangeUnits(units);
        for (const TDialogKind& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + " " + system.toStdString());
            TInputDialog* dialog = kind.show();
            QMdiSubWindow* window = MdiWindowOf(dialog);
            ASSERT_NE(window, nullptr);
            QCoreApplication::processEvents();
            expectNoClippedLabel(dialog);
            const QString unitLength =
                units == kUnitsEnglish ? QStringLiteral("(in)") : QStringLiteral("(m)");
            const QString unitFeet =
                units == kUnitsEnglish ? QStringLiteral("(ft)") : QStringLiteral("(m)");
            for (TDataEdit* field : dialog->findChildren<TDataEdit*>()) {
                ASSERT_NE(field->EditLabel(), nullptr) << field->objectName().toStdString();
                const QString text = field->EditLabel()->text();
                const QString& code = field->UnitsString();
                EXPECT_TRUE(code != QStringLiteral("L") || text.endsWith(unitLength))
                    << text.toStdString();
                EXPECT_TRUE(code != QStringLiteral("L2") || text.endsWith(unitFeet))
                    << text.toStdString();
            }
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                const bool picture = label->objectName().startsWith(QStringLiteral("img"));
                EXPECT_TRUE(!picture || !label->pixmap().isNull());
            }
            saveShot(window->grab(), kind.name + (u'-' + system));
            window->close();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    SetEditorPathHook({}, {});
    SetCurrentProject(nullptr);
    SetMdiArea(nullptr);
}

TEST(DialogLayout, RefusedEntryMessageBox) {
    TQtMessages messages;
    TMessages& previous = Messages();
    SetMessages(&messages);
    TProjectTables tables;
    TProgramData project(tables);
    SetCurrentProject(&project);
    TDlgProp* dialog = TDlgProp::ShowInstance();
    auto* increments = dialog->findChild<TDataEdit*>(QStringLiteral("deNI"));
    increments->setText(QStringLiteral("301"));

    // The box is modal: look at it and answer it from the event loop it runs.
    QString shown;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown = box->text();
        EXPECT_EQ(box->windowTitle(), kApplicationTitle);
        saveShot(box->grab(), QStringLiteral("RefusedEntry"));
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(100);
    increments->Commit();
    EXPECT_EQ(shown, QStringLiteral("Entry must be less than or equal to 300"));
    EXPECT_EQ(increments->text(), QStringLiteral("300"));
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetCurrentProject(nullptr);
    SetMessages(&previous);
}

namespace {

// Runs the event loop for `ms` milliseconds.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds (at most five seconds), then a little longer so that a
// second box, if one were coming, would be seen too.
void runUntil(const std::function<bool()>& done) {
    for (int waited = 0; !done() && waited < 5000; waited += 20)
        runFor(20);
    runFor(150);
}

} // namespace

TEST(DialogLayout, RealMessageBoxInTheAreaIsShownOnceAndTheDialogKeepsTheFocus) {
    TQtMessages messages;
    TMessages& previous = Messages();
    SetMessages(&messages);
    QMdiArea area;
    area.resize(1400, 1000);
    area.show();
    QApplication::setActiveWindow(&area);
    SetMdiArea(&area);
    TProjectTables tables;
    TProgramData project(tables);
    SetCurrentProject(&project);
    TdlgCSD* other = TdlgCSD::ShowInstance();
    TDlgProp* dialog = TDlgProp::ShowInstance();
    runFor(20);
    auto* length = dialog->findChild<TDataEdit*>(QStringLiteral("deXGS"));
    length->setFocus();
    length->setText(QStringLiteral("abc"));

    // Every box that comes up is counted and answered.
    QStringList boxes;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(30);

    // Leaving the field by the tab key: one message, the focus comes back.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(length, &tab);
    runUntil([&] { return !boxes.isEmpty(); });
    const QString message = DisplayText(evaluationMessage(kReasonInvalidCharacters));
    EXPECT_EQ(boxes, QStringList{message});
    EXPECT_EQ(dialog->focusWidget(), length);

    // Switching to the other dialog: one message again, and this dialog comes back.
    boxes.clear();
    area.setActiveSubWindow(MdiWindowOf(other));
    runUntil([&] { return !boxes.isEmpty() && area.activeSubWindow() == MdiWindowOf(dialog); });
    EXPECT_EQ(boxes, QStringList{message});
    EXPECT_EQ(area.activeSubWindow(), MdiWindowOf(dialog));
    EXPECT_EQ(length->text(), QStringLiteral("abc"));
    EXPECT_EQ(project.IncrementLength, 0.0L);

    answer.stop();
    length->setText(QStringLiteral("2"));
    area.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(project.IncrementLength, 2.0L);
    SetCurrentProject(nullptr);
    SetMdiArea(nullptr);
    SetMessages(&previous);
}
