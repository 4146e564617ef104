#pragma once
// Reads the words of a project data file one after another into grid-table cells, with messages
// that name the line and the item at which the file went wrong. Shared by the readers of the
// current and the older layouts.

#include "ColumnTypes.h"
#include "Table.h"
#include "WordRead.h"

#include <initializer_list>

namespace tervane {

class TCellReader {
public:
    explicit TCellReader(TWordReader& reader) : m_reader(reader) {}

    int integer() { return m_reader.ReadInteger(); }
    long double number() { return m_reader.ReadNumber(); }

    // A row count: not negative and no larger than the file could hold.
    int count() {
        const int n = m_reader.ReadInteger();
        if (n < 0 || n > m_reader.lineCount())
            throw EInOutError(position() + QChar(13) +
                              QStringLiteral("The count %1 does not fit the file.").arg(n));
        return n;
    }

    // A cell of a choice, integer or float column.
    void cell(const TGridTable& table, int column, int row, long double scale = 1) {
        const TData data = table.Cell(column, row);
        if (dynamic_cast<TFloatColumn*>(data.Column())) {
            data.SetFloat(number() * scale);
            return;
        }
        const int value = integer();
        try {
            data.SetInteger(value);
        } catch (const EAssignError& e) {
            throw EInOutError(position() + QChar(13) + e.message());
        }
    }

    // The cells of one row in the given column order.
    void row(const TGridTable& table, int row, std::initializer_list<int> columns) {
        for (int c : columns)
            cell(table, c, row);
    }

    void rows(const TGridTable& table, std::initializer_list<int> columns) {
        for (int r = 0; r < table.RowCount(); ++r)
            row(table, r, columns);
    }

private:
    QString position() const {
        return QStringLiteral("Error on Line %1 Item %2")
            .arg(m_reader.lineIndex() + 1)
            .arg(m_reader.itemIndex());
    }
    TWordReader& m_reader;
};

} // namespace tervane
