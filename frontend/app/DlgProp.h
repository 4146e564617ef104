#pragma once
// The wall properties dialog: the number and length of the increments, the deflection limit and
// closure tolerance of the iteration, the free height, and the wall stiffness table.

#include "InputDialog.h"

#include <memory>

namespace Ui {
class TDlgProp;
}

namespace tervane {

class TDlgProp : public TInputDialog {
    Q_OBJECT
public:
    explicit TDlgProp(QWidget* parent = nullptr);
    ~TDlgProp() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgProp* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgProp* Instance() { return s_instance.data(); }

protected:
    void LoadFields(TProgramData& project) override;
    void StoreFields(TProgramData& project) override;

private:
    std::unique_ptr<Ui::TDlgProp> m_ui;
    static inline QPointer<TDlgProp> s_instance;
};

} // namespace tervane
