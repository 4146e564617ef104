#include "ProjectTables.h"

#include "GridErrors.h"

#include <QFile>

static void initGridTableResources() {
    Q_INIT_RESOURCE(GridTables);
}

namespace tervane {

QString TProjectTables::ResourceText() {
    initGridTableResources();
    QFile file(QStringLiteral(":/tables/GridTables.txt"));
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("The grid-table definitions are missing"));
    return QString::fromUtf8(file.readAll());
}

TProjectTables::TProjectTables() : TProjectTables(ResourceText()) {}

TProjectTables::TProjectTables(const QString& definitions)
    : m_tables(ReadTableDefinitions(definitions)) {
    bind();
}

void TProjectTables::bind() {
    m_soillayer = &Table(QStringLiteral("Soillayer"));
    m_pileSect = &Table(QStringLiteral("PileSect"));
    m_soilStrength = &Table(QStringLiteral("SoilStrength"));
    m_boundCond = &Table(QStringLiteral("BoundCond"));
    m_tiebacks = &Table(QStringLiteral("TiebackTable1"));
    m_pyMod = &Table(QStringLiteral("PYMod"));
    m_distLoad = &Table(QStringLiteral("DistLoad"));
    m_longDist = &Table(QStringLiteral("LongDist"));
    m_surcharge = &Table(QStringLiteral("SurchargeTable"));
    m_newSoil = &Table(QStringLiteral("NewSoil"));
    m_longSoil = &Table(QStringLiteral("LongSoil"));
    m_pyCurves = &Table(QStringLiteral("PYCurves2"));
    m_meiCurves = &Table(QStringLiteral("MEICurves2"));
}

TGridTable& TProjectTables::Table(const QString& name) const {
    for (const auto& def : m_tables)
        if (def.name == name) return *def.table;
    throw EGridError(QStringLiteral("No grid table %1").arg(name));
}

void TProjectTables::ChangeUnits(int system) {
    for (auto& def : m_tables)
        def.table->ChangeUnits(system);
}

void TProjectTables::Reset() {
    for (auto& def : m_tables)
        def.table->SetRowCount(0);
    for (auto& def : m_tables)
        def.table->SetRowCount(def.table->MinRows());
}

void TProjectTables::FillMinimumRows() {
    for (auto& def : m_tables)
        if (def.table->RowCount() < def.table->MinRows())
            def.table->SetRowCount(def.table->MinRows());
}

bool TProjectTables::IsModified() const {
    for (const auto& def : m_tables)
        if (def.table->IsModified()) return true;
    return false;
}

void TProjectTables::ResetModified() {
    for (auto& def : m_tables)
        def.table->ResetModified();
}

void TProjectTables::CloseEditors() {
    for (auto& def : m_tables)
        def.table->CloseEditors();
}

} // namespace tervane
