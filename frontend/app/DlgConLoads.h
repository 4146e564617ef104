#pragma once
// The concentrated loads dialog: the switch that applies them and the button that opens their
// table.

#include "TableDialogs.h"

#include <memory>

namespace Ui {
class TDlgConLoads;
}

namespace tervane {

class TDlgConLoads : public TSwitchedTableDialog {
    Q_OBJECT
public:
    explicit TDlgConLoads(QWidget* parent = nullptr);
    ~TDlgConLoads() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgConLoads* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgConLoads* Instance() { return s_instance.data(); }

private:
    std::unique_ptr<Ui::TDlgConLoads> m_ui;
    static inline QPointer<TDlgConLoads> s_instance;
};

} // namespace tervane
