// The tutorial of the user's manual followed in the real main window: a new project, SI units,
// the title, the wall, the soil layers and the tieback entered as the tutorial says, saved and
// analysed. Its results must be those of the anchored sheet-pile example the tutorial rebuilds.
#include "MainForm.h"
#include "ProgramWiring.h"
#include "WiredProgramTest.h"

#include "ColumnTypes.h"
#include "CommandIds.h"
#include "CurrentProject.h"
#include "DataEdit.h"
#include "InputDialog.h"
#include "ProgramData.h"
#include "ProjectFiles.h"
#include "ProjectTables.h"
#include "Table.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace tervane;

namespace {

using TutorialTest = test::WiredProgramTest;

// The report from the results of the last iteration to its end: the lines that depend on
// the data alone (the heading holds the paths and the time of the run).
QString resultsOf(const QString& report) {
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QString text = QString::fromLatin1(file.readAll());
    const qsizetype at = text.indexOf(QStringLiteral("RESULTS -- ITERATION"));
    return at < 0 ? QString() : text.mid(at);
}

// Types into the open dialog's fields (by object name) and leaves the dialog, which stores them.
void enter(TCmd dialog, TMainForm& form,
           const std::vector<std::pair<const char*, QString>>& fields) {
    form.Execute(dialog);
    TInputDialog* d =
        TInputDialog::OpenDialogs().isEmpty() ? nullptr : TInputDialog::OpenDialogs().last();
    ASSERT_NE(d, nullptr);
    for (const auto& [name, text] : fields) {
        auto* edit = d->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        edit->setText(text);
    }
    EXPECT_TRUE(d->FormDeactivate());
}

// Types a table's rows as the user types them into its cells; a choice column takes the
// choice picked from its list by its text.
void type(TGridTable& table, const std::vector<std::vector<QString>>& rows) {
    table.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            if (auto* choice = dynamic_cast<TEnumColumn*>(table.Column(c))) {
                const int index = static_cast<int>(choice->Choices.indexOf(rows[r][c]));
                ASSERT_GE(index, 0) << rows[r][c].toStdString();
                choice->SetInt(r, index + 1); // choices count from 1
            } else {
                table.Cell(c, r).SetText(rows[r][c]);
            }
        }
    }
}

} // namespace

TEST_F(TutorialTest, TheTutorialRebuildsTheAnchoredSheetPileExample) {
    TMainForm form;
    TProgramWiring wiring(form);
    form.show();
    const QString finished = example("anchored-sheet-pile-si.tv5d");
    ASSERT_TRUE(form.Files().OpenByName(finished, 1));
    form.Execute(TCmd::CompRun);
    const QString expected = resultsOf(path("anchored-sheet-pile-si.tv5o"));
    ASSERT_FALSE(expected.isEmpty());

    // Step 1-2: a new project in SI units, the tieback option on.
    form.Execute(TCmd::FileNew);
    form.Execute(TCmd::OptUnitsSI);
    form.PrepareMenu(TMenuId::Options);
    if (!form.Action(TCmd::OptTiebacks)->isChecked()) form.Execute(TCmd::OptTiebacks);
    form.PrepareEarthPressureMenu();
    EXPECT_TRUE(form.Action(TCmd::OptEarthTriangular)->isChecked());
    EXPECT_TRUE(form.Action(TCmd::OptGeneratePY)->isChecked());

    // Steps 3-5: title, wall properties with the wall stiffness table, wall configuration.
    enter(TCmd::DataTitle, form,
          {{"meTitle", QStringLiteral("Anchored steel sheet pile, 6 m cut in sand, water 4 m "
                                      "down, 10 kPa surcharge")}});
    enter(
        TCmd::DataWallProperties, form,
        {{"deNI", "120"}, {"deXGS", "0.1"}, {"deXLN", "0.5"}, {"deSlope", "1E-6"}, {"DeFH", "6"}});
    type(form.Tables().PileSect(),
         {{"0", "120", "Use Constant Value for all Nodes on this Line", "71820"}});
    enter(TCmd::DataWallConfiguration, form,
          {{"deHL", "6"},
           {"deWidth", "1"},
           {"dePYW", "1"},
           {"deHW", "4"},
           {"DeHW2", "6"},
           {"deSP", "10"},
           {"beta", "0"},
           {"deGw", "1"}});

    // Step 6: two sand layers, each with its values at the top and the bottom.
    TGridTable& layers = form.Tables().NewSoil();
    type(layers, {{"Sand", "4"}, {"Sand", "20"}});
    for (int layer = 0; layer < 2; ++layer) {
        TGridTable* sand = layers.Cell(2, layer).AsTable();
        ASSERT_NE(sand, nullptr);
        const QString weight = layer == 0 ? QStringLiteral("18") : QStringLiteral("20");
        const QString k = layer == 0 ? QStringLiteral("24400") : QStringLiteral("16300");
        type(*sand, {{weight, "32", k, "0"}, {weight, "32", k, "0"}});
    }

    // Step 7: the tieback row.
    type(form.Tables().TiebackTable1(), {{"1.5", "0.0007", "1.95E8", "7", "20", "2.4"}});

    // Step 8: Run Analysis asks for a name first (Save As), then analyses.
    const QString rebuilt = path("my-anchored-wall.tv5d");
    scope.messages.files.push_back(TFileChoice{rebuilt, 1});
    form.Execute(TCmd::CompRun);
    const QString got = resultsOf(path("my-anchored-wall.tv5o"));
    ASSERT_FALSE(got.isEmpty()) << scope.messages.informationTexts().join(u'\n').toStdString();
    EXPECT_EQ(got.toStdString(), expected.toStdString());
}
