#pragma once
// TDlgDeformedShape, the "Deformed Shape" window: switches of the deflected wall and of the
// undeformed outline in the open 3-D view, and the deformation factor with an up-down control
// that steps its leading digit. Not modal; created on first use and freed when closed.

#include <QWidget>

#include <memory>

namespace Ui {
class TDlgDeformedShape;
}

namespace tervane {

class TDlgBlock;

class TDlgDeformedShape : public QWidget {
    Q_OBJECT
public:
    // Creates the window when it is not open, shows and activates it.
    static TDlgDeformedShape* ShowInstance();
    static TDlgDeformedShape* Instance();
    static void CloseInstance();

    explicit TDlgDeformedShape(QWidget* parent = nullptr);
    ~TDlgDeformedShape() override;

    // Shows the view's switches and factor (what activation does).
    void FormActivate();

    // Handlers of the controls, callable from tests.
    void DeformedClick(bool checked);
    void UndeformedClick(bool checked);
    void FactorEdited(const QString& text);
    void UpDownClick(bool up);
    QString FactorText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateEnabling();
    std::unique_ptr<Ui::TDlgDeformedShape> m_ui;
};

// The message for factor text that is not a number.
QString NotAFloatMessage(const QString& text);

} // namespace tervane
