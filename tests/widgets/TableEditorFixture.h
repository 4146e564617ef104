#pragma once
// Opening real tables' editor windows in tests: the project's tables, the editor factory and a
// scripted messages layer, and the form of an open table.

#include "ProjectTables.h"
#include "ScriptedMessages.h"
#include "TableChartForm.h"
#include "TableDefinitions.h"
#include "TableForm.h"
#include "TableGrid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTableWidgetItem>
#include <gtest/gtest.h>

namespace tervane::test {

class TableEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallTableEditors();
        tables.Reset();
    }
    void TearDown() override {
        tables.CloseEditors();
        flushDeletes();
        TGridTable::SetEditorFactory(nullptr);
    }
    static void flushDeletes() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static TTableForm* formOf(TGridTable& table) {
        auto* handle = dynamic_cast<TTableEditorHandle*>(table.Editor());
        return handle ? handle->form() : nullptr;
    }
    static TTableForm* open(TGridTable& table) {
        table.ShowEditor();
        return formOf(table);
    }
    // Types `text` into the cell (row, shown column) as the cell editor leaves it.
    static void type(TTableForm* form, int row, int column, const QString& text) {
        form->grid()->setCurrentCell(row, column);
        form->grid()->item(row, column)->setText(text);
    }

    TScriptedMessagesScope scope;
    TProjectTables tables;
};

} // namespace tervane::test
