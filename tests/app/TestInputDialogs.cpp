// The input dialogs inside a multiple-document area: loading on activation in the project's
// units, storing on deactivation with the feet and square-feet conversions, refusing to leave or
// close on an invalid entry, the modified mark, the option check boxes closing their tables, and
// labels and values that follow a unit change.
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
#include "ScriptedMessages.h"
#include "Units.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

using namespace tervane;

namespace {

// A table editor that only attaches itself, so tests see which tables are open.
class TProbeEditor : public TGridEditor {
public:
    explicit TProbeEditor(TGridTable& table) { table.AttachEditor(this, {}, {}); }
    bool isModal() const override { return false; }
    void setTitle(const QString&) override {}
    std::unique_ptr<TCellControl> createChoiceControl(int, int, const QStringList&) override {
        return std::make_unique<TCellControl>();
    }
    std::unique_ptr<TCellControl> createButtonControl(int, int) override {
        return std::make_unique<TCellControl>();
    }
};

class InputDialogs : public testing::Test {
protected:
    void SetUp() override {
        m_area.resize(1400, 1000);
        m_area.show();
        QApplication::setActiveWindow(&m_area);
        SetMdiArea(&m_area);
        SetCurrentProject(&m_project);
        TGridTable::SetEditorFactory([](TGridTable& table, bool) {
            return std::unique_ptr<TGridEditor>(std::make_unique<TProbeEditor>(table));
        });
    }
    void TearDown() override {
        m_area.closeAllSubWindows();
        freeClosed();
        m_tables.CloseEditors();
        TGridTable::SetEditorFactory({});
        SetCurrentProject(nullptr);
        SetMdiArea(nullptr);
    }

    template <class T> T* child(QWidget* dialog, const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    TDataEdit* field(QWidget* dialog, const char* name) { return child<TDataEdit>(dialog, name); }
    QString labelOf(QWidget* dialog, const char* name) {
        return field(dialog, name)->EditLabel()->text();
    }
    // The user types a new entry into a field that has the focus.
    void typeInto(TDataEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        edit->insert(text); // emits textEdited, as typing does
    }
    // Runs the event loop's pending work, the freeing of closed windows included.
    static void freeClosed() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void activate(QWidget* dialog) {
        m_area.setActiveSubWindow(MdiWindowOf(dialog));
        QCoreApplication::processEvents();
    }

    test::TScriptedMessagesScope m_messages;
    QMdiArea m_area;
    TProjectTables m_tables;
    TProgramData m_project{m_tables};
};

} // namespace

TEST_F(InputDialogs, FreeHeightInFeetIsStoredInInchesAndShownByTheConfiguration) {
    TDlgProp* prop = TDlgProp::ShowInstance();
    EXPECT_EQ(labelOf(prop, "DeFH"), QStringLiteral("Free Height of Wall (ft)"));
    EXPECT_EQ(labelOf(prop, "deXGS"), QStringLiteral("Increment Length (in)"));
    // A new project's zero increments are shown as the field's minimum.
    EXPECT_EQ(field(prop, "deNI")->text(), QStringLiteral("1"));
    typeInto(field(prop, "DeFH"), QStringLiteral("20"));
    EXPECT_TRUE(m_project.IsModified());

    // Activating another dialog stores the wall properties first.
    TdlgCSD* csd = TdlgCSD::ShowInstance();
    activate(csd);
    EXPECT_EQ(m_project.FreeHeight, 240.0L);
    EXPECT_EQ(m_project.IncrementCount, 1);
    EXPECT_EQ(field(csd, "deHL")->text(), QStringLiteral("20"));
    EXPECT_EQ(labelOf(csd, "deSP"),
              QStringLiteral("Uniform Distributed Load at the top of backfill side  (lbs/ft^2)"));

    // Stresses per square foot and water depths in feet.
    typeInto(field(csd, "deSP"), QStringLiteral("288"));
    field(csd, "deHW")->setText(QStringLiteral("5"));
    ASSERT_TRUE(csd->FormDeactivate());
    EXPECT_EQ(m_project.UniformSurcharge, 2.0L);
    EXPECT_EQ(m_project.WaterDepthBackfill, 60.0L);
    EXPECT_TRUE(m_messages.messages.records.empty());
}

TEST_F(InputDialogs, InvalidIncrementsAreRefusedAndTheDialogStaysWithTheEntry) {
    TDlgProp* prop = TDlgProp::ShowInstance();
    TDataEdit* increments = field(prop, "deNI");
    m_project.IncrementCount = 40;
    prop->FormActivate();

    typeInto(increments, QStringLiteral("0.5"));
    EXPECT_FALSE(prop->FormDeactivate());
    EXPECT_EQ(m_messages.messages.informationTexts(),
              QStringList{QStringLiteral("Entry must be an integer.")});
    EXPECT_EQ(m_project.IncrementCount, 40);
    // Closing is refused too, and the dialog keeps what the user typed.
    EXPECT_FALSE(MdiWindowOf(prop)->close());
    QCoreApplication::processEvents();
    ASSERT_EQ(TDlgProp::Instance(), prop);
    EXPECT_EQ(increments->text(), QStringLiteral("0.5"));

    // Switching to another dialog shows the message and brings this one back.
    m_messages.messages.records.clear();
    TdlgTitle* title = TdlgTitle::ShowInstance();
    activate(title);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_area.activeSubWindow(), MdiWindowOf(prop));
    EXPECT_EQ(increments->text(), QStringLiteral("0.5"));
    EXPECT_EQ(m_messages.messages.informationTexts(),
              QStringList{QStringLiteral("Entry must be an integer.")});

    m_messages.messages.records.clear();
    typeInto(increments, QStringLiteral("301"));
    EXPECT_FALSE(prop->FormDeactivate());
    EXPECT_EQ(m_messages.messages.informationTexts(),
              QStringList{QStringLiteral("Entry must be less than or equal to 300")});
    EXPECT_EQ(increments->text(), QStringLiteral("300"));
    // The field now holds its maximum: the next deactivation and close store it.
    EXPECT_TRUE(MdiWindowOf(prop)->close());
    freeClosed();
    EXPECT_EQ(m_project.IncrementCount, 300);
    EXPECT_EQ(TDlgProp::Instance(), nullptr);
}

TEST_F(InputDialogs, ArithmeticFaultInTheFocusedFieldIsShownAndRefused) {
    TdlgCSD* csd = TdlgCSD::ShowInstance();
    typeInto(field(csd, "deWidth"), QStringLiteral("1/0"));
    EXPECT_FALSE(csd->FormDeactivate());
    EXPECT_EQ(m_messages.messages.informationTexts(), QStringList{kFaultDivisionByZero});
    EXPECT_EQ(m_project.ActiveWidth, 0.0L);
}

TEST_F(InputDialogs, UncheckingConcentratedLoadsClosesTheirTableAndASaveEmptiesIt) {
    m_project.ApplyConcentratedLoads = true;
    TGridTable& loads = m_tables.BoundCond();
    loads.SetRowCount(3);
    TDlgConLoads* dialog = TDlgConLoads::ShowInstance();
    auto* box = child<QCheckBox>(dialog, "cbApply");
    auto* edit = child<QPushButton>(dialog, "btnEdit");
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(edit->isEnabled());
    m_project.ClearModified();

    edit->click();
    EXPECT_TRUE(loads.EditorOpen());
    box->click();
    EXPECT_FALSE(loads.EditorOpen());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(m_project.IsModified());
    // The switch is stored on deactivation; the rows stay until the save.
    EXPECT_TRUE(m_project.ApplyConcentratedLoads);
    ASSERT_TRUE(dialog->FormDeactivate());
    EXPECT_FALSE(m_project.ApplyConcentratedLoads);
    EXPECT_EQ(loads.RowCount(), 3);
    m_project.SaveText();
    EXPECT_EQ(loads.RowCount(), 0);
}

TEST_F(InputDialogs, SpringSwitchIsStoredOnCloseAndClosesItsTable) {
    TDlgSpring* dialog = TDlgSpring::ShowInstance();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lateral & Rotational Springs"));
    auto* box = child<QCheckBox>(dialog, "cbApply");
    auto* edit = child<QPushButton>(dialog, "btnEdit");
    EXPECT_FALSE(edit->isEnabled());
    box->click();
    EXPECT_TRUE(edit->isEnabled());
    edit->click();
    EXPECT_TRUE(m_tables.SoilStrength().EditorOpen());
    EXPECT_TRUE(MdiWindowOf(dialog)->close());
    freeClosed();
    EXPECT_TRUE(m_project.ApplySprings);
    EXPECT_EQ(TDlgSpring::Instance(), nullptr);

    // The next use creates a new dialog that shows the stored switch; unchecking closes the table.
    dialog = TDlgSpring::ShowInstance();
    box = child<QCheckBox>(dialog, "cbApply");
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(m_tables.SoilStrength().EditorOpen());
}

TEST_F(InputDialogs, TitleMarksTheProjectOnlyWhenTheTextChanges) {
    TdlgTitle* dialog = TdlgTitle::ShowInstance();
    auto* memo = child<QLineEdit>(dialog, "meTitle");
    EXPECT_EQ(memo->text(), QStringLiteral("New Wall"));
    EXPECT_EQ(memo->maxLength(), 80);
    memo->setFocus();
    memo->insert(QStringLiteral("x"));
    memo->backspace();
    EXPECT_TRUE(MdiWindowOf(dialog)->close());
    QCoreApplication::processEvents();
    EXPECT_FALSE(m_project.IsModified());

    dialog = TdlgTitle::ShowInstance();
    memo = child<QLineEdit>(dialog, "meTitle");
    memo->setText(QStringLiteral("Sheet pile at Pier 4"));
    EXPECT_TRUE(MdiWindowOf(dialog)->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(m_project.Title, QStringLiteral("Sheet pile at Pier 4"));
    EXPECT_TRUE(m_project.IsModified());
}

TEST_F(InputDialogs, LabelsAndValuesFollowAUnitChange) {
    m_project.IncrementLength = 12;
    m_project.FreeHeight = 240;
    m_project.UniformSurcharge = 1;
    TDlgProp* prop = TDlgProp::ShowInstance();
    TdlgCSD* csd = TdlgCSD::ShowInstance();
    EXPECT_EQ(field(prop, "deXGS")->text(), QStringLiteral("12"));

    m_project.ChangeUnits(kUnitsSI);
    RefreshOpenDialogs();
    EXPECT_EQ(labelOf(prop, "deXGS"), QStringLiteral("Increment Length (m)"));
    EXPECT_EQ(labelOf(prop, "DeFH"), QStringLiteral("Free Height of Wall (m)"));
    EXPECT_EQ(field(prop, "deXGS")->text(), QStringLiteral("0.3048"));
    EXPECT_EQ(field(prop, "DeFH")->text(), QStringLiteral("6.096"));
    EXPECT_EQ(labelOf(csd, "deSP"),
              QStringLiteral("Uniform Distributed Load at the top of backfill side  (kN/m^2)"));
    EXPECT_NEAR(static_cast<double>(field(csd, "deSP")->Number()), 6.894757, 1e-5);
    EXPECT_EQ(labelOf(csd, "beta"), QStringLiteral("Slope of the backfill, Beta (deg.)"));
    EXPECT_EQ(labelOf(csd, "deGw"),
              QStringLiteral("Modification Factor for Active Earth Pressure"));

    // In SI units the configuration stores metres as shown.
    field(csd, "deHL")->setText(QStringLiteral("7"));
    ASSERT_TRUE(csd->FormDeactivate());
    EXPECT_EQ(m_project.FreeHeight, 7.0L);

    m_project.ChangeUnits(kUnitsOther);
    RefreshOpenDialogs();
    EXPECT_EQ(labelOf(prop, "DeFH"), QStringLiteral("Free Height of Wall (L2)"));
    EXPECT_EQ(labelOf(csd, "deSP"),
              QStringLiteral("Uniform Distributed Load at the top of backfill side  (F/L2^2)"));
}

TEST_F(InputDialogs, ControlOptionsEditTheMainWindowsEditorPath) {
    QString editorPath = QStringLiteral("/usr/bin/xdg-open");
    SetEditorPathHook([&] { return editorPath; }, [&](const QString& p) { editorPath = p; });
    TDlgOptions* dialog = TDlgOptions::ShowInstance();
    auto* edit = child<QLineEdit>(dialog, "edEditor");
    EXPECT_EQ(edit->text(), editorPath);
    EXPECT_EQ(child<QLabel>(dialog, "lbEditor")->buddy(), edit);

    m_messages.messages.files.push_back(TFileChoice{QStringLiteral("/usr/bin/nano"), 2});
    child<QPushButton>(dialog, "btnBrowse")->click();
    ASSERT_EQ(m_messages.messages.records.size(), 1u);
    const TFileDialogRequest& request = m_messages.messages.records[0].request;
    EXPECT_EQ(request.filter, QStringLiteral("Programs|*.exe;*.com|All Files (*.*)|*.*"));
    EXPECT_EQ(request.initialPath, QStringLiteral("/usr/bin/xdg-open"));
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(edit->text(), QStringLiteral("/usr/bin/nano"));
    // A cancelled dialog leaves the text.
    child<QPushButton>(dialog, "btnBrowse")->click();
    EXPECT_EQ(edit->text(), QStringLiteral("/usr/bin/nano"));

    ASSERT_TRUE(dialog->FormDeactivate());
    EXPECT_EQ(editorPath, QStringLiteral("/usr/bin/nano"));
    EXPECT_FALSE(m_project.IsModified());
    EXPECT_EQ(BrowseFilterIndex(QStringLiteral("C:\\Windows\\NOTEPAD.EXE")), 1);
    SetEditorPathHook({}, {});
}

TEST_F(InputDialogs, OneInstanceEachAndTheirTablesOpen) {
    TDlgRebar* rebar = TDlgRebar::ShowInstance();
    EXPECT_EQ(TDlgRebar::ShowInstance(), rebar);
    EXPECT_EQ(m_area.subWindowList().size(), 1);
    child<QPushButton>(rebar, "btnEdit")->click();
    EXPECT_TRUE(m_tables.SurchargeTable().EditorOpen());
    EXPECT_FALSE(child<QLabel>(rebar, "imgSurcharge")->pixmap().isNull());

    TDlgTieback* tieback = TDlgTieback::ShowInstance();
    EXPECT_EQ(tieback->windowTitle(), QStringLiteral("Tieback (Ground Anchor)"));
    child<QPushButton>(tieback, "btnEdit")->click();
    EXPECT_TRUE(m_tables.TiebackTable1().EditorOpen());

    TDlgProp* prop = TDlgProp::ShowInstance();
    child<QPushButton>(prop, "btnSection")->click();
    EXPECT_TRUE(m_tables.PileSect().EditorOpen());
    EXPECT_EQ(m_area.subWindowList().size(), 3);
}

TEST_F(InputDialogs, ReplacingTheProjectDiscardsTheDialogsWithoutStoring) {
    TDlgProp* prop = TDlgProp::ShowInstance();
    TDlgSpring::ShowInstance();
    typeInto(field(prop, "DeFH"), QStringLiteral("20"));
    // Before the project is replaced the close query stores the active dialog's entries ...
    m_area.setActiveSubWindow(MdiWindowOf(prop));
    EXPECT_TRUE(StoreActiveDialog());
    EXPECT_EQ(m_project.FreeHeight, 240.0L);
    // ... and what the dialogs show afterwards goes nowhere, not even an invalid entry.
    typeInto(field(prop, "DeFH"), QStringLiteral("abc"));
    DiscardInputDialogs();
    freeClosed();
    EXPECT_EQ(TDlgProp::Instance(), nullptr);
    EXPECT_EQ(TDlgSpring::Instance(), nullptr);
    EXPECT_EQ(m_project.FreeHeight, 240.0L);
    EXPECT_FALSE(m_project.ApplySprings);
    EXPECT_TRUE(m_messages.messages.records.empty());
    EXPECT_TRUE(m_area.subWindowList().isEmpty());
}
