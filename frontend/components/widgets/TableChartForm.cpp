#include "TableChartForm.h"

#include "ColumnTypes.h"
#include "GridErrors.h"
#include "ImportLines.h"
#include "Messages.h"
#include "TableChart.h"
#include "TableChartPane.h"
#include "TableGrid.h"
#include "WordRead.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>

namespace tervane {

namespace {

TTextEditorHook& editorHook() {
    static TTextEditorHook hook;
    return hook;
}

// Least width of the file buttons.
constexpr int kFileButtonMinWidth = 75;

bool isArrowOrDigit(int key) {
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

void SetTextEditorHook(TTextEditorHook hook) {
    editorHook() = std::move(hook);
}

void InstallTableEditors() {
    TGridTable::SetEditorFactory([](TGridTable& table, bool modal) {
        if (dynamic_cast<TGridTableChart*>(&table)) return TTableChartForm::Open(table, modal);
        return TTableForm::Open(table, modal);
    });
}

std::unique_ptr<TGridEditor> TTableChartForm::Open(TGridTable& table, bool modal) {
    auto handle = std::make_unique<TTableEditorHandle>(modal);
    auto* form = new TTableChartForm(dynamic_cast<TGridTableChart&>(table), modal);
    handle->setForm(form);
    form->open(handle.get());
    form->takeSnapshot();
    return handle;
}

TTableChartForm::TTableChartForm(TGridTableChart& table, bool modal)
    : TTableForm(table, modal), m_chartTable(table) {
    if (table.ShowChart) m_pane = new TTableChartPane(table, this);
    auto button = [this](const QString& text) {
        auto* b = new QPushButton(text, this);
        b->hide();
        return b;
    };
    if (table.GetDataFromFile) {
        m_fileLabel = new QLabel(QStringLiteral("File Name:"), this);
        m_fileName = new QLineEdit(this);
        m_browse = button(QStringLiteral("Browse"));
        m_view = button(QStringLiteral("View/Edit File"));
        m_read = button(QStringLiteral("Read values from File"));
        m_paste = button(QStringLiteral("Paste values from  Clipboard (text)"));
        connect(m_browse, &QPushButton::clicked, this, [this] { BrowseClick(); });
        connect(m_view, &QPushButton::clicked, this, [this] { ViewEditClick(); });
        connect(m_read, &QPushButton::clicked, this, [this] { ReadFromFileClick(); });
        connect(m_paste, &QPushButton::clicked, this, [this] { PasteFromClipboardClick(); });
        connect(m_fileName, &QLineEdit::textChanged, this, [this] { fileNameChanged(); });
        fileNameChanged();
    }
    if (table.OKCancelButtons) {
        m_ok = button(QStringLiteral("OK"));
        m_cancel = button(QStringLiteral("Cancel"));
        connect(m_ok, &QPushButton::clicked, this, [this] { OKClick(); });
        connect(m_cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    }
    connect(grid(), &TTableGrid::keyActivity, this, [this](int key, bool released) {
        if (!released || isArrowOrDigit(key)) chartChanged();
    });
}

TTableChartForm::~TTableChartForm() {
    if (m_pane) m_pane->release();
}

void TTableChartForm::tableReleased() {
    if (m_pane) m_pane->release();
    TTableForm::tableReleased();
}

bool TTableChartForm::chartShown() const {
    return m_chartTable.ShowChart;
}

int TTableChartForm::maxVisibleRows() const {
    return chartShown() ? kMaxVisibleChartRows : kMaxVisibleRows;
}

void TTableChartForm::chartChanged() {
    if (m_table && m_pane) m_pane->redraw();
}

TFormLayoutInput TTableChartForm::layoutInput() const {
    TFormLayoutInput f = TTableForm::layoutInput();
    f.chartArea = m_pane != nullptr;
    auto size = [](const QPushButton* b) {
        return QSize(std::max(kFileButtonMinWidth, b->sizeHint().width()), kRowButtonHeight);
    };
    if (m_ok) {
        f.okCancel = true;
        f.okSize = size(m_ok);
        f.cancelSize = size(m_cancel);
    }
    if (m_fileName) {
        f.fileControls = true;
        f.fileLabelSize = m_fileLabel->sizeHint();
        f.fileEditSize = m_fileName->sizeHint();
        f.browseSize = size(m_browse);
        f.viewSize = size(m_view);
        f.readSize = size(m_read);
        f.pasteSize = size(m_paste);
    }
    return f;
}

void TTableChartForm::placeExtras(const TFormLayout& l) {
    if (m_pane) m_pane->setGeometry(l.chart);
    auto place = [](QWidget* w, const QRect& r) {
        if (!w) return;
        w->setGeometry(r);
        w->show();
    };
    place(m_ok, l.ok);
    place(m_cancel, l.cancel);
    place(m_fileLabel, l.fileLabel);
    place(m_fileName, l.fileEdit);
    place(m_browse, l.browse);
    place(m_view, l.view);
    place(m_read, l.read);
    place(m_paste, l.paste);
}

// ---- values from a file or the clipboard

void TTableChartForm::fileNameChanged() {
    const QFileInfo file(m_fileName->text());
    const bool exists = !m_fileName->text().isEmpty() && file.isFile();
    m_view->setEnabled(exists);
    m_read->setEnabled(exists);
}

void TTableChartForm::BrowseClick() {
    TFileDialogRequest request;
    request.filter = kImportFilter;
    request.initialPath = m_fileName->text();
    request.fileMustExist = true;
    if (const auto choice = Messages().openFile(request)) m_fileName->setText(choice->path);
}

void TTableChartForm::ViewEditClick() {
    const QString path = m_fileName->text();
    if (editorHook()) {
        editorHook()(path);
        return;
    }
    if (!QProcess::startDetached(QStringLiteral("xdg-open"), {path}))
        Messages().information(kWordProcessorFailed);
}

void TTableChartForm::ReadFromFileClick() {
    QStringList lines;
    try {
        const TWordReader reader(m_fileName->text());
        for (int i = 0; i < reader.lineCount(); ++i)
            lines << reader.line(i).text();
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return;
    }
    importLines(lines);
}

void TTableChartForm::PasteFromClipboardClick() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime || !mime->hasText() || mime->text().isEmpty()) {
        Messages().information(kNoClipboardText);
        return;
    }
    importLines(TextLines(mime->text()));
}

void TTableChartForm::importLines(const QStringList& lines) {
    if (!m_table || !commit()) return;
    try {
        if (ImportRows(*m_table, lines, [this] { AddRowClick(); }) > 0) m_table->SetModified(true);
    } catch (const EFrontendError& e) {
        m_table->SetModified(true);
        Messages().information(e.message());
    }
    refresh();
}

// ---- OK and Cancel

void TTableChartForm::takeSnapshot() {
    m_snapshot.clear();
    if (!m_table) return;
    m_snapshotRows = m_table->RowCount();
    m_snapshotModified = m_table->IsModified();
    for (int c = 0; c < m_table->ColumnCount(); ++c) {
        const TColumn* column = m_table->Column(c);
        TColumnValues values;
        for (int r = 0; r < m_snapshotRows; ++r) {
            if (dynamic_cast<const TFloatColumn*>(column))
                values.floats << column->GetFloat(r);
            else if (dynamic_cast<const TIntColumn*>(column) ||
                     dynamic_cast<const TEnumColumn*>(column))
                values.integers << column->GetInt(r);
            else if (dynamic_cast<const TStringColumn*>(column))
                values.texts << column->GetText(r);
        }
        m_snapshot.push_back(values);
    }
}

void TTableChartForm::restoreSnapshot() {
    if (!m_table) return;
    m_table->SetRowCount(m_snapshotRows);
    for (int c = 0; c < m_table->ColumnCount() && c < static_cast<int>(m_snapshot.size()); ++c) {
        TColumn* column = m_table->Column(c);
        const TColumnValues& values = m_snapshot[static_cast<size_t>(c)];
        for (int r = 0; r < m_snapshotRows; ++r) {
            if (r < values.floats.size())
                column->SetFloat(r, values.floats[r]);
            else if (r < values.integers.size())
                column->SetInt(r, values.integers[r]);
            else if (r < values.texts.size())
                column->SetText(r, values.texts[r]);
        }
    }
    if (!m_snapshotModified) m_table->ResetModified();
    m_table->TableChanged();
}

void TTableChartForm::OKClick() {
    if (QWidget* window = frameWindow()) window->close();
}

void TTableChartForm::CancelClick() {
    restoreSnapshot();
    closeWithoutCommit();
}

} // namespace tervane
