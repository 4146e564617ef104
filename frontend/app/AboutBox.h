#pragma once
// The modal about box: the program's name, its version and what it is for.

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

namespace tervane {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // The texts the box shows, top to bottom.
    QStringList Lines() const;

private:
    std::unique_ptr<Ui::TAboutBox> m_ui;
};

} // namespace tervane
