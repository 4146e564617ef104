#include "TableGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace tervane {

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setWordWrap(false);
}

void TTableGrid::setCaptions(const QVector<QStringList>& lines, int lineHeight) {
    for (int c = 0; c < lines.size() && c < columnCount(); ++c) {
        // Every column has as many lines as there are header rows, so the lines of all columns
        // stand at the same heights.
        QTableWidgetItem* item = horizontalHeaderItem(c);
        if (!item) {
            item = new QTableWidgetItem;
            setHorizontalHeaderItem(c, item);
        }
        item->setText(lines[c].join(u'\n'));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    horizontalHeader()->setFixedHeight(static_cast<int>(lines.isEmpty() ? 0 : lines[0].size()) *
                                       lineHeight);
}

void TTableGrid::flushEditor() {
    if (state() != QAbstractItemView::EditingState) return;
    for (QLineEdit* editor :
         viewport()->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible()) continue;
        commitData(editor);
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
    emit keyActivity(event->key(), false);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        emit enterPressed();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TTableGrid::keyReleaseEvent(QKeyEvent* event) {
    emit keyActivity(event->key(), true);
    QTableWidget::keyReleaseEvent(event);
}

void TTableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) emit enterPressed();
}

} // namespace tervane
