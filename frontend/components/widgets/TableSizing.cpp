#include "TableSizing.h"

#include "GridErrors.h"

#include <algorithm>
#include <array>

namespace tervane {

namespace {

// Pixels of the grid's border and inner edges beyond its columns and rows.
constexpr int kGridExtraWidth = 3;
constexpr int kGridExtraHeight = 5;

int right(const QRect& r) {
    return r.x() + r.width();
}
int bottom(const QRect& r) {
    return r.y() + r.height();
}

QSize gridSizeWith(const TGridMetrics& grid, const TGridView& view, bool vBar, bool hBar) {
    int width = kGridExtraWidth + grid.fixedWidth + 1;
    const int last = std::min(grid.columnCount(), view.firstColumn + view.visibleColumns);
    for (int c = std::max(0, view.firstColumn); c < last; ++c)
        width += grid.columnWidths[static_cast<size_t>(c)] + 1;
    if (vBar) width += grid.vScrollWidth;
    int height = (grid.rowHeight + 1) * (grid.headerRows + view.visibleRows) + kGridExtraHeight;
    if (hBar) height += grid.hScrollHeight;
    return {width, height};
}

QSize windowSizeWith(const TSizingInput& in, const TGridView& view, bool vBar, bool hBar) {
    return in.frame + LayOutForm(in.form, gridSizeWith(in.grid, view, vBar, hBar)).client;
}

// Right edge of the row-button row in the client area.
int buttonRowRight(int m) {
    return m + 3 * kRowButtonWidth + 2 * m;
}

// The columns that fit into `width` from the current first column to the right, then to the
// left of it; a column is always added while the grid is narrower than the row-button row.
TGridView fitColumns(const TSizingInput& in, TGridView view, int width, bool vBar) {
    const int n = in.grid.columnCount();
    const int m = in.form.margin;
    int first = std::clamp(in.current.firstColumn, 0, n - 1);
    int count = 0;
    auto fits = [&](int newFirst, int newCount) {
        if (count == 0) return true;
        TGridView now = view;
        now.firstColumn = first;
        now.visibleColumns = count;
        if (m + gridSizeWith(in.grid, now, vBar, true).width() < buttonRowRight(m)) return true;
        TGridView next = view;
        next.firstColumn = newFirst;
        next.visibleColumns = newCount;
        return windowSizeWith(in, next, vBar, true).width() <= width;
    };
    while (first + count < n && fits(first, count + 1))
        ++count;
    while (first > 0 && fits(first - 1, count + 1)) {
        --first;
        ++count;
    }
    view.firstColumn = first;
    view.visibleColumns = count;
    return view;
}

// As many whole rows as fit into `height`, at least one, keeping the current first row where
// enough rows follow it.
TGridView fitRows(const TSizingInput& in, TGridView view, int height, bool hBar) {
    const int n = in.grid.rowCount;
    if (n == 0) {
        view.firstRow = 0;
        view.visibleRows = 0;
        return view;
    }
    int count = 1;
    while (count < n) {
        TGridView next = view;
        next.visibleRows = count + 1;
        if (windowSizeWith(in, next, true, hBar).height() > height) break;
        ++count;
    }
    view.visibleRows = count;
    view.firstRow = in.current.firstRow + count <= n ? std::max(0, in.current.firstRow) : n - count;
    return view;
}

} // namespace

QSize GridSize(const TGridMetrics& grid, const TGridView& view) {
    return gridSizeWith(grid, view, view.visibleRows < grid.rowCount,
                        view.visibleColumns < grid.columnCount());
}

TFormLayout LayOutForm(const TFormLayoutInput& f, QSize gridSize) {
    TFormLayout out;
    const int m = f.margin;
    int top = m;
    if (f.chartArea) {
        out.chart = QRect(m, m, kChartWidth, kChartHeight);
        top = bottom(out.chart) + m;
    }
    out.grid = QRect(QPoint(m, top), gridSize);
    const int buttonTop = bottom(out.grid) + m;
    out.addRow = QRect(m, buttonTop, kRowButtonWidth, kRowButtonHeight);
    out.insertRow = out.addRow.translated(kRowButtonWidth + m, 0);
    out.deleteRow = out.insertRow.translated(kRowButtonWidth + m, 0);
    int below = f.rowButtonsVisible ? bottom(out.addRow) : bottom(out.grid);
    int widest = std::max(right(out.grid), right(out.deleteRow));
    if (f.chartArea) widest = std::max(widest, right(out.chart));

    if (f.okCancel) {
        // Each centred in the gap between two row buttons.
        const int top2 = below + 2 * m;
        const int gap1 = right(out.addRow) + m / 2;
        const int gap2 = right(out.insertRow) + m / 2;
        out.ok = QRect(QPoint(gap1 - f.okSize.width() / 2, top2), f.okSize);
        out.cancel = QRect(QPoint(gap2 - f.cancelSize.width() / 2, top2), f.cancelSize);
        below = std::max(bottom(out.ok), bottom(out.cancel));
        widest = std::max({widest, right(out.ok), right(out.cancel)});
    }
    if (f.fileControls) {
        const int lineTop = below + m;
        const int rowTop =
            lineTop + std::max(f.fileLabelSize.height(), f.fileEditSize.height()) + m;
        out.browse = QRect(QPoint(2 * m, rowTop), f.browseSize);
        out.view = QRect(QPoint(right(out.browse) + m, rowTop), f.viewSize);
        out.read = QRect(QPoint(right(out.view) + m, rowTop), f.readSize);
        out.fileLabel = QRect(QPoint(2 * m, lineTop), f.fileLabelSize);
        const int editLeft = right(out.fileLabel) + m;
        out.fileEdit = QRect(editLeft, lineTop, std::max(right(out.read) - editLeft, 40),
                             f.fileEditSize.height());
        const int pasteTop = std::max({bottom(out.browse), bottom(out.view), bottom(out.read)}) + m;
        out.paste = QRect(QPoint(right(out.read) - f.pasteSize.width(), pasteTop), f.pasteSize);
        below = bottom(out.paste);
        widest = std::max({widest, right(out.read), right(out.fileEdit), right(out.paste)});
    }

    const int commentTop = below + m;
    int imageTop = commentTop;
    if (!f.commentSize.isEmpty()) {
        out.comment = QRect(QPoint(m, commentTop), f.commentSize);
        imageTop = bottom(out.comment) + m;
        widest = std::max(widest, right(out.comment));
    }
    out.image = QRect(QPoint(m, imageTop), f.imageSize);
    int clientHeight = imageTop;
    if (f.imageSize.height() > 0) {
        clientHeight = bottom(out.image) + m;
        widest = std::max(widest, right(out.image));
    }
    out.client = QSize(widest + m, clientHeight);
    return out;
}

QSize WindowSize(const TSizingInput& input, const TGridView& view) {
    return windowSizeWith(input, view, view.visibleRows < input.grid.rowCount,
                          view.visibleColumns < input.grid.columnCount());
}

long long SizingExcess(QSize candidate, QSize dragged) {
    const long long w = candidate.width(), h = candidate.height();
    const long long W = dragged.width(), H = dragged.height();
    if (w <= W && h <= H) return 0;
    if (h <= H) return H * (w - W);
    if (w <= W) return W * (h - H);
    return w * h - W * H;
}

TSizingResult SnapWindowSize(const TSizingInput& in, const QRect& dragged, int edges) {
    const int columns = in.grid.columnCount();
    if (columns < 1) throw EGridError(QStringLiteral("There must be at least 2 columns in grid"));
    const bool keepColumns = (edges & (kEdgeLeft | kEdgeRight)) == 0;
    const bool keepRows = (edges & (kEdgeTop | kEdgeBottom)) == 0;
    const int W = dragged.width();
    const int H = dragged.height();

    TGridView all;
    all.visibleColumns = columns;
    all.visibleRows = in.grid.rowCount;
    auto withColumns = [](TGridView v, const TGridView& from) {
        v.firstColumn = from.firstColumn;
        v.visibleColumns = from.visibleColumns;
        return v;
    };
    auto withRows = [](TGridView v, const TGridView& from) {
        v.firstRow = from.firstRow;
        v.visibleRows = from.visibleRows;
        return v;
    };

    // 0: no scroll bars, 1: vertical only, 2: horizontal only, 3: both.
    std::array<TGridView, 4> candidates;
    TGridView none = all;
    if (keepColumns) none = withColumns(none, in.current);
    if (keepRows) none = withRows(none, in.current);
    candidates[0] = none;
    candidates[1] = keepRows ? none : fitRows(in, none, H, none.visibleColumns < columns);
    candidates[2] =
        keepColumns ? none : fitColumns(in, none, W, none.visibleRows < all.visibleRows);
    TGridView both = keepColumns ? none : fitColumns(in, none, W, true);
    if (!keepRows) both = fitRows(in, both, H, both.visibleColumns < columns);
    candidates[3] = both;

    TSizingResult result{candidates[0], QRect(), 0};
    long long least = -1;
    QSize size;
    for (int i = 0; i < 4; ++i) {
        const QSize s = WindowSize(in, candidates[static_cast<size_t>(i)]);
        const long long excess = SizingExcess(s, dragged.size());
        if (least < 0 || excess < least) {
            least = excess;
            result.view = candidates[static_cast<size_t>(i)];
            result.candidate = i;
            size = s;
        }
    }
    const int x = (edges & kEdgeLeft) ? dragged.x() + W - size.width() : dragged.x();
    const int y = (edges & kEdgeTop) ? dragged.y() + H - size.height() : dragged.y();
    result.rect = QRect(QPoint(x, y), size);
    return result;
}

} // namespace tervane
