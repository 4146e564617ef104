#pragma once
// The editor window of a chart table: the table window with a chart of two columns (or a
// drawing of segments) above the grid, reading rows from a text file or from the clipboard, and
// OK and Cancel. OK closes the window as closing it does; Cancel first gives the table back the
// rows and values it had when the window opened.

#include "TableForm.h"

#include <QVector>
#include <functional>

class QLineEdit;

namespace tervane {

class TGridTableChart;
class TTableChartPane;

// Installs the factory through which every grid table opens its editor window (a TTableForm, or
// a TTableChartForm for a chart table). Called once at program start.
void InstallTableEditors();

// Starts the user's text editor on a file (set by the main window, which owns the editor path).
using TTextEditorHook = std::function<void(const QString& path)>;
void SetTextEditorHook(TTextEditorHook hook);

// Texts of the chart window.
inline const QString kNoClipboardText = QStringLiteral("There is no text on the Clipboard");
inline const QString kWordProcessorFailed =
    QStringLiteral("An error occurred in running the Word Processor");
inline const QString kImportFilter =
    QStringLiteral("Text Files (*.txt)|*.txt|Data Files (*.dat)|*.dat|All Files (*.*)|*.*");

class TTableChartForm : public TTableForm {
    Q_OBJECT
public:
    static std::unique_ptr<TGridEditor> Open(TGridTable& table, bool modal);
    ~TTableChartForm() override;

    TTableChartPane* chartPane() const { return m_pane; }
    QLineEdit* fileNameEdit() const { return m_fileName; }
    QPushButton* viewButton() const { return m_view; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void BrowseClick();
    void ViewEditClick();
    void ReadFromFileClick();
    void PasteFromClipboardClick();
    void OKClick();
    void CancelClick();
    // Reads rows from lines of text; a refused value ends the reading with its message.
    void importLines(const QStringList& lines);

protected:
    TTableChartForm(TGridTableChart& table, bool modal);
    TFormLayoutInput layoutInput() const override;
    void placeExtras(const TFormLayout& layout) override;
    int maxVisibleRows() const override;
    void chartChanged() override;
    void tableReleased() override;

private:
    struct TColumnValues {
        QVector<long double> floats;
        QVector<int> integers;
        QStringList texts;
    };
    void takeSnapshot();
    void restoreSnapshot();
    void fileNameChanged();
    bool chartShown() const;

    TGridTableChart& m_chartTable;
    TTableChartPane* m_pane = nullptr;
    QLabel* m_fileLabel = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_view = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_paste = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    int m_snapshotRows = 0;
    bool m_snapshotModified = false;
    std::vector<TColumnValues> m_snapshot;
};

} // namespace tervane
