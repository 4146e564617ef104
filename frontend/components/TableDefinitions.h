#pragma once
// Stored grid-table definitions: a text of objects, each a table's published properties and its
// Col property as a typed-value stream (ValueStream.h):
//
//   object NewSoil: TGridTable
//     Identifier = 19
//     Caption = 'Soil Layers'
//     MinRows = 1
//     MaxRows = 10
//     Col = {
//       3
//       0 ('Soil Type') True False ('Soft Clay' ...)
//       ...
//     }
//   end
//
// The writer produces the text that the reader reads back to the same tables.

#include "Table.h"

#include <QString>
#include <memory>
#include <vector>

namespace tervane {

struct TTableDefinition {
    QString name;
    std::unique_ptr<TGridTable> table;
};

// Creates the tables of a definition text in order. Fails with EReadError: the column messages
// of the Col property ("Error reading column count", "Error occured when creating column %d: %s",
// "Error reading graphic parameters") as they stand, other faults with their line.
std::vector<TTableDefinition> ReadTableDefinitions(const QString& text);

// The definition text of one table.
QString WriteTableDefinition(const QString& name, const TGridTable& table);

} // namespace tervane
