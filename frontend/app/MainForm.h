#pragma once
// The program's main window: a multiple-document frame whose children are the input dialogs, table
// editor windows, graph windows and views.

#include <QMainWindow>

class QMdiArea;

namespace tervane {

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QMdiArea* mdiArea() const { return m_mdiArea; }

private:
    QMdiArea* m_mdiArea;
};

} // namespace tervane
