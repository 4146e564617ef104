#pragma once
// A stand-in for the table editor window: records the notifications and the cell controls that a
// grid table hands it, so that tests can check the editor seam without widgets.

#include "ColumnControls.h"
#include "Table.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace testsupport {

struct FakeControlState {
    int selection = 0;
    QString caption;
    bool alive = true;
};

class FakeControl : public tervane::TCellControl {
public:
    explicit FakeControl(std::shared_ptr<FakeControlState> state) : m_state(std::move(state)) {}
    ~FakeControl() override { m_state->alive = false; }
    void setSelection(int choice) override { m_state->selection = choice; }
    void setCaption(const QString& caption) override { m_state->caption = caption; }

private:
    std::shared_ptr<FakeControlState> m_state;
};

class FakeEditor : public tervane::TGridEditor {
public:
    FakeEditor(tervane::TGridTable& table, bool modal) : m_modal(modal) {
        title = table.EditorTitle();
        table.AttachEditor(
            this, [this] { ++tableChanges; },
            [this](int column, int row) { cellChanges.emplace_back(column, row); });
    }
    bool isModal() const override { return m_modal; }
    void setTitle(const QString& text) override { title = text; }
    std::unique_ptr<tervane::TCellControl> createChoiceControl(int column, int row,
                                                               const QStringList&) override {
        return make(column, row);
    }
    std::unique_ptr<tervane::TCellControl> createButtonControl(int column, int row) override {
        return make(column, row);
    }
    FakeControlState& control(int column, int row) { return *controls.at({column, row}); }

    QString title;
    int tableChanges = 0;
    std::vector<std::pair<int, int>> cellChanges;
    std::map<std::pair<int, int>, std::shared_ptr<FakeControlState>> controls;

private:
    std::unique_ptr<tervane::TCellControl> make(int column, int row) {
        auto state = std::make_shared<FakeControlState>();
        controls[{column, row}] = state;
        return std::make_unique<FakeControl>(state);
    }
    bool m_modal;
};

// Installs a factory that makes FakeEditors, and removes it again.
class FakeEditorFactory {
public:
    FakeEditorFactory() {
        tervane::TGridTable::SetEditorFactory([this](tervane::TGridTable& table, bool modal) {
            auto editor = std::make_unique<FakeEditor>(table, modal);
            editors.push_back(editor.get());
            return editor;
        });
    }
    ~FakeEditorFactory() { tervane::TGridTable::SetEditorFactory(nullptr); }
    std::vector<FakeEditor*> editors;
};

} // namespace testsupport
