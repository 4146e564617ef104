#pragma once
// The chart table: a grid table whose editor shows a chart of two of its columns. Same model as
// TGridTable, with its own registry, and chart settings stored after the columns.

#include "Table.h"

namespace tervane {

class TGridTableChart : public TGridTable {
public:
    explicit TGridTableChart(TGridTable* owner = nullptr);
    TTableKind Kind() const override { return TTableKind::Chart; }

    // Published booleans.
    bool GetDataFromFile = false;
    bool OKCancelButtons = false;
    bool InvertedXAxis = false;
    bool InvertedYAxis = false;

    // Chart settings, stored after the columns (0-based column indexes).
    bool ShowChart = false;
    bool DrawSegments = false;
    int ChartXColumn = 0;
    int ChartYColumn = 0;
    int SegmentEndXColumn = 0;
    int SegmentEndYColumn = 0;

protected:
    std::unique_ptr<TGridTable> NewTable(TGridTable* owner) const override;
    void CopyKindProperties(const TGridTable& templ) override;
    void ReadKindSettings(TValueReader& reader) override;
    void WriteKindSettings(TValueWriter& writer) const override;
};

} // namespace tervane
