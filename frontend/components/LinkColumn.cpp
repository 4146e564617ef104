// The link column: every row owns an object, normally a sub-table made from the template that the
// row's choice in the table's first column names.

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "ValueStream.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

constexpr double kLinkMinInches = 2.0;
const QString kLinkMarker = QStringLiteral("FLEXCOLUMN2");

TTableKind kindOf(const TGridTable* table) {
    return table ? table->Kind() : TTableKind::Plain;
}

} // namespace

TTableColumn::TTableColumn(TGridTable* table) : TColumn(table), Templates(kindOf(table)) {}

TTableColumn::TTableColumn(TGridTable* table, TValueReader& reader)
    : TColumn(table, reader), Templates(kindOf(table)) {
    if (reader.readString() != kLinkMarker)
        throw EReadError(QStringLiteral("Invalid link column definition"));
    for (int id : reader.readIntegerList())
        Templates.AddByIdentifier(id);
}

TTableColumn::~TTableColumn() {
    m_controls.clear();
    m_objects.clear();
}

void TTableColumn::InsertRows(int at, int count) {
    TColumn::InsertRows(at, count);
    for (int i = 0; i < count; ++i)
        m_objects.insert(m_objects.begin() + at, std::unique_ptr<TRowObject>());
    for (int r = at; r < at + count; ++r)
        RebuildRow(r);
    renumberFrom(at + count);
    if (m_controlParent) AllocateControls(m_controlParent, 0, m_rowCount);
}

void TTableColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    m_objects.erase(m_objects.begin() + row);
    renumberFrom(row);
    if (m_controlParent) {
        if (m_rowCount > 0)
            AllocateControls(m_controlParent, 0, m_rowCount);
        else
            ReleaseControls();
    }
}

void TTableColumn::RebuildRow(int row) {
    checkRow(row);
    int choice = 1;
    if (m_table && m_table->ColumnCount() > 0)
        if (auto* first = dynamic_cast<TEnumColumn*>(m_table->Column(0)))
            choice = first->GetInt(row);
    auto& slot = m_objects[static_cast<size_t>(row)];
    if (const TGridTable* templ = Templates.Template(choice - 1)) {
        slot.reset(); // the old sub-table goes first, with any editor it has open
        slot = TGridTable::CreateFromTemplate(m_table, row + 1, *templ);
    } else if (m_table && m_table->OnInitRow) {
        slot.reset();
        std::unique_ptr<TRowObject> object;
        try {
            m_table->OnInitRow(*m_table, Index(), row, choice, object);
            if (object && m_table->OnSetRow)
                m_table->OnSetRow(*m_table, Index(), object.get(), row);
        } catch (...) {
            object.reset();
            throw;
        }
        slot = std::move(object);
    } else {
        slot.reset();
    }
    refreshCaption(row);
}

void TTableColumn::renumberFrom(int row) {
    for (int r = std::max(0, row); r < m_rowCount; ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->SetRowNumber(r + 1);
        else if (object && m_table && m_table->OnSetRow)
            m_table->OnSetRow(*m_table, Index(), object, r);
        refreshCaption(r);
    }
}

QString TTableColumn::ButtonCaption(int row) const {
    checkRow(row);
    TRowObject* object = m_objects[static_cast<size_t>(row)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object))
        return QStringLiteral("%1: %2").arg(row + 1).arg(sub->Caption());
    QString caption;
    if (m_table && m_table->OnGetButtonCaption)
        m_table->OnGetButtonCaption(*m_table, Index(), row, object, caption);
    return QStringLiteral("%1: %2").arg(row + 1).arg(caption);
}

void TTableColumn::refreshCaption(int row) {
    const int slot = row - m_controlTop;
    if (slot >= 0 && slot < static_cast<int>(m_controls.size()))
        m_controls[static_cast<size_t>(slot)]->setCaption(ButtonCaption(row));
}

void TTableColumn::ButtonClicked(int row) {
    checkRow(row);
    TRowObject* object = m_objects[static_cast<size_t>(row)].get();
    if (auto* sub = dynamic_cast<TGridTable*>(object)) {
        if (m_table && m_table->Editor() && m_table->Editor()->isModal())
            sub->ShowEditorModal();
        else
            sub->ShowEditor();
    } else if (m_table && m_table->OnButtonClick) {
        m_table->OnButtonClick(*m_table, Index(), row, object);
    }
}

TGridTable* TTableColumn::GetTable(int row) const {
    return dynamic_cast<TGridTable*>(GetObject(row));
}

TRowObject* TTableColumn::GetObject(int row) const {
    checkRow(row);
    return m_objects[static_cast<size_t>(row)].get();
}

bool TTableColumn::IsModified() const {
    for (int r = 0; r < m_rowCount; ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) {
            if (sub->IsModified()) return true;
        } else if (object && m_table && m_table->OnGetChanged) {
            bool changed = false;
            m_table->OnGetChanged(*m_table, Index(), r, object, changed);
            if (changed) return true;
        }
    }
    return false;
}

void TTableColumn::CloseEditors() {
    for (int r = 0; r < m_rowCount; ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->CloseEditors();
        else if (object && m_table && m_table->OnHide)
            m_table->OnHide(*m_table, Index(), r, object);
    }
}

void TTableColumn::ResetModified() {
    for (int r = 0; r < m_rowCount; ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->ResetModified();
        else if (object && m_table && m_table->OnResetChanged)
            m_table->OnResetChanged(*m_table, Index(), r, object);
    }
}

int TTableColumn::MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const {
    return std::max(captionWidth(textWidth),
                    static_cast<int>(std::lround(kLinkMinInches * pixelsPerInch)));
}

void TTableColumn::ChangeUnits(int system) {
    for (int r = 0; r < m_rowCount; ++r) {
        TRowObject* object = m_objects[static_cast<size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->ChangeUnits(system);
        else if (object && m_table && m_table->OnSetUnits)
            m_table->OnSetUnits(*m_table, Index(), r, object, system);
    }
}

void TTableColumn::WriteDefinition(TValueWriter& writer) const {
    TColumn::WriteDefinition(writer);
    writer.writeString(kLinkMarker);
    writer.writeIntegerList(Templates.Identifiers());
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable* table) const {
    auto c = std::make_unique<TTableColumn>(table);
    copyCommon(*c);
    // Entries keep naming their templates by identifier: registry positions shift whenever an
    // earlier table is destroyed.
    for (int i = 0; i < Templates.Count(); ++i) {
        const auto& e = Templates.At(i);
        if (e.isIdentifier)
            c->Templates.AddByIdentifier(e.value);
        else
            c->Templates.AddByPosition(e.value);
    }
    return c;
}

void TTableColumn::AllocateControls(TGridEditor* parent, int firstRow, int count) {
    if (!parent) throw EGridError(QStringLiteral("null parent"));
    if (m_controlParent && parent != m_controlParent && !m_controls.empty())
        throw EGridError(
            QStringLiteral("Attempt to change parent with controls already allocated"));
    if (firstRow < 0 || firstRow >= m_rowCount)
        throw EGridError(QStringLiteral("ATopRow %1").arg(firstRow));
    if (count <= 0 || firstRow + count > m_rowCount)
        throw EGridError(QStringLiteral("ACount %1").arg(count));
    m_controls.clear();
    m_controlParent = parent;
    m_controlTop = firstRow;
    const int index = Index();
    for (int r = firstRow; r < firstRow + count; ++r) {
        m_controls.push_back(parent->createButtonControl(index, r));
        m_controls.back()->setCaption(ButtonCaption(r));
    }
}

void TTableColumn::ReleaseControls() {
    m_controls.clear();
    m_controlParent = nullptr;
    m_controlTop = 0;
}

} // namespace tervane
