#pragma once
// The wall configuration dialog: the free height, the widths for the active earth pressure and
// for the p-y curves, the water tables on both sides, the uniform surcharge, the backfill slope and
// the active-pressure factor, with two explanatory pictures.

#include "InputDialog.h"

#include <memory>

namespace Ui {
class TdlgCSD;
}

namespace tervane {

class TdlgCSD : public TInputDialog {
    Q_OBJECT
public:
    explicit TdlgCSD(QWidget* parent = nullptr);
    ~TdlgCSD() override;

    // Creates the dialog on first use, else brings it to the front; then loads it.
    static TdlgCSD* ShowInstance();
    // The open dialog, or nullptr.
    static TdlgCSD* Instance() { return s_instance.data(); }

protected:
    void LoadFields(TProgramData& project) override;
    void StoreFields(TProgramData& project) override;

private:
    void alignFieldColumns();

    std::unique_ptr<Ui::TdlgCSD> m_ui;
    static inline QPointer<TdlgCSD> s_instance;
};

} // namespace tervane
