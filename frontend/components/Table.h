#pragma once
// Grid tables: non-visual tables with typed columns and rows, found by their Identifier. A table
// holds its values in the display units of its unit system; its editor window attaches through
// TGridEditor (ColumnControls.h). Two kinds share this model: the plain TGridTable and the chart
// table TGridTableChart (TableChart.h); each kind has its own registry and identifier counter.

#include "ColumnControls.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace tervane {

class TColumn;
class TGridTable;
class TValueReader;
class TValueWriter;

enum class TTableKind { Plain = 0, Chart = 1 };

// Anything a link column's row may hold: a sub-table or an object made by OnInitRow.
class TRowObject {
public:
    virtual ~TRowObject() = default;
};

// Cell handle: a column and a row. The project reader and writer reach cells through it.
class TData {
public:
    TData(TColumn* column, int row) : m_column(column), m_row(row) {}
    TColumn* Column() const { return m_column; }
    int Row() const { return m_row; }
    TGridTable* AsTable() const;
    long double AsFloat() const;
    int AsInteger() const;
    QString AsText() const;
    void SetFloat(long double value) const;
    void SetInteger(int value) const;
    void SetText(const QString& text) const;

private:
    TColumn* m_column;
    int m_row;
};
using TDataChart = TData;

// The templates of a link column: one entry per choice of the table's first column, each naming a
// template table by identifier, by registry position, or none (-1).
class TGridTableList {
public:
    explicit TGridTableList(TTableKind kind) : m_kind(kind) {}
    struct Entry {
        int value = -1;
        bool isIdentifier = true;
    };
    void AddByIdentifier(int identifier) { m_entries.push_back({identifier, true}); }
    void AddByPosition(int position) { m_entries.push_back({position, false}); }
    int Count() const { return static_cast<int>(m_entries.size()); }
    const Entry& At(int i) const { return m_entries[static_cast<size_t>(i)]; }
    // Brings the list to n entries, adding entries that name no table or dropping from the end.
    void Resize(int n);
    // The template of entry i, or none.
    TGridTable* Template(int i) const;
    // The identifiers of the entries' tables as stored in a definition (-1 for none).
    QVector<int> Identifiers() const;

private:
    TTableKind m_kind;
    std::vector<Entry> m_entries;
};
using TGridTableListChart = TGridTableList;

// Events of a table whose link columns hold objects other than grid tables.
using TLinkObjectEvent =
    std::function<void(TGridTable& sender, int col, int row, TRowObject* data)>;
using TGetButtonCaptionEvent =
    std::function<void(TGridTable& sender, int col, int row, TRowObject* data, QString& caption)>;
using TGetChangedEvent =
    std::function<void(TGridTable& sender, int col, int row, TRowObject* data, bool& changed)>;
using TInitRowEvent = std::function<void(TGridTable& sender, int col, int row, int enumType,
                                         std::unique_ptr<TRowObject>& data)>;
using TSetRowEvent = std::function<void(TGridTable& sender, int col, TRowObject* data, int row)>;
using TSetUnitsEvent =
    std::function<void(TGridTable& sender, int col, int row, TRowObject* data, int units)>;
using TNotifyEvent = std::function<void(TGridTable& sender)>;

class TGridTable : public TRowObject {
public:
    // A top-level table (owner none, unit system 1) or a sub-table of `owner` (its unit system).
    explicit TGridTable(TGridTable* owner = nullptr);
    ~TGridTable() override;
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    virtual TTableKind Kind() const { return TTableKind::Plain; }

    // Registry of a kind, in creation order; lookup returns the first table holding the id.
    static const std::vector<TGridTable*>& Registry(TTableKind kind);
    static TGridTable* FindByIdentifier(TTableKind kind, int identifier);

    // Published properties.
    int Identifier() const { return m_identifier; }
    void SetIdentifier(int value);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& value) { m_caption = value; }
    const QString& Comments() const { return m_comments; }
    void SetComments(const QString& value) { m_comments = value; }
    int MinRows() const { return m_minRows; }
    void SetMinRows(int value);
    int MaxRows() const { return m_maxRows; }
    void SetMaxRows(int value) { m_maxRows = value; }
    int RowGroup() const { return m_rowGroup; }
    void SetRowGroup(int value) { m_rowGroup = value < 1 ? 1 : value; }
    const QString& TopLeft() const { return m_topLeft; }
    void SetTopLeft(const QString& value) { m_topLeft = value; }
    const QByteArray& HelpPicture() const { return m_helpPicture; }
    void SetHelpPicture(const QByteArray& picture);
    bool HardwiredButton() const { return m_hardwiredButton; }
    void SetHardwiredButton(bool value) { m_hardwiredButton = value; }

    TNotifyEvent OnResize;
    TLinkObjectEvent OnButtonClick;
    TGetButtonCaptionEvent OnGetButtonCaption;
    TGetChangedEvent OnGetChanged;
    TLinkObjectEvent OnHide;
    TInitRowEvent OnInitRow;
    TLinkObjectEvent OnResetChanged;
    TSetRowEvent OnSetRow;
    TSetUnitsEvent OnSetUnits;

    // Columns.
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    TColumn* Column(int i) const { return m_columns[static_cast<size_t>(i)].get(); }
    int IndexOf(const TColumn* column) const;
    void AddColumn(std::unique_ptr<TColumn> column); // attaches it
    int ShownColumnCount() const;
    TColumn* ShownColumn(int i) const; // "Index out of bounds" outside 0..count-1
    int ShownIndex(const TColumn* column) const;
    int HeaderRowCount() const;
    TData Cell(int column, int row) const { return TData(Column(column), row); }

    // Rows.
    int RowCount() const { return m_rowCount; }
    void SetRowCount(int n);
    void AppendRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);

    // Units and modified state.
    int Units() const { return m_units; }
    void ChangeUnits(int system);
    bool IsModified() const;
    void ResetModified();
    void SetModified(bool value);

    // Sub-tables.
    TGridTable* Owner() const { return m_owner; }
    int RowNumber() const { return m_rowNumber; }
    void SetRowNumber(int n);
    QString TitlePath() const;
    QString EditorTitle() const { return m_caption + u' ' + TitlePath(); }
    static std::unique_ptr<TGridTable> CreateFromTemplate(TGridTable* owner, int rowNumber,
                                                          const TGridTable& templ);

    // Editor seam.
    static void SetEditorFactory(TGridEditorFactory factory);
    void ShowEditor();
    void ShowEditorModal();
    void CloseEditors();
    TGridEditor* Editor() const { return m_editor; }
    bool EditorOpen() const { return m_editor != nullptr; }
    void AttachEditor(TGridEditor* editor, TTableChangedEvent tableChanged,
                      TCellChangedEvent cellChanged);
    void DetachEditor();

    // Stored definition: the Col property (and, for chart tables, the chart settings after it).
    void ReadColumns(TValueReader& reader);
    void WriteColumns(TValueWriter& writer) const;
    // True while the table is being loaded from its stored definition.
    void SetLoading(bool loading) { m_loading = loading; }

    // Links from the columns.
    void ValueChanged(TColumn* column, int row);
    void TableChanged();

protected:
    // A new empty table of this kind, owned by `owner`.
    virtual std::unique_ptr<TGridTable> NewTable(TGridTable* owner) const;
    virtual void CopyKindProperties(const TGridTable& templ) { (void)templ; }
    virtual void ReadKindSettings(TValueReader& reader) { (void)reader; }
    virtual void WriteKindSettings(TValueWriter& writer) const { (void)writer; }
    // The constructor of a kind: registers the table in that kind's registry.
    TGridTable(TGridTable* owner, TTableKind kind);

private:
    void showEditorAs(bool modal);
    void fitTemplateLists();

    TGridTable* m_owner;
    TTableKind m_registeredKind = TTableKind::Plain;
    int m_identifier = 0;
    QString m_caption;
    QString m_comments;
    int m_minRows = 1;
    int m_maxRows = 0;
    int m_rowGroup = 1;
    QString m_topLeft;
    QByteArray m_helpPicture;
    bool m_hardwiredButton = false;

    std::vector<std::unique_ptr<TColumn>> m_columns;
    int m_rowCount = 0;
    int m_units = 1;
    int m_rowNumber = 0;
    bool m_modified = false;
    bool m_loading = false;

    std::unique_ptr<TGridEditor> m_ownedEditor;
    TGridEditor* m_editor = nullptr;
    TTableChangedEvent m_tableChanged;
    TCellChangedEvent m_cellChanged;
};

} // namespace tervane
