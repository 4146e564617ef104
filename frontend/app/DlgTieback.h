#pragma once
// The tieback dialog: a picture of the anchor geometry and the button that opens the tieback
// table.

#include "TableDialogs.h"

#include <memory>

namespace Ui {
class TDlgTieback;
}

namespace tervane {

class TDlgTieback : public TPictureTableDialog {
    Q_OBJECT
public:
    explicit TDlgTieback(QWidget* parent = nullptr);
    ~TDlgTieback() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgTieback* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgTieback* Instance() { return s_instance.data(); }

private:
    std::unique_ptr<Ui::TDlgTieback> m_ui;
    static inline QPointer<TDlgTieback> s_instance;
};

} // namespace tervane
