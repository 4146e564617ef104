#include "TableChart.h"

#include "ValueStream.h"

namespace tervane {

TGridTableChart::TGridTableChart(TGridTable* owner) : TGridTable(owner, TTableKind::Chart) {}

std::unique_ptr<TGridTable> TGridTableChart::NewTable(TGridTable* owner) const {
    return std::make_unique<TGridTableChart>(owner);
}

void TGridTableChart::CopyKindProperties(const TGridTable& templ) {
    const auto* chart = dynamic_cast<const TGridTableChart*>(&templ);
    if (!chart) return;
    GetDataFromFile = chart->GetDataFromFile;
    OKCancelButtons = chart->OKCancelButtons;
    InvertedXAxis = chart->InvertedXAxis;
    InvertedYAxis = chart->InvertedYAxis;
    ShowChart = chart->ShowChart;
    DrawSegments = chart->DrawSegments;
    ChartXColumn = chart->ChartXColumn;
    ChartYColumn = chart->ChartYColumn;
    SegmentEndXColumn = chart->SegmentEndXColumn;
    SegmentEndYColumn = chart->SegmentEndYColumn;
}

void TGridTableChart::ReadKindSettings(TValueReader& reader) {
    ShowChart = reader.readBoolean();
    DrawSegments = reader.readBoolean();
    ChartXColumn = reader.readInteger();
    ChartYColumn = reader.readInteger();
    SegmentEndXColumn = reader.readInteger();
    SegmentEndYColumn = reader.readInteger();
}

void TGridTableChart::WriteKindSettings(TValueWriter& writer) const {
    writer.newLine(4);
    writer.writeBoolean(ShowChart);
    writer.writeBoolean(DrawSegments);
    writer.writeInteger(ChartXColumn);
    writer.writeInteger(ChartYColumn);
    writer.writeInteger(SegmentEndXColumn);
    writer.writeInteger(SegmentEndYColumn);
}

} // namespace tervane
