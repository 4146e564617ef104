#pragma once
// Column classes of chart tables. They behave as the plain table's columns; a link column of a
// chart table makes chart sub-tables from chart templates, because it follows its table's kind.

#include "ColumnTypes.h"

namespace tervane {

using TColumnChart = TColumn;
using TEnumColumnChart = TEnumColumn;
using TIntColumnChart = TIntColumn;
using TFloatColumnChart = TFloatColumn;
using TTableColumnChart = TTableColumn;
using TStringColumnChart = TStringColumn;

} // namespace tervane
