#pragma once
// The project title dialog: one line of up to 80 characters describing the project.

#include "InputDialog.h"

#include <memory>

namespace Ui {
class TdlgTitle;
}

namespace tervane {

class TdlgTitle : public TInputDialog {
    Q_OBJECT
public:
    explicit TdlgTitle(QWidget* parent = nullptr);
    ~TdlgTitle() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TdlgTitle* ShowInstance();
    // The open dialog, or nullptr.
    static TdlgTitle* Instance() { return s_instance.data(); }

protected:
    void LoadFields(TProgramData& project) override;
    void StoreFields(TProgramData& project) override;
    bool EditsMarkModified() const override { return false; }

    std::unique_ptr<Ui::TdlgTitle> m_ui;
    static inline QPointer<TdlgTitle> s_instance;
};

} // namespace tervane
