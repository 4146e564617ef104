#pragma once
// The lateral and rotational springs dialog: the switch that applies them and the button that
// opens the spring table. The switch is stored on deactivation and again on close, also when the
// close is refused.

#include "TableDialogs.h"

#include <memory>

namespace Ui {
class TDlgSpring;
}

namespace tervane {

class TDlgSpring : public TSwitchedTableDialog {
    Q_OBJECT
public:
    explicit TDlgSpring(QWidget* parent = nullptr);
    ~TDlgSpring() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgSpring* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgSpring* Instance() { return s_instance.data(); }

protected:
    void ClosingStore(TProgramData& project) override { StoreFields(project); }

private:
    std::unique_ptr<Ui::TDlgSpring> m_ui;
    static inline QPointer<TDlgSpring> s_instance;
};

} // namespace tervane
