#include "TableGrid.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionHeader>

namespace tervane {

TCaptionHeader::TCaptionHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void TCaptionHeader::setCaptions(const QVector<QStringList>& lines, int lineHeight) {
    m_lines = lines;
    m_lineHeight = lineHeight;
    viewport()->update();
}

void TCaptionHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    if (logicalIndex < 0 || logicalIndex >= m_lines.size()) return;
    const QStringList& lines = m_lines[logicalIndex];
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    for (int j = 0; j < lines.size(); ++j) {
        const QRect line(rect.x() + 2, rect.y() + j * m_lineHeight, rect.width() - 4, m_lineHeight);
        painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter, lines[j]);
    }
    painter->restore();
}

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent), m_header(new TCaptionHeader(this)) {
    setHorizontalHeader(m_header);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setStretchLastSection(false);
    m_header->setHighlightSections(false);
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
