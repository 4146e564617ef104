// The table editor window on the project's own tables: rows shown, row buttons, cell entry
// through each column kind, Enter navigation, closing and the window-sizing rule.

#include "TableEditorFixture.h"

#include "ColumnTypes.h"

#include "MdiHost.h"
#include "PictureDecoder.h"
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QHeaderView>

#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

using namespace tervane;
using tervane::test::TableEditorTest;

namespace {

const QString kNotEvaluated = QStringLiteral("Entry could not be evaluated:") + QChar(13) +
                              QStringLiteral("invalid character(s) in expression");

} // namespace

TEST_F(TableEditorTest, RowsShownAndRowButtons) {
    // Parameter tables of two fixed rows show no row buttons.
    TTableForm* clay = open(tables.Table(QStringLiteral("TblClay1")));
    ASSERT_NE(clay, nullptr);
    EXPECT_FALSE(clay->addRowButton()->isVisibleTo(clay));
    EXPECT_EQ(clay->windowTitle(), QStringLiteral("Clay "));
    EXPECT_EQ(clay->grid()->rowCount(), 2);

    // 25 rows: 10 shown with a vertical scroll bar; 3 rows: all shown, no scroll bar.
    TGridTable& loads = tables.DistLoad();
    loads.SetRowCount(25);
    TTableForm* form = open(loads);
    EXPECT_EQ(form->view().visibleRows, 10);
    EXPECT_EQ(form->grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(form->addRowButton()->isVisibleTo(form));
    const TSizingInput in = form->sizingInput();
    EXPECT_EQ(form->grid()->size(), GridSize(in.grid, form->view()));
    EXPECT_EQ(form->grid()->horizontalHeader()->height(), 2 * (in.grid.rowHeight + 1));
    loads.CloseEditors();
    flushDeletes();

    loads.SetRowCount(3);
    form = open(loads);
    EXPECT_EQ(form->view().visibleRows, 3);
    EXPECT_EQ(form->grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // Below MinRows the window raises the row count first.
    TGridTable& mods = tables.PYMod();
    mods.SetRowCount(0);
    open(mods);
    EXPECT_EQ(mods.RowCount(), 2);
}

TEST_F(TableEditorTest, AddInsertDeleteRows) {
    TGridTable& loads = tables.DistLoad(); // MinRows 2, MaxRows 100
    TTableForm* form = open(loads);
    EXPECT_FALSE(form->deleteRowButton()->isEnabled()); // at MinRows
    form->AddRowClick();
    EXPECT_EQ(loads.RowCount(), 3);
    EXPECT_EQ(form->view().visibleRows, 3);
    EXPECT_TRUE(loads.IsModified());
    EXPECT_TRUE(form->deleteRowButton()->isEnabled());
    for (int i = 0; i < 9; ++i)
        form->AddRowClick();
    // Visible rows stop at 10; the new last row is the last one in view.
    EXPECT_EQ(loads.RowCount(), 12);
    EXPECT_EQ(form->view().visibleRows, 10);
    EXPECT_EQ(form->view().firstRow, 2);
    EXPECT_EQ(form->grid()->verticalScrollBar()->value(), 2);

    // Insert and delete need the cursor on a data row.
    form->grid()->setCurrentCell(-1, -1);
    form->InsertRowClick();
    form->DeleteRowClick();
    EXPECT_EQ(scope.messages.informationTexts(),
              QStringList({QStringLiteral("Grid.Row not in valid range"),
                           QStringLiteral("Grid.Row not in valid range")}));
    EXPECT_EQ(loads.RowCount(), 12);

    loads.Cell(1, 4).SetFloat(44);
    form->grid()->setCurrentCell(4, 1);
    form->InsertRowClick();
    EXPECT_EQ(loads.RowCount(), 13);
    EXPECT_EQ(loads.Cell(1, 5).AsFloat(), 44);
    EXPECT_EQ(form->grid()->item(5, 1)->text(), QStringLiteral("44"));
    form->grid()->setCurrentCell(5, 1);
    form->DeleteRowClick();
    EXPECT_EQ(loads.RowCount(), 12);
    EXPECT_EQ(loads.Cell(1, 5).AsFloat(), 0);
    EXPECT_EQ(form->grid()->verticalHeaderItem(11)->text(), QStringLiteral("12"));
}

TEST_F(TableEditorTest, FloatCellTakesExpressionsAndKeepsTheCursorOnErrors) {
    TGridTable& walls = tables.PileSect(); // From, To, Mode, EI
    walls.SetRowCount(2);
    TTableForm* form = open(walls);
    type(form, 0, 3, QStringLiteral("2*3"));
    form->enterMove();
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 6);
    EXPECT_EQ(form->grid()->item(0, 3)->text(), QStringLiteral("6"));
    EXPECT_EQ(form->grid()->currentRow(), 1);
    EXPECT_TRUE(walls.IsModified());

    type(form, 1, 3, QStringLiteral("x"));
    form->enterMove();
    EXPECT_EQ(scope.messages.informationTexts(), QStringList(kNotEvaluated));
    EXPECT_EQ(form->grid()->currentRow(), 1);
    EXPECT_EQ(form->grid()->currentColumn(), 3);
    EXPECT_EQ(walls.Cell(3, 1).AsFloat(), 0);
    // Selecting another cell fails the same way; closing is refused while the entry stands.
    form->grid()->setCurrentCell(0, 0);
    EXPECT_EQ(form->grid()->currentRow(), 1);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(walls.Editor() != nullptr, true);
    EXPECT_EQ(scope.messages.informationTexts().size(), 3);

    // A change of units relabels and rewrites the open window.
    form->grid()->item(1, 3)->setText(walls.Cell(3, 1).AsText());
    walls.ChangeUnits(2);
    EXPECT_EQ(form->grid()->horizontalHeaderItem(3)->text().split(u'\n')[0],
              QStringLiteral("Flexural Stiffness (EI) (kN-m^2)  "));
    EXPECT_NE(form->grid()->item(0, 3)->text(), QStringLiteral("6"));
    walls.ChangeUnits(1);
    EXPECT_EQ(form->grid()->item(0, 3)->text(), QStringLiteral("6"));

    // Corrected, the window closes and the table forgets it.
    form->grid()->setCurrentCell(1, 3);
    form->grid()->item(1, 3)->setText(QStringLiteral("1E-5"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(walls.Editor(), nullptr);
    EXPECT_EQ(walls.Cell(3, 1).AsFloat(), 0.00001L);
    flushDeletes();
    // Opened again, a new window shows the stored values.
    form = open(walls);
    EXPECT_EQ(form->grid()->item(1, 3)->text(), QStringLiteral("1E-5"));
}

TEST_F(TableEditorTest, NavigatingDoesNotRoundStoredValues) {
    TGridTable& walls = tables.PileSect();
    walls.Cell(3, 0).SetFloat(1.234567891234L);
    TTableForm* form = open(walls);
    form->grid()->setCurrentCell(0, 3);
    form->enterMove(); // the shown text "1.2345679" is not stored back
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 1.234567891234L);
    EXPECT_FALSE(walls.IsModified());
}

TEST_F(TableEditorTest, EnterMovesDownThenToTheNextColumn) {
    TGridTable& springs = tables.SoilStrength(); // Mode (choice), From, To, two floats
    springs.SetRowCount(2);
    TTableForm* form = open(springs);
    // The choice column takes no cursor: the window starts in the first text column.
    EXPECT_EQ(form->grid()->currentColumn(), 1);
    form->enterMove();
    EXPECT_EQ(form->grid()->currentRow(), 1);
    form->enterMove();
    EXPECT_EQ(form->grid()->currentRow(), 0);
    EXPECT_EQ(form->grid()->currentColumn(), 2);
    form->grid()->setCurrentCell(1, 4);
    form->enterMove(); // from the last column to column 1, past the choice column
    EXPECT_EQ(form->grid()->currentRow(), 0);
    EXPECT_EQ(form->grid()->currentColumn(), 1);
    // The Enter key does the same.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(form->grid(), &enter);
    EXPECT_EQ(form->grid()->currentRow(), 1);
}

TEST_F(TableEditorTest, IntegerCellChecksWholeNumbers) {
    TGridTable& restraints = tables.Soillayer(); // Case, Nodal No., Deflection, Slope
    TTableForm* form = open(restraints);
    type(form, 0, 1, QStringLiteral("2.5"));
    EXPECT_FALSE(form->commit());
    EXPECT_EQ(scope.messages.informationTexts(),
              QStringList(QStringLiteral("Entry must be an integer.")));
    type(form, 0, 1, QStringLiteral("3*4"));
    EXPECT_TRUE(form->commit());
    EXPECT_EQ(restraints.Cell(1, 0).AsInteger(), 12);
    EXPECT_EQ(form->grid()->item(0, 1)->text(), QStringLiteral("12"));
}

TEST_F(TableEditorTest, ChoiceCellsAreComboBoxes) {
    TGridTable& restraints = tables.Soillayer();
    restraints.SetRowCount(2);
    TTableForm* form = open(restraints);
    auto* box = qobject_cast<QComboBox*>(form->cellControl(0, 1));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_TRUE(box->isVisibleTo(form));
    // The box lies on its cell.
    const QRect cell = form->grid()->visualRect(form->grid()->model()->index(1, 0));
    EXPECT_EQ(box->geometry().topLeft(), cell.topLeft());
    emit box->activated(1);
    EXPECT_EQ(restraints.Cell(0, 1).AsInteger(), 2);
    EXPECT_TRUE(restraints.IsModified());
    // A store from elsewhere shows in the box.
    restraints.Cell(0, 1).SetInteger(1);
    EXPECT_EQ(box->currentIndex(), 0);
}

TEST_F(TableEditorTest, LinkCellsOpenTheRowsSubTable) {
    TGridTable& soil = tables.NewSoil(); // Soil Type, Depth, Soil Parameters
    soil.SetRowCount(2);
    TTableForm* form = open(soil);
    auto* button = qobject_cast<QPushButton*>(form->cellControl(2, 1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("2: Clay"));
    button->click();
    TGridTable* clay = soil.Cell(2, 1).AsTable();
    TTableForm* sub = formOf(*clay);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Clay  2"));

    // A new soil type replaces the layer's table: its window goes, the button names the new one.
    auto* box = qobject_cast<QComboBox*>(form->cellControl(0, 1));
    emit box->activated(3);
    flushDeletes();
    EXPECT_EQ(soil.Cell(0, 1).AsInteger(), 4);
    auto* newButton = qobject_cast<QPushButton*>(form->cellControl(2, 1));
    ASSERT_NE(newButton, nullptr);
    EXPECT_EQ(newButton->text(), QStringLiteral("2: Sand"));
    newButton->click();
    EXPECT_EQ(formOf(*soil.Cell(2, 1).AsTable())->windowTitle(), QStringLiteral("Sand  2"));

    // Closing the layer window closes the windows of its layers' tables too.
    EXPECT_TRUE(form->close());
    flushDeletes();
    EXPECT_EQ(soil.Cell(2, 1).AsTable()->Editor(), nullptr);
}

TEST_F(TableEditorTest, StringCellsStoreTheirText) {
    std::vector<TTableDefinition> own =
        ReadTableDefinitions(QStringLiteral(R"(object Notes: TGridTable
  Caption = 'Notes'
  TopLeft = 'Row'
  MinRows = 1
  MaxRows = 5
  Col = {
    2
    4 ('Name') True False 'none' 1.0
    2 ('Length') True False False 'FLOATCOLUMN2' 'L' 0.0
  }
end
)"));
    TGridTable& notes = *own[0].table;
    TTableForm* form = open(notes);
    EXPECT_EQ(form->grid()->item(0, 0)->text(), QStringLiteral("none"));
    auto* corner = form->grid()->findChild<QLabel*>();
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->text(), QStringLiteral("Row"));
    // Width: one inch, more than the caption.
    EXPECT_EQ(form->grid()->horizontalHeader()->sectionSize(0), form->logicalDpiX() + 1);
    type(form, 0, 0, QStringLiteral("2*3"));
    form->enterMove();
    EXPECT_EQ(notes.Cell(0, 0).AsText(), QStringLiteral("2*3"));
    own[0].table->CloseEditors();
    flushDeletes();
}

TEST_F(TableEditorTest, DraggedWindowSnapsToWholeRows) {
    QMdiArea area;
    area.resize(1000, 800);
    area.show();
    SetMdiArea(&area);
    TGridTable& loads = tables.DistLoad();
    loads.SetRowCount(25);
    TTableForm* form = open(loads);
    QWidget* window = form->frameWindow();
    ASSERT_NE(window, form); // a sub-window of the area
    const QRect start = window->geometry();
    const int rowStep = form->sizingInput().grid.rowHeight + 1;
    // Dragging the bottom edge up by two and a half rows shows three rows fewer.
    form->applySizing(start.adjusted(0, 0, 0, -(5 * rowStep) / 2), kEdgeBottom);
    EXPECT_EQ(form->view().visibleRows, 7);
    EXPECT_EQ(window->geometry().top(), start.top());
    EXPECT_EQ(window->height(), start.height() - 3 * rowStep);
    // Dragging the top edge down keeps the bottom edge.
    const QRect before = window->geometry();
    form->applySizing(before.adjusted(0, rowStep, 0, 0), kEdgeTop);
    EXPECT_EQ(form->view().visibleRows, 6);
    EXPECT_EQ(window->geometry().bottom(), before.bottom());
    // The user's drag arrives as a resize of the sub-window: it snaps the same way.
    window->setGeometry(window->geometry().adjusted(0, 0, 0, rowStep + rowStep / 2));
    EXPECT_EQ(form->view().visibleRows, 7);
    EXPECT_EQ(window->geometry().bottom(), before.bottom() + rowStep);
    loads.CloseEditors();
    flushDeletes();
    SetMdiArea(nullptr);
}

TEST_F(TableEditorTest, HelpPictureCornerTextAndResizeEvent) {
    // Qt's own decoder reads the PNG below, whatever decoder an earlier test installed.
    SetPictureDecoder(nullptr);
    TGridTable& springs = tables.SoilStrength();
    int resized = 0;
    springs.OnResize = [&](TGridTable&) { ++resized; };
    TTableForm* form = open(springs);
    EXPECT_GT(resized, 0);
    const int height = form->height();
    EXPECT_FALSE(form->imageLabel()->isVisibleTo(form));

    // A picture given while the window is open shows at once under the row buttons.
    QImage picture(120, 60, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    springs.SetHelpPicture(bytes);
    EXPECT_TRUE(form->imageLabel()->isVisibleTo(form));
    EXPECT_EQ(form->imageLabel()->geometry(),
              QRect(form->margin(), form->addRowButton()->geometry().bottom() + 1 + form->margin(),
                    120, 60));
    EXPECT_EQ(form->height(), height + 60 + form->margin());

    // The program's own decoder is used when installed.
    int decoded = 0;
    SetPictureDecoder([&](const QByteArray&) {
        ++decoded;
        return QImage(10, 10, QImage::Format_RGB32);
    });
    springs.SetHelpPicture(QByteArray("not a picture"));
    EXPECT_EQ(decoded, 1);
    EXPECT_EQ(form->imageLabel()->size(), QSize(10, 10));
    SetPictureDecoder(nullptr);
    EXPECT_TRUE(DecodePicture(QByteArray("not a picture")).isNull());
}

TEST_F(TableEditorTest, ModalEditorsOpenModalSubTables) {
    TGridTable& soil = tables.NewSoil();
    soil.ShowEditorModal();
    TTableForm* form = formOf(soil);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
    qobject_cast<QPushButton*>(form->cellControl(2, 0))->click();
    TTableForm* sub = formOf(*soil.Cell(2, 0).AsTable());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowModality(), Qt::ApplicationModal);
    // The title follows the row number when rows are inserted above.
    form->grid()->setCurrentCell(0, 1);
    form->InsertRowClick();
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Clay  2"));
    // A second click brings the open window forward instead of opening another.
    qobject_cast<QPushButton*>(form->cellControl(2, 1))->click();
    EXPECT_EQ(formOf(*soil.Cell(2, 1).AsTable()), sub);
}

TEST_F(TableEditorTest, TablesThatGoAwayCloseTheirWindows) {
    TGridTable& soil = tables.NewSoil();
    soil.SetRowCount(2);
    open(soil);
    soil.Cell(2, 1).AsTable()->ShowEditor();
    QPointer<TTableForm> sub = formOf(*soil.Cell(2, 1).AsTable());
    ASSERT_FALSE(sub.isNull());
    soil.DeleteRowGroup(1); // the layer and its table go
    flushDeletes();
    EXPECT_TRUE(sub.isNull());
    // A new project empties the tables: every window goes with them.
    QPointer<TTableForm> main = formOf(soil);
    tables.CloseEditors();
    flushDeletes();
    EXPECT_TRUE(main.isNull());
    EXPECT_EQ(soil.Editor(), nullptr);
}

TEST_F(TableEditorTest, WheelOverAChoiceBoxScrollsInsteadOfChoosing) {
    TGridTable& soil = tables.NewSoil();
    soil.SetRowCount(10);
    TTableForm* form = open(soil);
    auto* box = qobject_cast<QComboBox*>(form->cellControl(0, 0));
    ASSERT_NE(box, nullptr);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(box, &wheel);
    EXPECT_EQ(soil.Cell(0, 0).AsInteger(), 1);
    EXPECT_EQ(box->currentIndex(), 0);
}

TEST_F(TableEditorTest, SubWindowCloseAsksForTheCommit) {
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    SetMdiArea(&area);
    TGridTable& walls = tables.PileSect();
    TTableForm* form = open(walls);
    auto* sub = qobject_cast<QMdiSubWindow*>(form->frameWindow());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Wall Stiffness "));
    type(form, 0, 3, QStringLiteral("(2"));
    EXPECT_FALSE(sub->close());
    EXPECT_NE(walls.Editor(), nullptr);
    form->grid()->item(0, 3)->setText(QStringLiteral("(2)*5"));
    EXPECT_TRUE(sub->close());
    EXPECT_EQ(walls.Editor(), nullptr);
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 10);
    flushDeletes();
    EXPECT_TRUE(area.subWindowList().isEmpty());
    SetMdiArea(nullptr);
}

TEST_F(TableEditorTest, LeavingTheGridCommits) {
    TGridTable& walls = tables.PileSect();
    TTableForm* form = open(walls);
    form->activateWindow();
    QApplication::setActiveWindow(form);
    QCoreApplication::processEvents();
    form->grid()->setFocus();
    if (QApplication::focusWidget() != form->grid()) GTEST_SKIP() << "no keyboard focus here";
    type(form, 0, 3, QStringLiteral("4^2"));
    form->addRowButton()->setFocus();
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 16);

    // A refused entry: the message, and the focus back on the grid.
    form->grid()->setFocus();
    type(form, 0, 3, QStringLiteral("4^"));
    form->addRowButton()->setFocus();
    EXPECT_EQ(scope.messages.informationTexts(),
              QStringList(QStringLiteral("Entry could not be evaluated:") + QChar(13) +
                          QStringLiteral("invalid expression")));
    EXPECT_EQ(QApplication::focusWidget(), form->grid());
    EXPECT_EQ(walls.Cell(3, 0).AsFloat(), 16);
}
