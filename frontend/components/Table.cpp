#include "Table.h"

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "ValueStream.h"

#include <algorithm>
#include <array>

namespace tervane {

namespace {

struct KindRegistry {
    std::vector<TGridTable*> tables;
    int counter = 0;
};

KindRegistry& registryOf(TTableKind kind) {
    static std::array<KindRegistry, 2> registries;
    return registries[static_cast<size_t>(kind)];
}

TGridEditorFactory& editorFactory() {
    static TGridEditorFactory factory;
    return factory;
}

} // namespace

// ---- cell handle

TGridTable* TData::AsTable() const {
    return m_column->GetTable(m_row);
}
long double TData::AsFloat() const {
    return m_column->GetFloat(m_row);
}
int TData::AsInteger() const {
    return m_column->GetInt(m_row);
}
QString TData::AsText() const {
    return m_column->GetText(m_row);
}
void TData::SetFloat(long double value) const {
    m_column->SetFloat(m_row, value);
}
void TData::SetInteger(int value) const {
    m_column->SetInt(m_row, value);
}
void TData::SetText(const QString& text) const {
    m_column->SetText(m_row, text);
}

// ---- template list

void TGridTableList::Resize(int n) {
    if (n < 0) n = 0;
    while (Count() > n)
        m_entries.pop_back();
    while (Count() < n)
        m_entries.push_back({-1, true});
}

TGridTable* TGridTableList::Template(int i) const {
    if (i < 0 || i >= Count()) return nullptr;
    const Entry& e = m_entries[static_cast<size_t>(i)];
    if (e.value < 0) return nullptr;
    if (!e.isIdentifier) {
        const auto& tables = TGridTable::Registry(m_kind);
        return e.value < static_cast<int>(tables.size()) ? tables[static_cast<size_t>(e.value)]
                                                         : nullptr;
    }
    return TGridTable::FindByIdentifier(m_kind, e.value);
}

QVector<int> TGridTableList::Identifiers() const {
    QVector<int> out;
    for (int i = 0; i < Count(); ++i) {
        const Entry& e = m_entries[static_cast<size_t>(i)];
        if (e.isIdentifier || e.value < 0) {
            out << e.value;
        } else {
            const TGridTable* t = Template(i);
            out << (t ? t->Identifier() : -1);
        }
    }
    return out;
}

// ---- registry

const std::vector<TGridTable*>& TGridTable::Registry(TTableKind kind) {
    return registryOf(kind).tables;
}

TGridTable* TGridTable::FindByIdentifier(TTableKind kind, int identifier) {
    for (TGridTable* t : registryOf(kind).tables)
        if (t->m_identifier == identifier) return t;
    return nullptr;
}

TGridTable::TGridTable(TGridTable* owner) : TGridTable(owner, TTableKind::Plain) {}

TGridTable::TGridTable(TGridTable* owner, TTableKind kind)
    : m_owner(owner), m_registeredKind(kind) {
    KindRegistry& reg = registryOf(kind);
    m_identifier = reg.counter++;
    reg.tables.push_back(this);
    if (owner) m_units = owner->m_units;
}

TGridTable::~TGridTable() {
    CloseEditors();
    m_columns.clear(); // frees the sub-tables of link columns, recursively
    auto& tables = registryOf(m_registeredKind).tables;
    tables.erase(std::remove(tables.begin(), tables.end(), this), tables.end());
}

void TGridTable::SetIdentifier(int value) {
    if (value < 0) return;
    for (TGridTable* t : registryOf(m_registeredKind).tables)
        if (t != this && t->m_identifier == value) t->m_identifier = m_identifier;
    m_identifier = value;
}

void TGridTable::SetMinRows(int value) {
    if (value <= 0) {
        if (!m_loading) throw EGridError(QStringLiteral("Value must be greater than 0"));
        value = 1;
    }
    m_minRows = value;
}

void TGridTable::SetHelpPicture(const QByteArray& picture) {
    m_helpPicture = picture;
    if (m_editor) m_editor->helpPictureChanged();
}

// ---- columns

int TGridTable::IndexOf(const TColumn* column) const {
    for (int i = 0; i < ColumnCount(); ++i)
        if (Column(i) == column) return i;
    return -1;
}

void TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    column->Attach(this);
    TColumn* c = column.get();
    m_columns.push_back(std::move(column));
    // Bring the new column to the table's rows, a row group at a time.
    while (c->RowCount() < m_rowCount)
        c->InsertRows(c->RowCount(), std::min(m_rowGroup, m_rowCount - c->RowCount()));
    if (m_editor && c->UsesControls() && m_rowCount > 0)
        c->AllocateControls(m_editor, 0, m_rowCount);
}

int TGridTable::ShownColumnCount() const {
    return static_cast<int>(
        std::count_if(m_columns.begin(), m_columns.end(), [](const auto& c) { return c->Shown; }));
}

TColumn* TGridTable::ShownColumn(int i) const {
    int n = 0;
    for (const auto& c : m_columns) {
        if (!c->Shown) continue;
        if (n == i) return c.get();
        ++n;
    }
    throw EGridError(QStringLiteral("Index out of bounds"));
}

int TGridTable::ShownIndex(const TColumn* column) const {
    int n = 0;
    for (const auto& c : m_columns) {
        if (c.get() == column) return c->Shown ? n : -1;
        if (c->Shown) ++n;
    }
    return -1;
}

int TGridTable::HeaderRowCount() const {
    int n = 0;
    for (const auto& c : m_columns)
        if (c->Shown) n = std::max(n, c->CaptionLineCount());
    return n;
}

// ---- rows

void TGridTable::SetRowCount(int n) {
    if (n < 0) n = 0;
    while (m_rowCount > n) {
        --m_rowCount;
        for (const auto& c : m_columns)
            c->DeleteRow(m_rowCount);
    }
    while (m_rowCount < n) {
        const int count = std::min(m_rowGroup, n - m_rowCount);
        const int at = m_rowCount;
        m_rowCount += count;
        for (const auto& c : m_columns)
            c->InsertRows(at, count);
    }
}

void TGridTable::AppendRowGroup() {
    const int at = m_rowCount;
    m_rowCount += m_rowGroup;
    for (const auto& c : m_columns)
        c->InsertRows(at, m_rowGroup);
    TableChanged();
}

void TGridTable::InsertRowGroup(int row) {
    if (row < 0) row = 0;
    if (row > m_rowCount) row = m_rowCount;
    const int at = row - row % m_rowGroup;
    m_rowCount += m_rowGroup;
    for (const auto& c : m_columns)
        c->InsertRows(at, m_rowGroup);
    TableChanged();
}

void TGridTable::DeleteRowGroup(int row) {
    if (row < 0 || row >= m_rowCount) return;
    const int first = row - row % m_rowGroup;
    const int count = std::min(m_rowGroup, m_rowCount - first);
    m_rowCount -= count;
    for (int i = 0; i < count; ++i)
        for (const auto& c : m_columns)
            c->DeleteRow(first);
    TableChanged();
}

// ---- units and modified state

void TGridTable::ChangeUnits(int system) {
    if (system == m_units) return;
    for (const auto& c : m_columns)
        c->ChangeUnits(system);
    m_units = system;
    TableChanged();
}

bool TGridTable::IsModified() const {
    if (m_modified) return true;
    return std::any_of(m_columns.begin(), m_columns.end(),
                       [](const auto& c) { return c->IsModified(); });
}

void TGridTable::ResetModified() {
    m_modified = false;
    for (const auto& c : m_columns)
        c->ResetModified();
}

void TGridTable::SetModified(bool value) {
    if (value)
        m_modified = true;
    else
        ResetModified();
}

// ---- sub-tables

void TGridTable::SetRowNumber(int n) {
    m_rowNumber = n;
    if (m_editor) m_editor->setTitle(EditorTitle());
}

QString TGridTable::TitlePath() const {
    if (!m_owner) return QString();
    return m_owner->TitlePath() + u' ' + QString::number(m_rowNumber);
}

std::unique_ptr<TGridTable> TGridTable::NewTable(TGridTable* owner) const {
    return std::make_unique<TGridTable>(owner);
}

std::unique_ptr<TGridTable> TGridTable::CreateFromTemplate(TGridTable* owner, int rowNumber,
                                                           const TGridTable& templ) {
    std::unique_ptr<TGridTable> table = templ.NewTable(owner);
    table->m_caption = templ.m_caption;
    table->m_comments = templ.m_comments;
    table->m_topLeft = templ.m_topLeft;
    table->m_helpPicture = templ.m_helpPicture;
    table->SetRowCount(0);
    table->m_minRows = templ.m_minRows;
    table->m_maxRows = templ.m_maxRows;
    table->CopyKindProperties(templ);
    for (const auto& c : templ.m_columns)
        table->AddColumn(c->Clone(table.get()));
    table->SetRowNumber(rowNumber);
    table->SetRowCount(table->m_minRows);
    table->TableChanged();
    return table;
}

// ---- editor seam

void TGridTable::SetEditorFactory(TGridEditorFactory factory) {
    editorFactory() = std::move(factory);
}

void TGridTable::showEditorAs(bool modal) {
    if (ShownColumnCount() == 0 || m_ownedEditor || !editorFactory()) return;
    // The editor attaches itself (AttachEditor) while it is being built.
    m_ownedEditor = editorFactory()(*this, modal);
}

void TGridTable::ShowEditor() {
    showEditorAs(false);
}
void TGridTable::ShowEditorModal() {
    showEditorAs(true);
}

void TGridTable::CloseEditors() {
    if (m_editor) DetachEditor();
    m_ownedEditor.reset();
    for (const auto& c : m_columns)
        c->CloseEditors();
}

void TGridTable::AttachEditor(TGridEditor* editor, TTableChangedEvent tableChanged,
                              TCellChangedEvent cellChanged) {
    if (m_editor) DetachEditor();
    m_editor = editor;
    m_tableChanged = std::move(tableChanged);
    m_cellChanged = std::move(cellChanged);
    if (!editor || m_rowCount == 0) return;
    for (const auto& c : m_columns)
        if (c->UsesControls()) c->AllocateControls(editor, 0, m_rowCount);
}

void TGridTable::DetachEditor() {
    for (const auto& c : m_columns)
        if (c->UsesControls()) c->ReleaseControls();
    m_editor = nullptr;
    m_tableChanged = nullptr;
    m_cellChanged = nullptr;
}

// ---- links from the columns

void TGridTable::ValueChanged(TColumn* column, int row) {
    const int index = IndexOf(column);
    if (index == 0 && dynamic_cast<TEnumColumn*>(column)) {
        for (const auto& c : m_columns) {
            if (auto* link = dynamic_cast<TTableColumn*>(c.get())) {
                link->RebuildRow(row);
                break;
            }
        }
    }
    if (m_cellChanged) m_cellChanged(index, row);
}

void TGridTable::TableChanged() {
    if (m_tableChanged) m_tableChanged();
}

// ---- stored definition

void TGridTable::fitTemplateLists() {
    int entries = 1;
    if (!m_columns.empty())
        if (auto* choice = dynamic_cast<TEnumColumn*>(m_columns.front().get()))
            entries = static_cast<int>(choice->Choices.size());
    for (const auto& c : m_columns)
        if (auto* link = dynamic_cast<TTableColumn*>(c.get())) link->Templates.Resize(entries);
}

void TGridTable::ReadColumns(TValueReader& reader) {
    for (const auto& c : m_columns)
        if (c->UsesControls()) c->ReleaseControls();
    m_columns.clear();
    int count = 0;
    try {
        count = reader.readInteger();
    } catch (const EFrontendError&) {
        throw EReadError(QStringLiteral("Error reading column count"));
    }
    for (int i = 0; i < count; ++i) {
        try {
            const int key = reader.readInteger();
            AddColumn(TColumn::Create(key, this, reader));
        } catch (const EFrontendError& e) {
            throw EReadError(QStringLiteral("Error occured when creating column %1: %2")
                                 .arg(i)
                                 .arg(e.message()));
        }
        fitTemplateLists();
    }
    try {
        ReadKindSettings(reader);
    } catch (const EFrontendError&) {
        throw EReadError(QStringLiteral("Error reading graphic parameters"));
    }
    TableChanged();
}

void TGridTable::WriteColumns(TValueWriter& writer) const {
    writer.writeInteger(ColumnCount());
    for (const auto& c : m_columns) {
        writer.newLine(4);
        c->WriteDefinition(writer);
    }
    WriteKindSettings(writer);
}

} // namespace tervane
