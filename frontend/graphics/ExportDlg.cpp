#include "ExportDlg.h"

#include "EntryErrors.h"
#include "GraphModels.h"
#include "Messages.h"
#include "WorkbookExport.h"
#include "ui_ExportDlg.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace tervane {

std::vector<TGraphPlot*> ExportGraphs(TGraphModels& models) {
    return {&models.pltPY,   &models.pltDef, &models.pltShear,  &models.pltMom,
            &models.pltSoil, &models.pltLD,  &models.PltCombine};
}

QString DefaultWorkbookPath(const QString& projectFile) {
    const QFileInfo info(projectFile);
    return info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".xlsx");
}

TDlgExport::TDlgExport(TGraphModels& models, std::function<bool(int)> commandEnabled,
                       std::function<QString()> projectFile, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TDlgExport>()), m_models(models),
      m_commandEnabled(std::move(commandEnabled)), m_projectFile(std::move(projectFile)) {
    m_ui->setupUi(this);
    openDocument = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    connect(m_ui->BtnSelectAll, &QPushButton::clicked, this, &TDlgExport::SelectAllClick);
    connect(m_ui->BtnUnselectAll, &QPushButton::clicked, this, &TDlgExport::UnselectAllClick);
    connect(m_ui->BtnGenerate, &QPushButton::clicked, this, &TDlgExport::GenerateClick);
    connect(m_ui->BtnClose, &QPushButton::clicked, this, &QDialog::reject);
}

TDlgExport::~TDlgExport() = default;

void TDlgExport::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TDlgExport::FormActivate() {
    QListWidget* list = m_ui->CheckListBoxPlots;
    list->clear();
    const std::vector<TGraphPlot*> graphs = ExportGraphs(m_models);
    for (int k = 0; k < kExportEntryCount; ++k) {
        auto* item = new QListWidgetItem(graphs[static_cast<size_t>(k)]->Caption, list);
        const bool enabled = m_commandEnabled && m_commandEnabled(k);
        item->setFlags(enabled ? (Qt::ItemIsEnabled | Qt::ItemIsUserCheckable)
                               : Qt::ItemIsUserCheckable);
        item->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
    }
    updateGenerateButton();
}

void TDlgExport::SelectAllClick() {
    for (int k = 0; k < m_ui->CheckListBoxPlots->count(); ++k)
        if (EntryEnabled(k)) SetEntryChecked(k, true);
    updateGenerateButton();
}

void TDlgExport::UnselectAllClick() {
    for (int k = 0; k < m_ui->CheckListBoxPlots->count(); ++k)
        if (EntryEnabled(k)) SetEntryChecked(k, false);
    updateGenerateButton();
}

bool TDlgExport::EntryEnabled(int entry) const {
    const QListWidgetItem* item = m_ui->CheckListBoxPlots->item(entry);
    return item != nullptr && (item->flags() & Qt::ItemIsEnabled);
}

bool TDlgExport::EntryChecked(int entry) const {
    const QListWidgetItem* item = m_ui->CheckListBoxPlots->item(entry);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void TDlgExport::SetEntryChecked(int entry, bool checked) {
    if (QListWidgetItem* item = m_ui->CheckListBoxPlots->item(entry))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool TDlgExport::GenerateEnabled() const {
    return m_ui->BtnGenerate->isEnabled();
}

void TDlgExport::updateGenerateButton() {
    bool any = false;
    for (int k = 0; k < m_ui->CheckListBoxPlots->count(); ++k)
        any = any || EntryChecked(k);
    m_ui->BtnGenerate->setEnabled(any);
}

void TDlgExport::GenerateClick() {
    TFileDialogRequest request;
    request.title = QStringLiteral("Export to Excel");
    request.filter = QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx|All Files (*.*)|*.*");
    request.defaultExt = QStringLiteral("xlsx");
    request.initialPath = DefaultWorkbookPath(m_projectFile ? m_projectFile() : QString());
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const std::optional<TFileChoice> choice = Messages().saveFile(request);
    if (!choice) return;
    std::vector<const TGraphPlot*> chosen;
    const std::vector<TGraphPlot*> graphs = ExportGraphs(m_models);
    for (int k = 0; k < kExportEntryCount; ++k)
        if (EntryChecked(k)) chosen.push_back(graphs[static_cast<size_t>(k)]);
    try {
        WriteWorkbook(choice->path, chosen);
    } catch (const EFrontendError& e) {
        Messages().information(e.message());
        return;
    }
    if (openDocument) openDocument(choice->path);
}

} // namespace tervane
