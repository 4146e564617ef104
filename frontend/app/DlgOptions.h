#pragma once
// The control options dialog: the path of the external text editor, with a Browse dialog. The
// path is a program setting that the main window holds; the dialog reaches it through the hook
// the main window installs (SetEditorPathHook).

#include "InputDialog.h"

#include <QString>
#include <functional>
#include <memory>

namespace Ui {
class TDlgOptions;
}

namespace tervane {

// The main window's editor path: `get` reads it when the dialog is activated, `set` writes the
// edited path when it is deactivated. Without a hook the dialog shows an empty path and stores
// nothing.
void SetEditorPathHook(std::function<QString()> get, std::function<void(const QString&)> set);

// The Browse dialog's filter, and its position to start with for a path: programs for a path
// ending in ".exe" or ".com", else all files (programs on this platform have no extension).
inline const QString kProgramsFilter = QStringLiteral("Programs|*.exe;*.com|All Files (*.*)|*.*");
int BrowseFilterIndex(const QString& path);

class TDlgOptions : public TInputDialog {
    Q_OBJECT
public:
    explicit TDlgOptions(QWidget* parent = nullptr);
    ~TDlgOptions() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TDlgOptions* ShowInstance();
    // The open dialog, or nullptr.
    static TDlgOptions* Instance() { return s_instance.data(); }

protected:
    void LoadFields(TProgramData& project) override;
    void StoreFields(TProgramData& project) override;
    bool EditsMarkModified() const override { return false; }

private:
    void btnBrowseClick();

    std::unique_ptr<Ui::TDlgOptions> m_ui;
    static inline QPointer<TDlgOptions> s_instance;
};

} // namespace tervane
