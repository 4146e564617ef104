#pragma once
// The column kinds of a grid table: choice (key 0), integer (1), float (2), link (3) and
// string (4). A column holds one value per row of its table; its definition is stored in the
// table's Col property (Table.h) and read back by the constructor taking a reader.

#include "Table.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace tervane {

class TValueReader;
class TValueWriter;

// Measures a text in the editor's font, in pixels.
using TTextWidth = std::function<int(const QString&)>;

class TColumn {
public:
    explicit TColumn(TGridTable* table);
    TColumn(TGridTable* table, TValueReader& reader); // reads the common part
    virtual ~TColumn();
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    // Type key under which the class is registered.
    virtual int TypeKey() const = 0;
    // Constructs a column of the class registered under `key` from a stored definition; fails
    // with "Error Column Class not defined" for an unknown key.
    static std::unique_ptr<TColumn> Create(int key, TGridTable* table, TValueReader& reader);

    TGridTable* Table() const { return m_table; }
    void Attach(TGridTable* table) { m_table = table; }
    int Index() const;

    QStringList Captions;
    bool Shown = true;
    bool GroupWide = false;

    int RowCount() const { return m_rowCount; }
    virtual void InsertRows(int at, int count);
    virtual void DeleteRow(int row);
    int CaptionLineCount() const { return static_cast<int>(Captions.size()); }
    virtual QString CaptionLine(int i) const;
    virtual TGridTable* GetTable(int row) const;
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual int GetInt(int row) const;
    virtual void SetInt(int row, int value);
    virtual TRowObject* GetObject(int row) const;
    virtual QString GetText(int row) const;
    virtual void SetText(int row, const QString& text);
    virtual bool IsModified() const { return false; }
    int RowGroupSize() const;
    virtual void CloseEditors() {}
    virtual void ResetModified() {}
    // Least width of the column in the editor.
    virtual int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const;
    virtual void ChangeUnits(int system) { (void)system; }
    virtual void WriteDefinition(TValueWriter& writer) const;
    virtual bool UsesControls() const { return false; }
    virtual std::unique_ptr<TColumn> Clone(TGridTable* table) const = 0;
    virtual void AllocateControls(TGridEditor* parent, int firstRow, int count);
    virtual void ReleaseControls() {}

protected:
    void copyCommon(TColumn& to) const;
    int captionWidth(const TTextWidth& textWidth) const;
    void checkRow(int row) const;
    // First row of the row group holding `row`, and the rows a store reaches.
    std::pair<int, int> storeRange(int row) const;
    void valueChanged(int row);
    [[noreturn]] static void wrongType();

    TGridTable* m_table;
    int m_rowCount = 0;
};

class TEnumColumn : public TColumn {
public:
    explicit TEnumColumn(TGridTable* table) : TColumn(table) {}
    TEnumColumn(TGridTable* table, TValueReader& reader);
    ~TEnumColumn() override;
    int TypeKey() const override { return 0; }
    QStringList Choices;

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    int GetInt(int row) const override;
    void SetInt(int row, int value) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const override;
    void WriteDefinition(TValueWriter& writer) const override;
    bool UsesControls() const override { return true; }
    std::unique_ptr<TColumn> Clone(TGridTable* table) const override;
    void AllocateControls(TGridEditor* parent, int firstRow, int count) override;
    void ReleaseControls() override;
    // The editor's combo box of `row` selected the 1-based `choice`.
    void ControlChanged(int row, int choice);

private:
    void storeChoice(int row, int value);
    QVector<int> m_values;
    TGridEditor* m_controlParent = nullptr;
    int m_controlTop = 0;
    std::vector<std::unique_ptr<TCellControl>> m_controls;
};

class TIntColumn : public TColumn {
public:
    explicit TIntColumn(TGridTable* table) : TColumn(table) {}
    TIntColumn(TGridTable* table, TValueReader& reader);
    int TypeKey() const override { return 1; }
    int Default = 0;
    int Minimum = -2147483647 - 1;
    int Maximum = 2147483647;

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    int GetInt(int row) const override;
    void SetInt(int row, int value) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const override;
    void WriteDefinition(TValueWriter& writer) const override;
    std::unique_ptr<TColumn> Clone(TGridTable* table) const override;

private:
    QVector<int> m_values;
};

class TFloatColumn : public TColumn {
public:
    explicit TFloatColumn(TGridTable* table) : TColumn(table) {}
    TFloatColumn(TGridTable* table, TValueReader& reader);
    int TypeKey() const override { return 2; }
    bool TopDepth = false;
    QString UnitString;
    long double Default = 0;

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    QString CaptionLine(int i) const override;
    long double GetFloat(int row) const override;
    void SetFloat(int row, long double value) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const override;
    void ChangeUnits(int system) override;
    void WriteDefinition(TValueWriter& writer) const override;
    std::unique_ptr<TColumn> Clone(TGridTable* table) const override;

private:
    TFloatColumn* neighbour(int offset) const;
    QVector<long double> m_values;
};

class TTableColumn : public TColumn {
public:
    explicit TTableColumn(TGridTable* table);
    TTableColumn(TGridTable* table, TValueReader& reader);
    ~TTableColumn() override;
    int TypeKey() const override { return 3; }
    TGridTableList Templates;

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    TGridTable* GetTable(int row) const override;
    TRowObject* GetObject(int row) const override;
    bool IsModified() const override;
    void CloseEditors() override;
    void ResetModified() override;
    int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const override;
    void ChangeUnits(int system) override;
    void WriteDefinition(TValueWriter& writer) const override;
    bool UsesControls() const override { return true; }
    std::unique_ptr<TColumn> Clone(TGridTable* table) const override;
    void AllocateControls(TGridEditor* parent, int firstRow, int count) override;
    void ReleaseControls() override;

    // Makes the object of `row` afresh from the template of the row's choice.
    void RebuildRow(int row);
    // The editor's button of `row` was clicked: opens the row's sub-table editor.
    void ButtonClicked(int row);
    QString ButtonCaption(int row) const;

private:
    void renumberFrom(int row);
    void refreshCaption(int row);
    std::vector<std::unique_ptr<TRowObject>> m_objects;
    TGridEditor* m_controlParent = nullptr;
    int m_controlTop = 0;
    std::vector<std::unique_ptr<TCellControl>> m_controls;
};

class TStringColumn : public TColumn {
public:
    explicit TStringColumn(TGridTable* table) : TColumn(table) {}
    TStringColumn(TGridTable* table, TValueReader& reader);
    int TypeKey() const override { return 4; }
    QString Default;
    long double Width = 0; // inches

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    QString GetText(int row) const override;
    void SetText(int row, const QString& text) override;
    int MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const override;
    void WriteDefinition(TValueWriter& writer) const override;
    std::unique_ptr<TColumn> Clone(TGridTable* table) const override;

private:
    QStringList m_values;
};

} // namespace tervane
