#pragma once
// Geometry of the table editor windows, without widgets: the grid's size for the rows and columns
// it shows, the places of the controls around it, and the snapping of a window whose border the
// user drags to whole rows and columns. All sizes are in pixels.

#include <QRect>
#include <QSize>
#include <vector>

namespace tervane {

// Width and height of the row buttons.
inline constexpr int kRowButtonWidth = 81;
inline constexpr int kRowButtonHeight = 21;
// Size of the chart and of the segment drawing area of chart tables.
inline constexpr int kChartWidth = 285;
inline constexpr int kChartHeight = 170;
// Most rows an editor shows at once, and in a chart window that shows its chart.
inline constexpr int kMaxVisibleRows = 10;
inline constexpr int kMaxVisibleChartRows = 5;

// What the grid is made of: column 0, the shown data columns, the rows and the scroll bars.
struct TGridMetrics {
    int fixedWidth = 0;            // column 0
    std::vector<int> columnWidths; // shown data columns, each without its grid line
    int rowHeight = 0;             // every row, header rows included, without its grid line
    int headerRows = 1;
    int rowCount = 0; // data rows
    int vScrollWidth = 0;
    int hScrollHeight = 0;
    int columnCount() const { return static_cast<int>(columnWidths.size()); }
};

// The part of the grid in view: the first data column and row shown and how many are shown.
struct TGridView {
    int firstColumn = 0;
    int firstRow = 0;
    int visibleColumns = 0;
    int visibleRows = 0;
    bool operator==(const TGridView&) const = default;
};

// Size of the grid showing `view`: 3 + each fixed and visible column plus its line, and a
// vertical scroll bar when rows are hidden; (row height + 1) per header and visible row + 5, and
// a horizontal scroll bar when columns are hidden.
QSize GridSize(const TGridMetrics& grid, const TGridView& view);

// The controls of an editor window other than the grid, as the layout needs them.
struct TFormLayoutInput {
    int margin = 4;
    bool rowButtonsVisible = true;
    QSize commentSize; // empty when the comment is hidden
    QSize imageSize;   // height 0 when there is no picture
    // Chart windows only.
    bool chartArea = false; // a chart or a segment drawing area above the grid
    bool okCancel = false;
    QSize okSize;
    QSize cancelSize;
    bool fileControls = false;
    QSize fileLabelSize;
    QSize fileEditSize; // its height; the width follows the buttons under it
    QSize browseSize;
    QSize viewSize;
    QSize readSize;
    QSize pasteSize;
};

// Where everything goes in the window's client area, and the client area's size.
struct TFormLayout {
    QRect grid;
    QRect chart;
    QRect addRow, insertRow, deleteRow;
    QRect ok, cancel;
    QRect fileLabel, fileEdit, browse, view, read, paste;
    QRect comment;
    QRect image;
    QSize client;
};

TFormLayout LayOutForm(const TFormLayoutInput& form, QSize gridSize);

// Edges of a window that the user drags.
enum TSizingEdge { kEdgeLeft = 1, kEdgeTop = 2, kEdgeRight = 4, kEdgeBottom = 8 };

struct TSizingInput {
    TGridMetrics grid;
    TGridView current;
    TFormLayoutInput form;
    QSize frame; // window size minus client size
};

struct TSizingResult {
    TGridView view;
    QRect rect;    // the window's new rectangle
    int candidate; // 0 no scroll bars, 1 vertical only, 2 horizontal only, 3 both
};

// The window size of a view: frame plus client area.
QSize WindowSize(const TSizingInput& input, const TGridView& view);

// Excess of a candidate size over the dragged size: 0 when it fits, else the area outside.
long long SizingExcess(QSize candidate, QSize dragged);

// Snaps the dragged rectangle to whole rows and columns: works out the four candidate layouts,
// takes the one with the least excess (ties in the order no scroll bars, vertical only,
// horizontal only, both) and keeps the edge opposite to the dragged one in place. Fails with
// "There must be at least 2 columns in grid" for a grid without data columns.
TSizingResult SnapWindowSize(const TSizingInput& input, const QRect& dragged, int edges);

} // namespace tervane
