#include "TableForm.h"

#include "ColumnTypes.h"
#include "EntryErrors.h"
#include "MdiHost.h"
#include "Messages.h"
#include "PictureDecoder.h"
#include "TableGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace tervane {

namespace {

// A comment wider than this many inches is wrapped.
constexpr int kCommentMaxInches = 6;
// Text of a cursor row outside the data rows.
const QString kRowNotInRange = QStringLiteral("Grid.Row not in valid range");

} // namespace

// ---- window

std::unique_ptr<TGridEditor> TTableForm::Open(TGridTable& table, bool modal) {
    auto handle = std::make_unique<TTableEditorHandle>(modal);
    auto* form = new TTableForm(table, modal);
    handle->setForm(form);
    form->open(handle.get());
    return handle;
}

TTableForm::TTableForm(TGridTable& table, bool modal) : m_table(&table), m_modal(modal) {
    m_margin = std::max(1, logicalDpiX() / 20);
    m_grid = new TTableGrid(this);
    m_corner = new QLabel(m_grid);
    m_corner->hide();
    m_addRow = new QPushButton(QStringLiteral("&Add Row"), this);
    m_insertRow = new QPushButton(QStringLiteral("&Insert Row"), this);
    m_deleteRow = new QPushButton(QStringLiteral("&Delete Row"), this);
    m_comment = new QLabel(this);
    m_comment->setWordWrap(true);
    m_comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image = new QLabel(this);
    m_image->hide();
    {
        // Rows as high as a combo box, so the choice cells show theirs whole.
        QComboBox probe;
        m_rowHeight = std::max(fontMetrics().height() + 6, probe.sizeHint().height() - 2);
    }
    connect(m_addRow, &QPushButton::clicked, this, [this] { AddRowClick(); });
    connect(m_insertRow, &QPushButton::clicked, this, [this] { InsertRowClick(); });
    connect(m_deleteRow, &QPushButton::clicked, this, [this] { DeleteRowClick(); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, &TTableForm::currentCellChanged);
    connect(m_grid, &TTableGrid::enterPressed, this, [this] { enterMove(); });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_applying) m_view.firstRow = value;
        placeControls();
    });
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_applying) m_view.firstColumn = value;
        placeControls();
    });
    connect(qApp, &QApplication::focusChanged, this, &TTableForm::focusChanged);
}

TTableForm::~TTableForm() {
    m_closing = true;
    if (TGridTable* table = m_table) table->CloseEditors();
}

void TTableForm::open(TTableEditorHandle* handle) {
    if (m_table->RowCount() < m_table->MinRows()) m_table->SetRowCount(m_table->MinRows());
    setWindowTitle(m_table->EditorTitle());
    m_view.visibleColumns = m_table->ShownColumnCount();
    m_view.visibleRows = std::min(m_table->RowCount(), maxVisibleRows());
    setUpGrid();
    m_table->AttachEditor(
        handle, [this] { refresh(); }, [this](int column, int row) { refreshCell(column, row); });
    showHelpPicture();
    refresh();
    if (m_modal) {
        setWindowFlag(Qt::Window);
        setWindowModality(Qt::ApplicationModal);
        setAttribute(Qt::WA_DeleteOnClose);
        show();
    } else if (!AddMdiChild(this)) {
        setAttribute(Qt::WA_DeleteOnClose);
    }
    frameWindow()->installEventFilter(this);
    m_shown = true;
    layOut();
    m_lastGeometry = frameWindow()->geometry();
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        if (isControlColumn(c) || m_grid->rowCount() == 0) continue;
        m_refreshing = true;
        m_grid->setCurrentCell(0, c);
        m_refreshing = false;
        break;
    }
}

QWidget* TTableForm::frameWindow() const {
    if (QMdiSubWindow* sub = MdiWindowOf(this)) return sub;
    return const_cast<TTableForm*>(this);
}

QWidget* TTableForm::cellControl(int column, int row) const {
    for (const auto& p : m_controls)
        if (p.widget && p.column == column && p.row == row) return p.widget.data();
    return nullptr;
}

bool TTableForm::isControlColumn(int shownColumn) const {
    return m_table && shownColumn >= 0 && shownColumn < m_table->ShownColumnCount() &&
           m_table->ShownColumn(shownColumn)->UsesControls();
}

// ---- refresh and layout

TGridMetrics TTableForm::gridMetrics() const {
    TGridMetrics g;
    const QFontMetrics fm = m_grid->fontMetrics();
    const TTextWidth width = [fm](const QString& text) { return fm.horizontalAdvance(text); };
    const int ppi = logicalDpiX();
    g.fixedWidth = std::max(width(m_table->TopLeft() + QStringLiteral("  ")), ppi / 3);
    for (int c = 0; c < m_table->ShownColumnCount(); ++c)
        g.columnWidths.push_back(m_table->ShownColumn(c)->MinWidth(width, ppi));
    g.rowHeight = m_rowHeight;
    g.headerRows = m_table->HeaderRowCount();
    g.rowCount = m_table->RowCount();
    g.vScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    g.hScrollHeight = g.vScrollWidth;
    return g;
}

void TTableForm::setUpGrid() {
    const TGridMetrics g = gridMetrics();
    const int shown = m_table->ShownColumnCount();
    const int rows = m_table->RowCount();
    m_refreshing = true;
    m_grid->setColumnCount(shown);
    m_grid->setRowCount(rows);
    QVector<QStringList> captions;
    for (int c = 0; c < shown; ++c) {
        const TColumn* column = m_table->ShownColumn(c);
        QStringList lines;
        for (int j = 0; j < g.headerRows; ++j)
            lines << (j < column->CaptionLineCount() ? column->CaptionLine(j) : QString());
        captions << lines;
        m_grid->horizontalHeader()->setMinimumSectionSize(1);
        m_grid->horizontalHeader()->resizeSection(c, g.columnWidths[static_cast<size_t>(c)] + 1);
    }
    m_grid->setCaptions(captions, m_rowHeight + 1);
    m_grid->horizontalHeader()->setFixedHeight(g.headerRows * (m_rowHeight + 1));
    m_grid->horizontalHeader()->setVisible(g.headerRows > 0);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(m_rowHeight + 1);
    m_grid->verticalHeader()->setFixedWidth(g.fixedWidth + 1);
    for (int r = 0; r < rows; ++r) {
        const QString number = QString::number(r / m_table->RowGroup() + 1);
        if (QTableWidgetItem* item = m_grid->verticalHeaderItem(r))
            item->setText(number);
        else
            m_grid->setVerticalHeaderItem(r, new QTableWidgetItem(number));
    }
    for (int c = 0; c < shown; ++c) {
        const TColumn* column = m_table->ShownColumn(c);
        const bool controls = column->UsesControls();
        for (int r = 0; r < rows; ++r) {
            QTableWidgetItem* item = m_grid->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_grid->setItem(r, c, item);
            }
            item->setFlags(controls
                               ? Qt::NoItemFlags
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            item->setText(controls ? QString() : column->GetText(r));
        }
    }
    m_corner->setText(m_table->TopLeft());
    m_corner->setVisible(!m_table->TopLeft().isEmpty());
    m_corner->setGeometry(m_grid->frameWidth() + 2, m_grid->frameWidth(), g.fixedWidth,
                          std::max(m_rowHeight, g.headerRows * (m_rowHeight + 1)));
    m_refreshing = false;
}

void TTableForm::refresh() {
    if (!m_table) return;
    const int shown = m_table->ShownColumnCount();
    const int rows = m_table->RowCount();
    m_view.visibleColumns = std::min(m_view.visibleColumns, shown);
    m_view.visibleRows = std::min(m_view.visibleRows, rows);
    m_view.firstRow = std::clamp(m_view.firstRow, 0, std::max(0, rows - m_view.visibleRows));
    m_view.firstColumn =
        std::clamp(m_view.firstColumn, 0, std::max(0, shown - m_view.visibleColumns));
    setUpGrid();
    const bool buttons = m_table->MinRows() != m_table->MaxRows();
    m_addRow->setVisible(buttons);
    m_insertRow->setVisible(buttons);
    m_deleteRow->setVisible(buttons);
    m_addRow->setEnabled(rows != m_table->MaxRows());
    m_insertRow->setEnabled(rows != m_table->MaxRows());
    m_deleteRow->setEnabled(m_table->MinRows() < rows);
    m_comment->setText(DisplayText(m_table->Comments()));
    m_comment->setVisible(!m_table->Comments().isEmpty());
    layOut();
    chartChanged();
}

void TTableForm::showHelpPicture() {
    if (!m_table) return;
    const QImage picture = DecodePicture(m_table->HelpPicture());
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->setVisible(!picture.isNull());
    m_image->resize(picture.size());
    if (m_shown) layOut();
}

TFormLayoutInput TTableForm::layoutInput() const {
    TFormLayoutInput f;
    f.margin = m_margin;
    f.rowButtonsVisible = m_table->MinRows() != m_table->MaxRows();
    if (!m_table->Comments().isEmpty()) {
        const QFontMetrics fm = m_comment->fontMetrics();
        int natural = 0;
        for (const QString& line : m_comment->text().split(u'\n'))
            natural = std::max(natural, fm.horizontalAdvance(line));
        const int width = std::min(natural + 2, kCommentMaxInches * logicalDpiX());
        f.commentSize = QSize(width, m_comment->heightForWidth(width));
    }
    if (m_image->isVisibleTo(const_cast<TTableForm*>(this))) f.imageSize = m_image->pixmap().size();
    return f;
}

void TTableForm::layOut() {
    if (!m_table) return;
    const TGridMetrics g = gridMetrics();
    const TFormLayout l = LayOutForm(layoutInput(), GridSize(g, m_view));
    m_applying = true;
    m_grid->setGeometry(l.grid);
    m_grid->setVerticalScrollBarPolicy(m_view.visibleRows < g.rowCount ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(
        m_view.visibleColumns < g.columnCount() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_addRow->setGeometry(l.addRow);
    m_insertRow->setGeometry(l.insertRow);
    m_deleteRow->setGeometry(l.deleteRow);
    m_comment->setGeometry(l.comment);
    m_image->setGeometry(l.image);
    placeExtras(l);
    resize(l.client);
    if (QMdiSubWindow* sub = MdiWindowOf(this)) {
        if (!sub->isMaximized() && !sub->isMinimized()) {
            const QMargins frame = sub->contentsMargins();
            sub->resize(l.client.grownBy(frame));
        }
    }
    m_grid->syncGeometry();
    scrollToView();
    m_applying = false;
    if (m_shown) {
        // The size just set, so that the resize it causes is not taken for the user's.
        QWidget* window = frameWindow();
        const QMargins frame = window == this ? QMargins() : window->contentsMargins();
        m_lastGeometry = QRect(window->geometry().topLeft(), l.client.grownBy(frame));
    }
    placeControls();
    if (m_table->OnResize) m_table->OnResize(*m_table);
}

void TTableForm::scrollToView() {
    const bool applying = m_applying;
    m_applying = true;
    m_grid->verticalScrollBar()->setValue(m_view.firstRow);
    m_grid->horizontalScrollBar()->setValue(m_view.firstColumn);
    m_applying = applying;
}

void TTableForm::placeControls() {
    if (!m_table) return;
    const QRect area = m_grid->viewport()->rect();
    for (const auto& p : m_controls) {
        if (!p.widget) continue;
        const int shown =
            p.column < m_table->ColumnCount() ? m_table->ShownIndex(m_table->Column(p.column)) : -1;
        QRect cell;
        if (shown >= 0 && p.row < m_grid->rowCount())
            cell = m_grid->visualRect(m_grid->model()->index(p.row, shown));
        if (!cell.isValid() || !cell.intersects(area)) {
            p.widget->hide();
            continue;
        }
        p.widget->setGeometry(cell.adjusted(0, 0, -1, -1));
        p.widget->show();
    }
}

// ---- editing

void TTableForm::rewriteCells() {
    m_refreshing = true;
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        if (isControlColumn(c)) continue;
        const TColumn* column = m_table->ShownColumn(c);
        for (int r = 0; r < m_grid->rowCount() && r < m_table->RowCount(); ++r)
            if (QTableWidgetItem* item = m_grid->item(r, c)) item->setText(column->GetText(r));
    }
    m_refreshing = false;
}

void TTableForm::refreshCell(int column, int row) {
    if (!m_table || column < 0 || column >= m_table->ColumnCount()) return;
    const TColumn* c = m_table->Column(column);
    const int shown = m_table->ShownIndex(c);
    if (shown < 0 || c->UsesControls() || row < 0 || row >= m_grid->rowCount()) return;
    if (QTableWidgetItem* item = m_grid->item(row, shown)) {
        m_refreshing = true;
        item->setText(c->GetText(row));
        m_refreshing = false;
    }
}

bool TTableForm::commit() {
    if (!m_table) return true;
    m_grid->flushEditor();
    const int row = m_grid->currentRow();
    const int shown = m_grid->currentColumn();
    if (row < 0 || shown < 0 || row >= m_table->RowCount() ||
        shown >= m_table->ShownColumnCount() || isControlColumn(shown))
        return true;
    QTableWidgetItem* item = m_grid->item(row, shown);
    TColumn* column = m_table->ShownColumn(shown);
    // A cell whose text is the table's own has nothing to store: storing the shown text would
    // round the value to the digits shown.
    if (!item || item->text() == column->GetText(row)) return true;
    m_inCommit = true;
    m_table->SetModified(true);
    try {
        column->SetText(row, item->text());
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        m_inCommit = false;
        return false;
    }
    m_inCommit = false;
    rewriteCells();
    return true;
}

void TTableForm::currentCellChanged(int row, int column, int previousRow, int previousColumn) {
    if (m_refreshing || m_inCommit || !m_table) return;
    if (previousRow >= 0 && previousColumn >= 0 &&
        (previousRow != row || previousColumn != column)) {
        // Commit the cell just left; a refused entry keeps the cursor there.
        m_refreshing = true;
        m_grid->setCurrentCell(previousRow, previousColumn);
        m_refreshing = false;
        if (!commit()) return;
        m_refreshing = true;
        m_grid->setCurrentCell(row, column);
        m_refreshing = false;
    }
    chartChanged();
}

void TTableForm::enterMove() {
    if (!m_table) return;
    const int rows = m_grid->rowCount();
    const int columns = m_grid->columnCount();
    int row = m_grid->currentRow();
    int column = m_grid->currentColumn();
    if (rows == 0 || columns == 0) return;
    auto nextTextColumn = [&](int from) {
        for (int i = 1; i <= columns; ++i) {
            const int c = (from + i) % columns;
            if (!isControlColumn(c)) return c;
        }
        return -1;
    };
    if (row < 0 || column < 0) {
        row = 0;
        column = nextTextColumn(columns - 1);
    } else if (row + 1 < rows) {
        ++row;
    } else {
        row = 0;
        column = nextTextColumn(column);
    }
    if (column < 0) return;
    m_grid->setCurrentCell(row, column);
    if (QTableWidgetItem* item = m_grid->item(row, column)) m_grid->scrollToItem(item);
}

void TTableForm::focusChanged(QWidget* old, QWidget* now) {
    if (!m_table || m_inCommit || m_closing || m_refreshing) return;
    auto inGrid = [this](QWidget* w) { return w && (w == m_grid || m_grid->isAncestorOf(w)); };
    if (!inGrid(old) || inGrid(now)) return;
    if (commit()) return;
    if (!m_modal) {
        // The window shows itself again when it lost the activation.
        if (QMdiSubWindow* sub = MdiWindowOf(this); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        else
            activateWindow();
    }
    m_grid->setFocus();
}

// ---- row buttons

bool TTableForm::cursorRowValid() {
    const int row = m_grid->currentRow();
    if (row >= 0 && row < m_table->RowCount()) return true;
    Messages().information(kRowNotInRange);
    return false;
}

void TTableForm::growVisibleRows() {
    if (m_view.visibleRows >= m_table->RowCount())
        m_view.visibleRows = std::min(m_view.visibleRows + m_table->RowGroup(), maxVisibleRows());
}

void TTableForm::AddRowClick() {
    if (!m_table || !commit()) return;
    if (m_table->MaxRows() > 0 && m_table->RowCount() >= m_table->MaxRows()) return;
    growVisibleRows();
    m_table->AppendRowGroup();
    m_table->SetModified(true);
    const int rows = m_table->RowCount();
    if (rows - 1 >= m_view.firstRow + m_view.visibleRows) {
        m_view.firstRow = rows - m_view.visibleRows;
        scrollToView();
        placeControls();
    }
    chartChanged();
}

void TTableForm::InsertRowClick() {
    if (!m_table || !commit() || !cursorRowValid()) return;
    if (m_table->MaxRows() > 0 && m_table->RowCount() >= m_table->MaxRows()) return;
    const int row = m_grid->currentRow();
    growVisibleRows();
    m_table->InsertRowGroup(row);
    m_table->SetModified(true);
    chartChanged();
}

void TTableForm::DeleteRowClick() {
    if (!m_table || !commit() || !cursorRowValid()) return;
    if (m_table->RowCount() <= m_table->MinRows()) return;
    m_table->DeleteRowGroup(m_grid->currentRow());
    m_table->SetModified(true);
    chartChanged();
}

// ---- sizing and closing

TSizingInput TTableForm::sizingInput() const {
    TSizingInput in;
    in.grid = gridMetrics();
    in.current = m_view;
    in.form = layoutInput();
    if (QMdiSubWindow* sub = MdiWindowOf(this)) {
        const QMargins frame = sub->contentsMargins();
        in.frame = QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    return in;
}

void TTableForm::applySizing(const QRect& dragged, int edges) {
    if (!m_table) return;
    TSizingResult result;
    try {
        result = SnapWindowSize(sizingInput(), dragged, edges);
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return;
    }
    m_view = result.view;
    m_applying = true;
    frameWindow()->setGeometry(result.rect);
    m_applying = false;
    layOut();
    m_lastGeometry = frameWindow()->geometry();
}

bool TTableForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) {
        QCoreApplication::sendEvent(m_grid->viewport(), event);
        return true;
    }
    QWidget* window = frameWindow();
    if (watched == window && m_shown && m_table && !m_applying) {
        if (event->type() == QEvent::Move && window->size() == m_lastGeometry.size()) {
            m_lastGeometry = window->geometry();
        } else if (event->type() == QEvent::Resize) {
            const QRect now = window->geometry();
            if (window->isMaximized() || window->isMinimized()) {
                m_lastGeometry = now;
                return false;
            }
            int edges = 0;
            if (now.left() != m_lastGeometry.left()) edges |= kEdgeLeft;
            if (now.right() != m_lastGeometry.right()) edges |= kEdgeRight;
            if (now.top() != m_lastGeometry.top()) edges |= kEdgeTop;
            if (now.bottom() != m_lastGeometry.bottom()) edges |= kEdgeBottom;
            if ((edges & kEdgeLeft) && (edges & kEdgeRight)) edges &= ~kEdgeLeft;
            if ((edges & kEdgeTop) && (edges & kEdgeBottom)) edges &= ~kEdgeTop;
            if (edges) applySizing(now, edges);
            m_lastGeometry = window->geometry();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTableForm::mousePressEvent(QMouseEvent* event) {
    chartChanged();
    QWidget::mousePressEvent(event);
}

void TTableForm::closeWithoutCommit() {
    m_discard = true;
    if (QMdiSubWindow* sub = MdiWindowOf(this))
        sub->close();
    else
        close();
    m_discard = false;
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (m_table && !m_discard && !commit()) {
        event->ignore();
        return;
    }
    m_closing = true;
    if (TGridTable* table = m_table) table->CloseEditors();
    event->accept();
}

void TTableForm::tableReleased() {
    m_table = nullptr;
    m_controls.clear();
    if (m_closing) return;
    m_closing = true;
    if (QMdiSubWindow* sub = MdiWindowOf(this))
        sub->close();
    else
        close();
}

} // namespace tervane
