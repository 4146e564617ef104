#pragma once
// The grid tables of the main window, made from the stored definitions in the resource
// ":/tables/GridTables.txt". They live as long as their owner; a new or opened project empties and
// refills them.

#include "Table.h"
#include "TableDefinitions.h"

#include <QString>
#include <vector>

namespace tervane {

class TProjectTables {
public:
    // Creates every table of the resource. Fails with EReadError when the definitions are broken.
    TProjectTables();
    // Creates the tables of another definition text (tests).
    explicit TProjectTables(const QString& definitions);

    static QString ResourceText();

    // The table of a component name; fails with EGridError when there is none.
    TGridTable& Table(const QString& name) const;
    int Count() const { return static_cast<int>(m_tables.size()); }
    TGridTable& At(int i) const { return *m_tables[static_cast<size_t>(i)].table; }
    const QString& NameAt(int i) const { return m_tables[static_cast<size_t>(i)].name; }

    TGridTable& Soillayer() const { return *m_soillayer; }       // restraints, Identifier 0
    TGridTable& PileSect() const { return *m_pileSect; }         // wall stiffness, 15
    TGridTable& SoilStrength() const { return *m_soilStrength; } // springs, 4
    TGridTable& BoundCond() const { return *m_boundCond; }       // concentrated loads, 123
    TGridTable& TiebackTable1() const { return *m_tiebacks; }    // tiebacks, 77
    TGridTable& PYMod() const { return *m_pyMod; }               // p-y modifiers, 16
    TGridTable& DistLoad() const { return *m_distLoad; }         // distributed loads, 22
    TGridTable& LongDist() const { return *m_longDist; }         // long-term loads, 104
    TGridTable& SurchargeTable() const { return *m_surcharge; }  // surcharge loads, 23
    TGridTable& NewSoil() const { return *m_newSoil; }           // soil layers, 19
    TGridTable& LongSoil() const { return *m_longSoil; }         // long-term soil layers, 44
    TGridTable& PYCurves2() const { return *m_pyCurves; }        // external p-y curve sets, 37
    TGridTable& MEICurves2() const { return *m_meiCurves; }      // moment-EI curves, 36

    // Every table to `system` (tables rescale their float columns).
    void ChangeUnits(int system);
    // Every table emptied, then given its minimum row count.
    void Reset();
    // Every table with fewer rows than its minimum gets that many.
    void FillMinimumRows();
    bool IsModified() const;
    void ResetModified();
    void CloseEditors();

private:
    void bind();
    std::vector<TTableDefinition> m_tables;
    TGridTable* m_soillayer = nullptr;
    TGridTable* m_pileSect = nullptr;
    TGridTable* m_soilStrength = nullptr;
    TGridTable* m_boundCond = nullptr;
    TGridTable* m_tiebacks = nullptr;
    TGridTable* m_pyMod = nullptr;
    TGridTable* m_distLoad = nullptr;
    TGridTable* m_longDist = nullptr;
    TGridTable* m_surcharge = nullptr;
    TGridTable* m_newSoil = nullptr;
    TGridTable* m_longSoil = nullptr;
    TGridTable* m_pyCurves = nullptr;
    TGridTable* m_meiCurves = nullptr;
};

} // namespace tervane
