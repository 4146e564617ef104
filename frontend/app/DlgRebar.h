#pragma once
// The additional surcharge dialog: a picture of the three surcharge types and the button that
// opens the surcharge table.

#include "TableDialogs.h"

#include <memory>

namespace Ui {
class TDlgRebar;
}

namespace tervane {

class TDlgRebar : public TPictureTableDialog {
    Q_OBJECT
public:
    explicit TDlgRebar(QWidget* parent = nullptr);
    ~TDlgRebar() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgRebar* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgRebar* Instance() { return s_instance.data(); }

private:
    std::unique_ptr<Ui::TDlgRebar> m_ui;
    static inline QPointer<TDlgRebar> s_instance;
};

} // namespace tervane
