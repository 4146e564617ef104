#pragma once
// The title dialog of the graph window ("&Graph Title"): the title text and whether it stands at
// the top or the bottom. However the dialog is closed, the caller takes what it holds.

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmGraphCaption;
}

namespace tervane {

class TfrmGraphCaption : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGraphCaption(QWidget* parent = nullptr);
    ~TfrmGraphCaption() override;

    void SetValues(const QString& title, bool atTop);
    QString TitleText() const;
    bool AtTop() const;

private:
    std::unique_ptr<Ui::TfrmGraphCaption> m_ui;
};

} // namespace tervane
