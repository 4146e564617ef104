#include "ColumnTypes.h"

#include "Evaluator.h"
#include "GridErrors.h"
#include "NumberText.h"
#include "Units.h"
#include "ValueStream.h"

#include <algorithm>
#include <cmath>

namespace tervane {

namespace {

// Digits of a float cell's text.
constexpr int kCellDigits = 8;
// An integer entry this close to a whole number is taken as that number.
constexpr long double kIntegerEntryTolerance = 1E-10L;
// Least widths of the column kinds, in inches.
constexpr double kChoiceMinInches = 1.5;
constexpr double kNumberMinInches = 0.5;

const QString kFloatMarker = QStringLiteral("FLOATCOLUMN2");

int inches(double value, int pixelsPerInch) {
    return static_cast<int>(std::lround(value * pixelsPerInch));
}

template <typename Values>
void insertValues(Values& values, int at, int count, const typename Values::value_type& value) {
    values.insert(at, count, value);
}

} // namespace

// ---- common part

TColumn::TColumn(TGridTable* table) : m_table(table) {}

TColumn::TColumn(TGridTable* table, TValueReader& reader) : m_table(table) {
    Captions = reader.readStringList();
    Shown = reader.readBoolean();
    GroupWide = reader.readBoolean();
}

TColumn::~TColumn() = default;

std::unique_ptr<TColumn> TColumn::Create(int key, TGridTable* table, TValueReader& reader) {
    switch (key) {
    case 0:
        return std::make_unique<TEnumColumn>(table, reader);
    case 1:
        return std::make_unique<TIntColumn>(table, reader);
    case 2:
        return std::make_unique<TFloatColumn>(table, reader);
    case 3:
        return std::make_unique<TTableColumn>(table, reader);
    case 4:
        return std::make_unique<TStringColumn>(table, reader);
    default:
        throw EReadError(QStringLiteral("Error Column Class not defined"));
    }
}

int TColumn::Index() const {
    return m_table ? m_table->IndexOf(this) : -1;
}

void TColumn::InsertRows(int at, int count) {
    m_rowCount += count;
    (void)at;
}

void TColumn::DeleteRow(int row) {
    checkRow(row);
    --m_rowCount;
}

QString TColumn::CaptionLine(int i) const {
    return Captions.value(i);
}

void TColumn::wrongType() {
    throw EInvalidCast(kDataOfWrongType);
}
TGridTable* TColumn::GetTable(int) const {
    wrongType();
}
long double TColumn::GetFloat(int) const {
    wrongType();
}
void TColumn::SetFloat(int, long double) {
    wrongType();
}
int TColumn::GetInt(int) const {
    wrongType();
}
void TColumn::SetInt(int, int) {
    wrongType();
}
TRowObject* TColumn::GetObject(int) const {
    wrongType();
}
QString TColumn::GetText(int) const {
    return QString();
}
void TColumn::SetText(int, const QString&) {}

int TColumn::RowGroupSize() const {
    return m_table ? m_table->RowGroup() : 1;
}

int TColumn::captionWidth(const TTextWidth& textWidth) const {
    int width = 0;
    for (int i = 0; i < CaptionLineCount(); ++i)
        width = std::max(width, textWidth(CaptionLine(i) + QStringLiteral("  ")));
    return width;
}

int TColumn::MinWidth(const TTextWidth& textWidth, int) const {
    return captionWidth(textWidth);
}

void TColumn::WriteDefinition(TValueWriter& writer) const {
    writer.writeInteger(TypeKey());
    writer.writeStringList(Captions);
    writer.writeBoolean(Shown);
    writer.writeBoolean(GroupWide);
}

void TColumn::AllocateControls(TGridEditor*, int, int) {}

void TColumn::copyCommon(TColumn& to) const {
    to.Captions = Captions;
    to.Shown = Shown;
    to.GroupWide = GroupWide;
}

void TColumn::checkRow(int row) const {
    if (row < 0 || row >= m_rowCount)
        throw EGridError(QStringLiteral("Row %1 out of range").arg(row));
}

std::pair<int, int> TColumn::storeRange(int row) const {
    checkRow(row);
    if (!GroupWide) return {row, row + 1};
    const int size = RowGroupSize();
    const int first = row - row % size;
    return {first, std::min(first + size, m_rowCount)};
}

void TColumn::valueChanged(int row) {
    if (m_table) m_table->ValueChanged(this, row);
}

// ---- choice column

TEnumColumn::TEnumColumn(TGridTable* table, TValueReader& reader) : TColumn(table, reader) {
    Choices = reader.readStringList();
}

TEnumColumn::~TEnumColumn() = default;

void TEnumColumn::InsertRows(int at, int count) {
    TColumn::InsertRows(at, count);
    insertValues(m_values, at, count, 1);
    if (m_controlParent) AllocateControls(m_controlParent, 0, m_rowCount);
}

void TEnumColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    m_values.remove(row);
    if (m_controlParent) {
        if (m_rowCount > 0)
            AllocateControls(m_controlParent, 0, m_rowCount);
        else
            ReleaseControls();
    }
}

int TEnumColumn::GetInt(int row) const {
    checkRow(row);
    return m_values[row];
}

void TEnumColumn::storeChoice(int row, int value) {
    if (m_values[row] == value) return;
    m_values[row] = value;
    const int slot = row - m_controlTop;
    if (slot >= 0 && slot < static_cast<int>(m_controls.size()))
        m_controls[static_cast<size_t>(slot)]->setSelection(value);
    valueChanged(row);
}

void TEnumColumn::SetInt(int row, int value) {
    // A choice outside the list would leave its row without a template: refused.
    if (value < 1 || value > Choices.size())
        throw EAssignError(QStringLiteral("Choice must be between 1 and %1.").arg(Choices.size()));
    const auto [first, last] = storeRange(row);
    for (int r = first; r < last; ++r)
        storeChoice(r, value);
}

QString TEnumColumn::GetText(int row) const {
    return QString::number(GetInt(row));
}

void TEnumColumn::SetText(int row, const QString& text) {
    const long double value = EvaluateEntry(text);
    if (value != std::floor(value) || value < -2147483648.0L || value > 2147483647.0L)
        throw EAssignError(QStringLiteral("Value must be an integer."));
    SetInt(row, static_cast<int>(std::llround(value)));
}

int TEnumColumn::MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const {
    return std::max(captionWidth(textWidth), inches(kChoiceMinInches, pixelsPerInch));
}

void TEnumColumn::WriteDefinition(TValueWriter& writer) const {
    TColumn::WriteDefinition(writer);
    writer.writeStringList(Choices);
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable* table) const {
    auto c = std::make_unique<TEnumColumn>(table);
    copyCommon(*c);
    c->Choices = Choices;
    return c;
}

void TEnumColumn::AllocateControls(TGridEditor* parent, int firstRow, int count) {
    if (!parent) throw EGridError(QStringLiteral("null parent"));
    if (m_controlParent && parent != m_controlParent && !m_controls.empty())
        throw EGridError(
            QStringLiteral("Error attempt to change parent with controls already allocated"));
    m_controls.clear();
    m_controlParent = parent;
    m_controlTop = std::max(0, firstRow);
    const int last = std::min(m_rowCount, firstRow + count);
    const int index = Index();
    for (int r = m_controlTop; r < last; ++r) {
        m_controls.push_back(parent->createChoiceControl(index, r, Choices));
        m_controls.back()->setSelection(m_values[r]);
    }
}

void TEnumColumn::ReleaseControls() {
    m_controls.clear();
    m_controlParent = nullptr;
    m_controlTop = 0;
}

void TEnumColumn::ControlChanged(int row, int choice) {
    if (row < 0) throw EGridError(QStringLiteral("Unexpected row for combobox"));
    SetInt(row, choice);
}

// ---- integer column

TIntColumn::TIntColumn(TGridTable* table, TValueReader& reader) : TColumn(table, reader) {
    Default = reader.readInteger();
    Minimum = reader.readInteger();
    Maximum = reader.readInteger();
}

void TIntColumn::InsertRows(int at, int count) {
    TColumn::InsertRows(at, count);
    insertValues(m_values, at, count, Default);
}

void TIntColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    m_values.remove(row);
}

int TIntColumn::GetInt(int row) const {
    checkRow(row);
    return m_values[row];
}

void TIntColumn::SetInt(int row, int value) {
    const auto [first, last] = storeRange(row);
    for (int r = first; r < last; ++r) {
        m_values[r] = value;
        valueChanged(r);
    }
}

QString TIntColumn::GetText(int row) const {
    return QString::number(GetInt(row));
}

void TIntColumn::SetText(int row, const QString& text) {
    const long double value = EvaluateEntry(text);
    const long double nearest = std::nearbyint(value);
    if (m_table && m_table->EditorOpen() && std::fabs(value - nearest) > kIntegerEntryTolerance)
        throw EAssignError(QStringLiteral("Entry must be an integer."));
    // The bounds are checked also without an editor, so that rounding stays within 32 bits.
    if (value < Minimum || value > Maximum)
        throw EAssignError(
            QStringLiteral("Entry must be between %1 and %2.").arg(Minimum).arg(Maximum));
    SetInt(row, static_cast<int>(std::llround(value)));
}

int TIntColumn::MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const {
    return std::max(captionWidth(textWidth), inches(kNumberMinInches, pixelsPerInch));
}

void TIntColumn::WriteDefinition(TValueWriter& writer) const {
    TColumn::WriteDefinition(writer);
    writer.writeInteger(Default);
    writer.writeInteger(Minimum);
    writer.writeInteger(Maximum);
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable* table) const {
    auto c = std::make_unique<TIntColumn>(table);
    copyCommon(*c);
    c->Default = Default;
    c->Minimum = Minimum;
    c->Maximum = Maximum;
    return c;
}

// ---- float column

TFloatColumn::TFloatColumn(TGridTable* table, TValueReader& reader) : TColumn(table, reader) {
    TopDepth = reader.readBoolean();
    if (reader.readString() != kFloatMarker)
        throw EReadError(QStringLiteral("Invalid float column definition"));
    UnitString = reader.readString();
    Default = reader.readExtended();
}

TFloatColumn* TFloatColumn::neighbour(int offset) const {
    if (!m_table) return nullptr;
    const int i = Index() + offset;
    if (i < 0 || i >= m_table->ColumnCount()) return nullptr;
    return dynamic_cast<TFloatColumn*>(m_table->Column(i));
}

void TFloatColumn::InsertRows(int at, int count) {
    TFloatColumn* next = neighbour(+1);
    TFloatColumn* prev = neighbour(-1);
    if (TopDepth && !next)
        throw EGridError(
            QStringLiteral("If column if a topdepth then the next column must be a float column"));
    // A new layer starts where the one above ends (top-depth column, the following column not yet
    // extended), or ends where the one below starts (the column after a top-depth column, whose
    // top-depth neighbour already holds the new rows).
    long double value = Default;
    if (TopDepth) {
        if (at >= 1 && at - 1 < next->RowCount()) value = next->m_values[at - 1];
    } else if (prev && prev->TopDepth) {
        if (at + count < prev->RowCount()) value = prev->m_values[at + count];
    }
    TColumn::InsertRows(at, count);
    insertValues(m_values, at, count, value);
}

void TFloatColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    m_values.remove(row);
}

QString TFloatColumn::CaptionLine(int i) const {
    QString line = TColumn::CaptionLine(i);
    if (i == CaptionLineCount() - 1 && !UnitString.isEmpty())
        line = QStringLiteral("%1 (%2)  ")
                   .arg(line, UnitsLabel(UnitString, m_table ? m_table->Units() : 1, true));
    return line;
}

long double TFloatColumn::GetFloat(int row) const {
    checkRow(row);
    return m_values[row];
}

void TFloatColumn::SetFloat(int row, long double value) {
    const auto [first, last] = storeRange(row);
    TFloatColumn* next = TopDepth ? neighbour(+1) : nullptr;
    TFloatColumn* prev = neighbour(-1);
    if (prev && !prev->TopDepth) prev = nullptr;
    for (int r = first; r < last; ++r) {
        m_values[r] = value;
        if (next && r >= 1 && r - 1 < next->RowCount()) {
            // The bottom of the layer above follows the top of this one.
            next->m_values[r - 1] = value;
            next->valueChanged(r - 1);
        } else if (prev && r + 1 < prev->RowCount()) {
            // The top of the layer below follows the bottom of this one.
            prev->m_values[r + 1] = value;
            prev->valueChanged(r + 1);
        }
        valueChanged(r);
    }
}

QString TFloatColumn::GetText(int row) const {
    return FormatGeneral(static_cast<double>(GetFloat(row)), kCellDigits);
}

void TFloatColumn::SetText(int row, const QString& text) {
    SetFloat(row, EvaluateEntry(text));
}

int TFloatColumn::MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const {
    return std::max(captionWidth(textWidth), inches(kNumberMinInches, pixelsPerInch));
}

void TFloatColumn::ChangeUnits(int system) {
    const long double factor = UnitsFactor(m_table ? m_table->Units() : 1, system, UnitString);
    for (int r = 0; r < m_rowCount; ++r) {
        m_values[r] *= factor;
        valueChanged(r);
    }
}

void TFloatColumn::WriteDefinition(TValueWriter& writer) const {
    TColumn::WriteDefinition(writer);
    writer.writeBoolean(TopDepth);
    writer.writeString(kFloatMarker);
    writer.writeString(UnitString);
    writer.writeExtended(Default);
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable* table) const {
    auto c = std::make_unique<TFloatColumn>(table);
    copyCommon(*c);
    c->TopDepth = TopDepth;
    c->UnitString = UnitString;
    c->Default = Default;
    return c;
}

// ---- string column

TStringColumn::TStringColumn(TGridTable* table, TValueReader& reader) : TColumn(table, reader) {
    Default = reader.readString();
    Width = reader.readExtended();
}

void TStringColumn::InsertRows(int at, int count) {
    TColumn::InsertRows(at, count);
    for (int i = 0; i < count; ++i)
        m_values.insert(at, Default);
}

void TStringColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    m_values.remove(row);
}

QString TStringColumn::GetText(int row) const {
    checkRow(row);
    return m_values[row];
}

void TStringColumn::SetText(int row, const QString& text) {
    const auto [first, last] = storeRange(row);
    for (int r = first; r < last; ++r) {
        m_values[r] = text;
        valueChanged(r);
    }
}

int TStringColumn::MinWidth(const TTextWidth& textWidth, int pixelsPerInch) const {
    return std::max(captionWidth(textWidth), inches(static_cast<double>(Width), pixelsPerInch));
}

void TStringColumn::WriteDefinition(TValueWriter& writer) const {
    TColumn::WriteDefinition(writer);
    writer.writeString(Default);
    writer.writeExtended(Width);
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable* table) const {
    auto c = std::make_unique<TStringColumn>(table);
    copyCommon(*c);
    c->Default = Default;
    c->Width = Width;
    return c;
}

} // namespace tervane
