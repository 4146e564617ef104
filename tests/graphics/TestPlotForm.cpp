// The graph window: opening, the legend and curve items with the curve limit, the "&Plot" menu's
// rules, mouse zoom and read-out, and the legend and active-curves dialogs applied to the window.
#include "ChangeActiveLines.h"
#include "ChangeLineNames.h"
#include "GraphModels.h"
#include "PlotForm.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace tervane {
namespace {

// A model with `curves` straight curves of 5 points each in set 1.
void fill(TGraphPlot& plot, int curves, int points = 5) {
    plot.SetCurveCount(kCurveSetMain, curves);
    plot.SetPointCount(kCurveSetMain, points);
    for (int c = 0; c < curves; ++c)
        for (int i = 0; i < points; ++i)
            plot.Point(kCurveSetMain, c, i) = {static_cast<long double>(i), (c + 1.0L) * i};
}

// Runs `act` on the next modal dialog of type D as soon as it shows.
template <typename D> void onDialog(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) act(*d);
    });
}

QStringList legendTexts(const TPlotForm& form) {
    QStringList out;
    for (int k = 0; k < static_cast<int>(form.Legend()->Entries().size()); ++k)
        out << form.Legend()->EntryText(k);
    return out;
}

QStringList itemTexts(const TPlotForm& form) {
    QStringList out;
    for (QAction* a : form.CurveItems())
        out << a->text();
    return out;
}

TEST(PlotForm, OpensWithTheCurveLimitInLegendAndMenu) {
    TGraphPlot plot;
    plot.Caption = QStringLiteral("Deflection vs Depth");
    fill(plot, 25);
    InstallGraphWindows();
    ASSERT_TRUE(plot.ShowGraph());
    auto* form = qobject_cast<TPlotForm*>(plot.Window());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), plot.Caption);
    EXPECT_EQ(form->Legend()->Entries().size(), 20u);
    EXPECT_EQ(form->CurveItems().size(), 20u);
    EXPECT_EQ(form->CurveItems().front()->text(), QStringLiteral("Curve #1"));
    EXPECT_EQ(form->Legend()->EntryText(19), QStringLiteral("Curve #20 *"));
    EXPECT_FALSE(plot.Line(kCurveSetMain, 20).Active);
    EXPECT_TRUE(form->Legend()->isVisible());
    // A second ShowGraph finds the same window; closing frees it.
    EXPECT_TRUE(plot.ShowGraph());
    EXPECT_EQ(plot.Window(), form);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(plot.Window(), nullptr);
    SetGraphWindowFactory({});
}

TEST(PlotForm, RefreshAfterTheModelWasFilledAgain) {
    TGraphPlot plot;
    fill(plot, 2);
    TPlotForm form(plot);
    EXPECT_DOUBLE_EQ(static_cast<double>(form.View().Full[0].X.Max), 4);
    fill(plot, 3, 21); // a new run: x up to 20, three curves
    RefreshGraphWindow(plot);
    EXPECT_DOUBLE_EQ(static_cast<double>(form.View().Full[0].X.Max), 20);
    EXPECT_EQ(form.CurveItems().size(), 3u);
    TGraphPlot closed;
    RefreshGraphWindow(closed); // no window: nothing happens
    EXPECT_EQ(closed.Window(), nullptr);
}

TEST(PlotForm, MenuItemsAndTheirShowingRules) {
    TGraphPlot plot;
    fill(plot, 2);
    TPlotForm form(plot);
    QStringList texts;
    for (QAction* a : form.PlotMenu()->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texts, (QStringList{"Show &Legend", "Show &Soil Layer", "Show &Wall Geometry",
                                  "Show &Markers", "&Font Size", "&Line Width", "&Graph Title",
                                  "&Edit Legend", "&Active Curves", "-", "&Print...", "P&age Setup",
                                  "&Save To Disk...", "-", "Curve #1", "Curve #2"}));
    QStringList markers;
    for (QAction* a : form.MenuItem(QStringLiteral("Show &Markers"))->menu()->actions())
        if (!a->isSeparator()) markers << a->text() + "=" + a->data().toString();
    EXPECT_EQ(markers, (QStringList{"&Never=0", "Every &Increment=1", "Every &2 Increments=2",
                                    "Every &3 Incrments=3", "Every &5 Increments=5",
                                    "Every &10 Incements=10"}));

    form.UpdateMenu();
    EXPECT_FALSE(form.MenuItem(QStringLiteral("Show &Soil Layer"))->isVisible());
    EXPECT_FALSE(form.MenuItem(QStringLiteral("Show &Wall Geometry"))->isVisible());
    EXPECT_TRUE(form.MenuItem(QStringLiteral("Show &Legend"))->isChecked());
    plot.SetCurveCount(kCurveSetLayers, 3);
    plot.WallLineCount = 1;
    plot.ShowFontWidth = false;
    form.UpdateMenu();
    EXPECT_TRUE(form.MenuItem(QStringLiteral("Show &Soil Layer"))->isVisible());
    QAction* wall = form.MenuItem(QStringLiteral("Show &Wall Geometry"));
    EXPECT_TRUE(wall->isVisible());
    EXPECT_FALSE(wall->isEnabled()); // only with the layers shown
    EXPECT_FALSE(form.MenuItem(QStringLiteral("&Font Size"))->isVisible());
    form.ShowLayersClick();
    form.UpdateMenu();
    EXPECT_TRUE(wall->isEnabled());
    EXPECT_TRUE(form.MenuItem(QStringLiteral("Show &Soil Layer"))->isChecked());

    // Curve items and legend double clicks switch the curve.
    form.CurveItems()[1]->trigger();
    EXPECT_FALSE(plot.Line(kCurveSetMain, 1).Plotted);
    EXPECT_EQ(legendTexts(form), (QStringList{"Curve #1 *", "Curve #2"}));
    emit form.Legend()->toggleCurve(1);
    EXPECT_TRUE(plot.Line(kCurveSetMain, 1).Plotted);
    EXPECT_TRUE(form.CurveItems()[1]->isChecked());

    form.SetFontSize(20);
    EXPECT_EQ(form.Legend()->font().pointSizeF(), 22.0); // 20 x LegendFont 11 / 10
    EXPECT_EQ(form.Legend()->height(), 2 * form.Legend()->ItemHeight() + 3);
}

class PlotFormMouse : public ::testing::Test {
protected:
    void SetUp() override {
        plot.Caption = QStringLiteral("p-y Curves");
        plot.XOnTop = false;
        plot.SetCurveCount(kCurveSetMain, 1);
        plot.SetPointCount(kCurveSetMain, 2);
        plot.Point(kCurveSetMain, 0, 1) = {100, 100};
        form = std::make_unique<TPlotForm>(plot);
        form->Canvas()->setFixedSize(800, 600);
        area = form->Scene().Layout.Graphs[0];
    }
    int px(long double x) const {
        return DataToPixelX(x, form->View().Full[0].X, area.Left, area.Right);
    }
    int py(long double y) const {
        return DataToPixelY(y, form->View().Full[0].Y, area.Top, area.Bottom, false);
    }
    TGraphPlot plot;
    std::unique_ptr<TPlotForm> form;
    TArea area;
};

TEST_F(PlotFormMouse, DragZoomsInWithTheLimitAndRightClickZoomsOut) {
    const TScaleRange full = form->View().Full[0];
    EXPECT_DOUBLE_EQ(static_cast<double>(full.X.Max), 100);
    // Release at the press point: nothing.
    form->CanvasPress(Qt::LeftButton, QPoint(px(40), py(40)));
    EXPECT_TRUE(form->RubberBandActive());
    form->CanvasRelease(Qt::LeftButton, QPoint(px(40), py(40)));
    EXPECT_DOUBLE_EQ(static_cast<double>(form->View().Current[0].X.Width()), 100);
    // Right click at full range: nothing.
    form->CanvasPress(Qt::RightButton, QPoint(px(70), py(20)));
    EXPECT_DOUBLE_EQ(static_cast<double>(form->View().Current[0].X.Min), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(form->View().Current[0].X.Max), 100);
    // A box of a few pixels: a twentieth of the full range about its centre.
    form->CanvasPress(Qt::LeftButton, QPoint(px(40), py(40)));
    form->CanvasMouseMove(QPoint(px(41), py(41)));
    form->CanvasRelease(Qt::LeftButton, QPoint(px(41), py(41)));
    const TScaleRange& z = form->View().Current[0];
    EXPECT_NEAR(static_cast<double>(z.X.Width()), 5, 1E-9);
    EXPECT_NEAR(static_cast<double>(z.X.Min + z.X.Max) / 2, 40.5, 0.2);
    EXPECT_NEAR(static_cast<double>(z.Y.Width()), 5, 1E-9);
    // Zoom out doubles the width about the click.
    form->CanvasPress(Qt::RightButton,
                      QPoint((area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2));
    EXPECT_NEAR(static_cast<double>(form->View().Current[0].X.Width()), 10, 1E-9);
}

TEST_F(PlotFormMouse, ReadoutInTheTitleAndNoRubberBandInThreeGraphMode) {
    form->CanvasMouseMove(QPoint(px(50), py(25)));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("p-y Curves X: 50 Y: 25"));
    form->CanvasMouseMove(QPoint(-40, 5000)); // clamped into the area
    EXPECT_EQ(form->windowTitle(), QStringLiteral("p-y Curves X: 0 Y: 0"));

    plot.ShowThree = true;
    const TArea left = form->Scene().Layout.Graphs[0];
    form->CanvasPress(Qt::LeftButton, QPoint(left.Left + 5, left.Top + 5));
    EXPECT_FALSE(form->RubberBandActive());
    form->CanvasRelease(Qt::LeftButton, QPoint(left.Left + 50, left.Top + 50));
    EXPECT_DOUBLE_EQ(static_cast<double>(form->View().Current[0].X.Width()), 100);
}

TEST(PlotFormDialogs, RenamingTheThirdOfThreeWithTheFirstInactive) {
    test::TScriptedMessagesScope scope;
    TGraphPlot plot;
    fill(plot, 3);
    TPlotForm form(plot);
    plot.Line(kCurveSetMain, 0).Active = false;
    form.RebuildCurveEntries();
    onDialog<TfrmLineNames>([](TfrmLineNames& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("lbLines"));
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("edLine"));
        ASSERT_EQ(list->count(), 3); // every curve, active or not
        list->setCurrentRow(2);
        EXPECT_EQ(edit->text(), QStringLiteral("Curve #3"));
        edit->setText(QString());
        d.StoreEdit(); // refused
        EXPECT_EQ(edit->text(), QStringLiteral("Curve #3"));
        edit->setText(QStringLiteral("Stage: 3"));
        d.StoreEdit();
        d.accept();
    });
    form.mLineNameClick();
    EXPECT_EQ(scope.messages.informationTexts(), QStringList{kLineNeedsName});
    EXPECT_EQ(itemTexts(form), (QStringList{"Curve #2", "Stage: 3"}));
    EXPECT_EQ(legendTexts(form), (QStringList{"Curve #2 *", "Stage: 3 *"}));
    EXPECT_EQ(plot.Line(kCurveSetMain, 0).Name, QStringLiteral("Curve #1")); // named explicitly

    // Cancel changes nothing.
    onDialog<TfrmLineNames>([](TfrmLineNames& d) {
        d.findChild<QLineEdit*>(QStringLiteral("edLine"))->setText(QStringLiteral("X"));
        d.StoreEdit();
        d.reject();
    });
    form.mLineNameClick();
    EXPECT_EQ(plot.Line(kCurveSetMain, 0).Name, QStringLiteral("Curve #1"));
}

TEST(PlotFormDialogs, ActiveCurvesAllOffThenOnAgainInCurveOrder) {
    TGraphPlot plot;
    fill(plot, 3);
    TPlotForm form(plot);
    onDialog<TfrmActiveLines>([](TfrmActiveLines& d) {
        EXPECT_EQ(d.EntryTexts().front(), QStringLiteral(" yes :    Curve #1"));
        d.SetAll(false);
        d.accept();
    });
    form.ActiveGraphsClick();
    EXPECT_TRUE(form.CurveItems().empty());
    EXPECT_TRUE(form.Legend()->Entries().empty());
    EXPECT_EQ(form.Legend()->height(), 3);

    onDialog<TfrmActiveLines>([](TfrmActiveLines& d) {
        EXPECT_EQ(d.EntryTexts().back(), QStringLiteral(" no  :    Curve #3"));
        d.findChild<QPushButton*>(QStringLiteral("btnAll"))->click();
        d.SetKodeLines(1); // the second off again
        d.accept();
    });
    form.ActiveGraphsClick();
    EXPECT_EQ(itemTexts(form), (QStringList{"Curve #1", "Curve #3"}));
    EXPECT_EQ(form.CurveItems()[1]->data().toInt(), 2); // the item refers to its curve
    form.CurveItems()[1]->trigger();
    EXPECT_FALSE(plot.Line(kCurveSetMain, 2).Plotted);

    // Double-clicking a " no  : " entry twice leaves it so.
    QStringList names{"a"};
    QStringList states{kStateInactive};
    TfrmActiveLines d(names, states);
    d.SetKodeLines(0);
    d.SetKodeLines(0);
    EXPECT_EQ(states.front(), kStateInactive);
    EXPECT_EQ(ToggledState(QStringLiteral("?")), kStateActive);
}

TEST(PlotFormDialogs, TheTitleDialogAppliesHoweverItCloses) {
    TGraphPlot plot;
    fill(plot, 1);
    TPlotForm form(plot);
    form.Canvas()->setFixedSize(600, 400);
    const int top = form.Scene().Layout.PlotArea.Top;
    onDialog<QDialog>([](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("edtCaption"))->setText(QStringLiteral("Wall A"));
        d.reject(); // the close box
    });
    form.PlotCaptionClick();
    EXPECT_EQ(plot.GraphTitle, QStringLiteral("Wall A"));
    EXPECT_TRUE(plot.TitleAtTop);
    const int f = form.Scene().Fonts.Height;
    EXPECT_EQ(form.Scene().Layout.PlotArea.Top, top + f / 8 + f);
}

} // namespace
} // namespace tervane
