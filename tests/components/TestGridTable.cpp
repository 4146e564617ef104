// Grid tables: registry, link rows, top-depth linking, unit changes, cell entry and the editor
// seam.

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "GridTableFakes.h"
#include "ProjectTables.h"
#include "TableDefinitions.h"
#include "Units.h"

#include <gtest/gtest.h>

using namespace tervane;
using testsupport::FakeEditor;
using testsupport::FakeEditorFactory;

namespace {

QString entryError(const TData& cell, const QString& text) {
    try {
        cell.SetText(text);
    } catch (const EAssignError& e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

// A layer table whose top depth follows the bottom of the layer above.
const char* kLayerTable = R"(object Layers: TGridTable
  Caption = 'Layers'
  Col = {
    3
    2 ('Top') True False True 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Bottom') True False False 'FLOATCOLUMN2' 'L2' 0.0
    1 ('Count') True False 7 0 1000
  }
end
)";

} // namespace

TEST(GridTable, IdentifierAssignmentSwapsWithTheHolder) {
    TGridTable a;
    TGridTable b;
    const int aOld = a.Identifier();
    EXPECT_EQ(b.Identifier(), aOld + 1); // the kind's counter
    b.SetIdentifier(900018);
    a.SetIdentifier(900018);
    EXPECT_EQ(a.Identifier(), 900018);
    EXPECT_EQ(b.Identifier(), aOld);
    a.SetIdentifier(-5); // ignored
    EXPECT_EQ(a.Identifier(), 900018);
    EXPECT_EQ(TGridTable::FindByIdentifier(TTableKind::Plain, 900018), &a);
    EXPECT_EQ(TGridTable::FindByIdentifier(TTableKind::Chart, 900018), nullptr);
}

TEST(GridTable, SoilTypeChangeReplacesTheLinkedTable) {
    TProjectTables t;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(2);
    TGridTable* clay = soil.Cell(2, 1).AsTable();
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->Caption(), "Clay");
    EXPECT_EQ(clay->RowCount(), 2);
    EXPECT_EQ(clay->RowNumber(), 2);
    EXPECT_EQ(clay->EditorTitle(), "Clay  2");
    clay->Cell(0, 0).SetFloat(120);

    // Clay to sand: a fresh two-row sand table at default values.
    soil.Cell(0, 1).SetInteger(4);
    TGridTable* sand = soil.Cell(2, 1).AsTable();
    ASSERT_NE(sand, nullptr);
    EXPECT_EQ(sand->Caption(), "Sand");
    EXPECT_EQ(sand->RowCount(), 2);
    EXPECT_EQ(sand->ColumnCount(), 4);
    EXPECT_EQ(sand->Cell(0, 0).AsFloat(), 0.0L);

    // Types 1 to 3 share a template, yet a change still gives a fresh table.
    soil.Cell(0, 0).SetInteger(1);
    soil.Cell(2, 0).AsTable()->Cell(1, 1).SetFloat(500);
    soil.Cell(0, 0).SetInteger(3);
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Caption(), "Clay");
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Cell(1, 1).AsFloat(), 0.0L);
    // Storing the same choice again keeps the table and its values.
    soil.Cell(2, 0).AsTable()->Cell(1, 1).SetFloat(500);
    soil.Cell(0, 0).SetInteger(3);
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Cell(1, 1).AsFloat(), 500.0L);

    // A choice outside the list is refused and the row keeps its table.
    try {
        soil.Cell(0, 0).SetInteger(8);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(), "Choice must be between 1 and 7.");
    }
    EXPECT_THROW(soil.Cell(0, 0).SetInteger(0), EAssignError);
    EXPECT_EQ(soil.Cell(0, 0).AsInteger(), 3);
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Cell(1, 1).AsFloat(), 500.0L);

    // Sub-tables follow the owner's unit system, also when made after the change.
    soil.ChangeUnits(2);
    soil.AppendRowGroup();
    EXPECT_EQ(soil.Cell(2, 2).AsTable()->Units(), 2);
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Units(), 2);
}

TEST(GridTable, InsertingBeforeRowZeroRenumbersSubTables) {
    FakeEditorFactory factory;
    TProjectTables t;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(2);
    TGridTable* second = soil.Cell(2, 1).AsTable();
    TGridTable* first = soil.Cell(2, 0).AsTable();
    first->ShowEditor();
    ASSERT_EQ(factory.editors.size(), 1u);
    FakeEditor* firstEditor = factory.editors.back();
    EXPECT_EQ(firstEditor->title, "Clay  1");

    soil.InsertRowGroup(0);
    EXPECT_EQ(soil.RowCount(), 3);
    EXPECT_EQ(soil.Cell(2, 1).AsTable(), first);
    EXPECT_EQ(first->RowNumber(), 2);
    EXPECT_EQ(firstEditor->title, "Clay  2");
    EXPECT_EQ(second->RowNumber(), 3);

    soil.DeleteRowGroup(0);
    EXPECT_EQ(first->RowNumber(), 1);
    EXPECT_EQ(firstEditor->title, "Clay  1");
    soil.CloseEditors();
    EXPECT_EQ(first->Editor(), nullptr);
}

TEST(GridTable, TopDepthLinksNeighbouringLayers) {
    auto defs = ReadTableDefinitions(kLayerTable);
    TGridTable& layers = *defs.at(0).table;
    layers.SetRowCount(2);
    // The bottom of layer 1 becomes the top of layer 2, and back.
    layers.Cell(1, 0).SetFloat(10);
    EXPECT_EQ(layers.Cell(0, 1).AsFloat(), 10.0L);
    layers.Cell(0, 1).SetFloat(12);
    EXPECT_EQ(layers.Cell(1, 0).AsFloat(), 12.0L);
    layers.Cell(1, 1).SetFloat(30);
    // The top of the first layer has nothing above it.
    layers.Cell(0, 0).SetFloat(2);
    EXPECT_EQ(layers.Cell(1, 0).AsFloat(), 12.0L);

    // A layer inserted between starts where the one above ends and ends where the one below
    // starts.
    layers.InsertRowGroup(1);
    EXPECT_EQ(layers.Cell(0, 1).AsFloat(), 12.0L);
    EXPECT_EQ(layers.Cell(1, 1).AsFloat(), 12.0L);
    EXPECT_EQ(layers.Cell(0, 2).AsFloat(), 12.0L);
    EXPECT_EQ(layers.Cell(2, 1).AsInteger(), 7);
    // An appended layer starts at the bottom of the last one.
    layers.AppendRowGroup();
    EXPECT_EQ(layers.Cell(0, 3).AsFloat(), 30.0L);
    EXPECT_EQ(layers.Cell(1, 3).AsFloat(), 0.0L);

    // A top-depth column must be followed by a float column.
    auto bad = ReadTableDefinitions(
        "object B: TGridTable\n Col = { 2 2 ('t') True False True 'FLOATCOLUMN2' '' 0.0\n"
        " 1 ('n') True False 0 0 9 }\nend\n");
    try {
        bad.at(0).table->SetRowCount(1);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(),
                  "If column if a topdepth then the next column must be a float column");
    }
}

TEST(GridTable, UnitChangeRescalesFloatColumnsOnly) {
    TProjectTables t;
    TGridTable& rock = t.Table("TblRock1"); // unit weight F/L2^3, strength F/L^2
    rock.SetRowCount(2);
    rock.Cell(1, 0).SetFloat(1);
    rock.Cell(0, 1).SetFloat(120);
    EXPECT_EQ(rock.Column(1)->CaptionLine(1), "Strength (lbs/in^2)  ");
    rock.ChangeUnits(2);
    EXPECT_NEAR(static_cast<double>(rock.Cell(1, 0).AsFloat()), 1 / 0.1450377252, 1e-9);
    EXPECT_NEAR(static_cast<double>(rock.Cell(0, 1).AsFloat()), 120 / 6.365879805, 1e-8);
    EXPECT_EQ(rock.Column(1)->CaptionLine(1), "Strength (kN/m^2)  ");
    EXPECT_EQ(rock.Column(1)->CaptionLine(0), "Uniaxial Compressive");
    rock.ChangeUnits(1);
    EXPECT_NEAR(static_cast<double>(rock.Cell(1, 0).AsFloat()), 1.0, 1e-15);

    // Choice and integer columns are untouched; English to Other to SI converts nothing.
    TGridTable& stiff = t.PileSect();
    stiff.SetRowCount(1);
    stiff.Cell(0, 0).SetInteger(5);
    stiff.Cell(2, 0).SetInteger(2);
    stiff.Cell(3, 0).SetFloat(4.5e9L);
    stiff.ChangeUnits(3);
    stiff.ChangeUnits(2);
    EXPECT_EQ(stiff.Cell(0, 0).AsInteger(), 5);
    EXPECT_EQ(stiff.Cell(2, 0).AsInteger(), 2);
    EXPECT_EQ(stiff.Cell(3, 0).AsFloat(), 4.5e9L);
    EXPECT_EQ(stiff.Column(3)->CaptionLine(0), "Flexural Stiffness (EI) (kN-m^2)  ");
}

TEST(GridTable, CellEntryMessages) {
    FakeEditorFactory factory;
    TProjectTables t;
    TGridTable& mei = t.MEICurves2(); // node columns 0 to 1000
    mei.SetRowCount(1);
    // Without an editor a fraction is rounded; the bounds hold always.
    mei.Cell(0, 0).SetText("2.4");
    EXPECT_EQ(mei.Cell(0, 0).AsInteger(), 2);
    EXPECT_EQ(entryError(mei.Cell(0, 0), "1001"), "Entry must be between 0 and 1000.");
    mei.ShowEditor();
    ASSERT_TRUE(mei.EditorOpen());
    EXPECT_EQ(entryError(mei.Cell(0, 0), "2.5"), "Entry must be an integer.");
    EXPECT_EQ(entryError(mei.Cell(0, 0), "-2.5"), "Entry must be an integer.");
    EXPECT_EQ(entryError(mei.Cell(0, 0), "3.00000000001"), "(accepted)");
    EXPECT_EQ(mei.Cell(0, 0).AsInteger(), 3);
    EXPECT_EQ(entryError(mei.Cell(1, 0), "-1"), "Entry must be between 0 and 1000.");
    EXPECT_EQ(mei.Cell(1, 0).AsInteger(), 0);
    mei.CloseEditors();

    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(1);
    EXPECT_EQ(entryError(soil.Cell(0, 0), "2.5"), "Value must be an integer.");
    EXPECT_EQ(entryError(soil.Cell(0, 0), "9"), "Choice must be between 1 and 7.");
    EXPECT_EQ(entryError(soil.Cell(0, 0), "2*2"), "(accepted)");
    EXPECT_EQ(soil.Cell(2, 0).AsTable()->Caption(), "Sand");
    EXPECT_EQ(entryError(soil.Cell(1, 0), "3+"),
              QStringLiteral("Entry could not be evaluated:") + QChar(13) + "invalid expression");
    EXPECT_EQ(entryError(soil.Cell(1, 0), "12*2.5"), "(accepted)");
    EXPECT_EQ(soil.Cell(1, 0).AsText(), "30");
    soil.Cell(1, 0).SetFloat(1.0L / 3);
    EXPECT_EQ(soil.Cell(1, 0).AsText(), "0.33333333");
}

TEST(GridTable, WrongAccessAndShownColumns) {
    TProjectTables t;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(1);
    try {
        soil.Cell(1, 0).AsInteger();
        FAIL();
    } catch (const EInvalidCast& e) {
        EXPECT_EQ(e.message(), "Data of wrong type");
    }
    EXPECT_THROW(soil.Cell(0, 0).AsFloat(), EInvalidCast);
    EXPECT_THROW(soil.Cell(2, 0).SetInteger(1), EInvalidCast);
    EXPECT_EQ(soil.Cell(2, 0).AsText(), "");
    EXPECT_EQ(soil.ShownColumnCount(), 3);
    EXPECT_EQ(soil.HeaderRowCount(), 2);
    soil.Column(1)->Shown = false;
    EXPECT_EQ(soil.ShownColumn(1), soil.Column(2));
    EXPECT_EQ(soil.ShownIndex(soil.Column(1)), -1);
    try {
        soil.ShownColumn(2);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(), "Index out of bounds");
    }
}

TEST(GridTable, EditorSeamAllocatesControlsAndNotifies) {
    TProjectTables t;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(2);
    soil.Cell(0, 1).SetInteger(5);
    FakeEditor editor(soil, false);
    // Choice and link columns draw their own controls.
    EXPECT_EQ(editor.controls.size(), 4u);
    EXPECT_EQ(editor.control(0, 1).selection, 5);
    EXPECT_EQ(editor.control(2, 0).caption, "1: Clay");
    EXPECT_EQ(editor.control(2, 1).caption, "2: Silt");

    soil.Cell(0, 0).SetInteger(6);
    EXPECT_EQ(editor.control(0, 0).selection, 6);
    EXPECT_EQ(editor.control(2, 0).caption, "1: Strong Rock");
    ASSERT_FALSE(editor.cellChanges.empty());
    EXPECT_EQ(editor.cellChanges.back(), std::make_pair(0, 0));
    soil.Cell(1, 1).SetFloat(20);
    EXPECT_EQ(editor.cellChanges.back(), std::make_pair(1, 1));
    const int before = editor.tableChanges;
    soil.AppendRowGroup();
    EXPECT_EQ(editor.tableChanges, before + 1);
    EXPECT_EQ(editor.control(2, 2).caption, "3: Clay");

    // Consistency checks of the controls.
    auto* link = dynamic_cast<TTableColumn*>(soil.Column(2));
    auto failure = [&](TGridEditor* parent, int top, int count) {
        try {
            link->AllocateControls(parent, top, count);
        } catch (const EGridError& e) {
            return e.message();
        }
        return QStringLiteral("(allocated)");
    };
    EXPECT_EQ(failure(nullptr, 0, 1), "null parent");
    EXPECT_EQ(failure(&editor, 3, 1), "ATopRow 3");
    EXPECT_EQ(failure(&editor, 1, 3), "ACount 3");
    EXPECT_EQ(failure(&editor, 0, 0), "ACount 0");
    FakeEditor other(t.LongSoil(), false);
    EXPECT_EQ(failure(&other, 0, 1), "Attempt to change parent with controls already allocated");
    auto* choice = dynamic_cast<TEnumColumn*>(soil.Column(0));
    try {
        choice->AllocateControls(&other, 0, 1);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(), "Error attempt to change parent with controls already allocated");
    }
    try {
        choice->ControlChanged(-1, 2);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(), "Unexpected row for combobox");
    }
    choice->ControlChanged(2, 4);
    EXPECT_EQ(soil.Cell(2, 2).AsTable()->Caption(), "Sand");

    soil.DetachEditor();
    EXPECT_FALSE(editor.control(0, 0).alive);
    EXPECT_FALSE(soil.EditorOpen());
    t.LongSoil().DetachEditor();
}

TEST(GridTable, ModifiedStateReachesSubTables) {
    TProjectTables t;
    TGridTable& soil = t.NewSoil();
    soil.SetRowCount(1);
    EXPECT_FALSE(soil.IsModified());
    soil.Cell(1, 0).SetFloat(3); // programmatic stores do not mark the table
    EXPECT_FALSE(soil.IsModified());
    soil.Cell(2, 0).AsTable()->SetModified(true);
    EXPECT_TRUE(soil.IsModified());
    EXPECT_TRUE(t.IsModified());
    soil.SetModified(false);
    EXPECT_FALSE(soil.Cell(2, 0).AsTable()->IsModified());
    EXPECT_FALSE(t.IsModified());
}

TEST(GridTable, GroupWideColumnsAndRowGroups) {
    auto defs = ReadTableDefinitions("object G: TGridTable\n RowGroup = 2\n Col = { 2\n"
                                     " 2 ('x') True True False 'FLOATCOLUMN2' '' 0.0\n"
                                     " 4 ('s') True False 'n/a' 1.5 }\nend\n");
    TGridTable& g = *defs.at(0).table;
    g.AppendRowGroup();
    g.AppendRowGroup();
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cell(1, 3).AsText(), "n/a");
    g.Cell(0, 3).SetFloat(9); // the whole group of rows 2 and 3
    EXPECT_EQ(g.Cell(0, 2).AsFloat(), 9.0L);
    EXPECT_EQ(g.Cell(0, 1).AsFloat(), 0.0L);
    g.DeleteRowGroup(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cell(0, 0).AsFloat(), 9.0L);
    g.SetRowGroup(0);
    EXPECT_EQ(g.RowGroup(), 1);
    g.SetRowCount(-3);
    EXPECT_EQ(g.RowCount(), 0);
}
