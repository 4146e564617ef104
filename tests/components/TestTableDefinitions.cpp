// Stored grid-table definitions: the reader's failure messages, the writer's round trip, and the
// tables of the main window as the resource defines them.

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "ProjectTables.h"
#include "TableChart.h"
#include "TableDefinitions.h"
#include "ValueStream.h"

#include <gtest/gtest.h>

using namespace tervane;

namespace {

QString readFailure(const QString& col, bool chart = false) {
    TGridTableChart chartTable;
    TGridTable plainTable;
    TGridTable& table = chart ? static_cast<TGridTable&>(chartTable) : plainTable;
    TValueReader reader(col);
    try {
        table.ReadColumns(reader);
    } catch (const EReadError& e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

} // namespace

TEST(TableDefinitions, ReaderFailureMessages) {
    EXPECT_EQ(readFailure("'three'"), "Error reading column count");
    EXPECT_EQ(readFailure("2.5"), "Error reading column count");
    EXPECT_EQ(readFailure("1 7 ('x') True False"),
              "Error occured when creating column 0: Error Column Class not defined");
    // The second column breaks: its number is 1 and the inner message follows.
    EXPECT_EQ(readFailure("2 1 ('a') True False 0 0 9  4 ('b') True"),
              "Error occured when creating column 1: Boolean expected on line 1");
    EXPECT_EQ(readFailure("1 2 ('d') True False False 'FLOATCOLUMN' 'L' 0.0"),
              "Error occured when creating column 0: Invalid float column definition");
    EXPECT_EQ(readFailure("1 1 ('n') True False 0 0 10  True False 0 'x' 0 0", true),
              "Error reading graphic parameters");
    EXPECT_EQ(readFailure("1 1 ('n') True False 0 0 10", true), "Error reading graphic parameters");
}

TEST(TableDefinitions, ObjectTextFailures) {
    EXPECT_THROW(ReadTableDefinitions("object T: TThing\nend\n"), EReadError);
    EXPECT_THROW(ReadTableDefinitions("object T: TGridTable\n  Colour = 3\nend\n"), EReadError);
    EXPECT_THROW(ReadTableDefinitions("object T: TGridTable\n  Caption = 'x'\n"), EReadError);
    try {
        ReadTableDefinitions("object T: TGridTable\n  Caption = 'x'\n  Col = {\n 1 9 }\nend\n");
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.message(),
                  "Error occured when creating column 0: Error Column Class not defined");
    }
    // MinRows of 0 in stored data is stored as 1; set at run time it fails.
    auto defs = ReadTableDefinitions("object T: TGridTable\n  MinRows = 0\nend\n");
    EXPECT_EQ(defs.at(0).table->MinRows(), 1);
    try {
        defs.at(0).table->SetMinRows(0);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_EQ(e.message(), "Value must be greater than 0");
    }
}

TEST(TableDefinitions, ValuesRoundTrip) {
    TValueWriter w;
    w.writeInteger(-2147483647 - 1);
    w.writeExtended(0.1L);
    w.writeExtended(2);
    w.writeBoolean(true);
    w.writeString("it's");
    w.writeStringList({"a b", ""});
    w.writeIntegerList({18, -1});
    TValueReader r(w.text());
    EXPECT_EQ(r.readInteger(), -2147483647 - 1);
    EXPECT_EQ(r.readExtended(), 0.1L);
    EXPECT_EQ(r.nextType(), TValueType::Extended); // 2 is written as an extended value
    EXPECT_EQ(r.readExtended(), 2.0L);
    EXPECT_TRUE(r.readBoolean());
    EXPECT_EQ(r.readString(), "it's");
    EXPECT_EQ(r.readStringList(), QStringList({"a b", ""}));
    EXPECT_EQ(r.readIntegerList(), QVector<int>({18, -1}));
    EXPECT_TRUE(r.atEnd());
}

// Every table of the resource written out and read back gives the same definition text.
TEST(TableDefinitions, ResourceRoundTripsThroughTheWriter) {
    TProjectTables tables;
    QString written;
    for (int i = 0; i < tables.Count(); ++i)
        written += WriteTableDefinition(tables.NameAt(i), tables.At(i));
    TProjectTables again(written);
    ASSERT_EQ(again.Count(), tables.Count());
    QString rewritten;
    for (int i = 0; i < again.Count(); ++i)
        rewritten += WriteTableDefinition(again.NameAt(i), again.At(i));
    EXPECT_EQ(rewritten, written);
}

TEST(TableDefinitions, MainWindowTables) {
    TProjectTables t;
    struct Expect {
        const char* name;
        int id;
        const char* caption;
        int minRows, maxRows, columns;
        TTableKind kind;
    };
    const Expect expected[] = {
        {"Soillayer", 0, "Specify Deflection and Slope on Wall", 1, 10, 4, TTableKind::Plain},
        {"PileSect", 15, "Wall Stiffness", 1, 10, 4, TTableKind::Plain},
        {"SoilStrength", 4, "Lateral Spring and Rotation Spring", 1, 20, 5, TTableKind::Plain},
        {"BoundCond", 123, "Concentrated Loads on Wall", 1, 20, 6, TTableKind::Plain},
        {"TiebackTable1", 77, "Tieback (ground anchor) Table", 1, 20, 6, TTableKind::Plain},
        {"PYMod", 16, "p-y Modification Factors", 2, 30, 3, TTableKind::Plain},
        {"DistLoad", 22, "Distributed Loads", 2, 100, 2, TTableKind::Plain},
        {"LongDist", 104, "Distributed Load (Long-Term)", 1, 0, 2, TTableKind::Plain},
        {"SurchargeTable", 23, "Surcharge Loads", 1, 20, 4, TTableKind::Plain},
        {"NewSoil", 19, "Soil Layers", 1, 10, 3, TTableKind::Plain},
        {"LongSoil", 44, "Soil Layers (Long-Term)", 1, 10, 3, TTableKind::Plain},
        {"TblClay1", 18, "Clay", 2, 2, 5, TTableKind::Plain},
        {"TblSand1", 17, "Sand", 2, 2, 4, TTableKind::Plain},
        {"TblSilt1", 29, "Silt", 2, 2, 6, TTableKind::Plain},
        {"TblRock1", 30, "Strong Rock", 2, 2, 2, TTableKind::Plain},
        {"TblRock2", 31, "Weak Rock", 2, 2, 5, TTableKind::Plain},
        {"PYCurves2", 37, "Sets of Ext. p-y Curves", 2, 30, 4, TTableKind::Chart},
        {"PYCurve2", 38, "External p-y Curve", 2, 17, 2, TTableKind::Chart},
        {"MEICurves2", 36, "Nonlinear Moment vs EI Curves", 1, 20, 3, TTableKind::Chart},
        {"Rows2", 0, "Moment and EI data", 1, 100, 2, TTableKind::Chart},
    };
    EXPECT_EQ(t.Count(), 20);
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        const TGridTable& table = t.Table(e.name);
        EXPECT_EQ(table.Identifier(), e.id);
        EXPECT_EQ(table.Caption(), e.caption);
        EXPECT_EQ(table.MinRows(), e.minRows);
        EXPECT_EQ(table.MaxRows(), e.maxRows);
        EXPECT_EQ(table.ColumnCount(), e.columns);
        EXPECT_EQ(table.Kind(), e.kind);
        EXPECT_EQ(TGridTable::FindByIdentifier(e.kind, e.id), &table);
    }
    // Link templates follow the soil type; unit strings as the file layout expects them.
    auto* link = dynamic_cast<TTableColumn*>(t.NewSoil().Column(2));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Templates.Identifiers(), QVector<int>({18, 18, 18, 17, 29, 30, 31}));
    EXPECT_EQ(link->Templates.Template(3), &t.Table("TblSand1"));
    auto* meiLink = dynamic_cast<TTableColumn*>(t.MEICurves2().Column(2));
    EXPECT_EQ(meiLink->Templates.Template(0), &t.Table("Rows2"));
    auto unitOf = [&](const char* name, int column) {
        return dynamic_cast<TFloatColumn&>(*t.Table(name).Column(column)).UnitString;
    };
    EXPECT_EQ(unitOf("TblClay1", 0), "F/L2^3");
    EXPECT_EQ(unitOf("TblClay1", 1), "F/L2^2");
    EXPECT_EQ(unitOf("TiebackTable1", 0), "L2");
    EXPECT_EQ(unitOf("SurchargeTable", 2), "L1");
    EXPECT_EQ(unitOf("PileSect", 3), "F-L^2");
    EXPECT_EQ(dynamic_cast<TFloatColumn&>(*t.PYMod().Column(1)).Default, 1.0L);
    EXPECT_EQ(dynamic_cast<TIntColumn&>(*t.MEICurves2().Column(0)).Maximum, 1000);
}
