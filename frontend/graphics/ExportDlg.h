#pragma once
// The export window ("Export to Excel"): a check list of the seven result graphs that can be
// exported, and the command that writes the chosen ones as a spreadsheet workbook.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class TDlgExport;
}

namespace tervane {

class TGraphModels;
class TGraphPlot;

// The graphs of the export list, in list order: p-y curves, deflection, shear, moment, soil
// reaction, earth pressure distribution, earth pressure combined.
std::vector<TGraphPlot*> ExportGraphs(TGraphModels& models);
inline constexpr int kExportEntryCount = 7;

// The default workbook name: the project path with the extension ".xlsx".
QString DefaultWorkbookPath(const QString& projectFile);

class TDlgExport : public QDialog {
    Q_OBJECT
public:
    // `commandEnabled(k)` tells whether the main-window command of entry k (0-based) is enabled,
    // that is, whether that graph has results. `projectFile` names the default workbook.
    TDlgExport(TGraphModels& models, std::function<bool(int entry)> commandEnabled,
               std::function<QString()> projectFile, QWidget* parent = nullptr);
    ~TDlgExport() override;

    // Opens a written workbook with the desktop's spreadsheet program; returns false when none
    // could be started. Tests replace it.
    std::function<bool(const QString& path)> openDocument;

    // Fills the list afresh (done each time the window is shown).
    void FormActivate();
    void SelectAllClick();
    void UnselectAllClick();
    void GenerateClick();

    // The state of the list (tests).
    bool EntryEnabled(int entry) const;
    bool EntryChecked(int entry) const;
    void SetEntryChecked(int entry, bool checked);
    bool GenerateEnabled() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateGenerateButton();
    std::unique_ptr<Ui::TDlgExport> m_ui;
    TGraphModels& m_models;
    std::function<bool(int)> m_commandEnabled;
    std::function<QString()> m_projectFile;
};

} // namespace tervane
