// The wall profile sketch: view area, fit and mapping, the mouse read-out, and what the window and
// the page draw.
#include "SideViewFixture.h"

#include "ColumnTypes.h"

using namespace tervane;
using tervane::test::SideViewFixture;

using SideViewScene = SideViewFixture;

// 80 increments of 6 in, free height 120 in, a 600 x 400 client area.
TEST_F(SideViewScene, WorkedExampleAreaMappingAndReadOut) {
    scene.Activate(p(), 600, 400);
    EXPECT_DOUBLE_EQ(double(TSideViewScene::TopMargin(p())), 48.0);
    const TSideArea& v = scene.ViewArea();
    EXPECT_NEAR(double(v.x0), -3.15, 1e-12);
    EXPECT_NEAR(double(v.x1), 3.15, 1e-12);
    EXPECT_NEAR(double(v.y0), 0.0, 1e-12);
    EXPECT_NEAR(double(v.y1), 554.4, 1e-9);
    const TSideArea& d = scene.DisplayArea();
    EXPECT_NEAR(double(d.x0), -415.8, 1e-9);
    EXPECT_NEAR(double(d.x1), 415.8, 1e-9);
    EXPECT_NEAR(double(d.y1), 554.4, 1e-9);
    EXPECT_EQ(scene.Row(48), 35);
    EXPECT_EQ(scene.Row(48 + 120), 121);
    EXPECT_EQ(scene.Row(480 + 48), 381);
    ASSERT_EQ(scene.Outlines().size(), 1u);

    const auto all = scene.Draw(p(), 16);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().kind, TPrimitiveKind::Rect); // the background first
    EXPECT_EQ(all.front().brush, TSceneColour::WindowBackground);
    const auto walls = ofKind(all, TPrimitiveKind::Polygon);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0].points, (QVector<QPoint>{{298, 35}, {302, 35}, {302, 381}, {298, 381}}));
    EXPECT_EQ(walls[0].brush, TSceneColour::WindowText);
    EXPECT_TRUE(hasLine(all, {0, 35}, {300, 35}));     // backfill ground
    EXPECT_TRUE(hasLine(all, {300, 121}, {600, 121})); // excavation ground
    EXPECT_TRUE(ofKind(all, TPrimitiveKind::Text).empty());

    EXPECT_EQ(scene.ReadOut(p(), 200), QStringLiteral("  Depth: 229.2"));
    EXPECT_EQ(scene.ReadOut(p(), 35), QStringLiteral("  Depth: 0.5"));

    // A window narrower than the wall divides the depths instead: 6 x 1200 gives
    // r = 0.005 / (6.3 / 554.4) = 0.44.
    scene.Fit(6, 1200);
    EXPECT_NEAR(double(scene.DisplayArea().x1), 3.15, 1e-12);
    EXPECT_NEAR(double(scene.DisplayArea().y1), 1260.0, 1e-9);
    EXPECT_EQ(scene.Column(0), 3);
    EXPECT_EQ(scene.Row(630), 600);
}

// English units: bottoms in feet drawn at 12 x bottom + m; a bottom above the excavation level
// spans the backfill half, one at or below it the whole width; names and property lines by type.
TEST_F(SideViewScene, LayersBottomsTextsAndGroundTicks) {
    p().LoadOption = 2;
    setLayer(0, 4, 5, {120, 32});       // sand to 5 ft, above the 10 ft excavation
    setLayer(1, 5, 10, {115, 28, 200}); // silt to 10 ft: at the excavation level
    setLayer(2, 1, 40, {110, 500});     // soft clay to 40 ft
    scene.Activate(p(), 600, 400);
    const int th = 16;
    const auto all = scene.Draw(p(), th);
    EXPECT_TRUE(hasLine(all, {0, 78}, {300, 78}));
    EXPECT_FALSE(hasLine(all, {0, 78}, {600, 78}));
    EXPECT_TRUE(hasLine(all, {0, 121}, {600, 121})); // 10 ft = 120 in, drawn at 120 + m
    EXPECT_TRUE(hasLine(all, {0, 381}, {600, 381}));
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(hasLine(all, {100 + 20 * k, 35}, {115 + 20 * k, 40})) << k;

    struct Expected {
        QString text;
        QPoint at;
    };
    for (const Expected& e :
         {Expected{"Sand", {0, 35}}, Expected{"ø= 32; gamma= 120", {0, 51}},
          Expected{"Silt", {0, 78}}, Expected{"ø= 28; c= 200; gamma= 115", {0, 78 + th}},
          Expected{"Soft clay", {0, 121}}, Expected{"c= 500; gamma= 110", {0, 121 + th}}}) {
        const TPrimitive* t = findText(all, e.text);
        ASSERT_NE(t, nullptr) << e.text.toStdString();
        EXPECT_EQ(t->points[0], e.at) << e.text.toStdString();
    }
    EXPECT_EQ(SoilPropertyLine(7, "1500", "140", {}),
              QStringLiteral("compressive strength= 1500; gamma= 140"));
    EXPECT_EQ(SoilTypeName(2), QStringLiteral("Stiff clay w/free water"));
    EXPECT_EQ(SoilTypeName(8), QString());

    // SI: the bottom is in the same unit as the wall, no conversion.
    p().UnitSystem = 2;
    const auto si = scene.Draw(p(), th);
    EXPECT_TRUE(hasLine(si, {0, scene.Row(5 + 48)}, {300, scene.Row(5 + 48)}));

    // A sloping backfill: the line runs on from the wall to (0.25W, -0.25W tan(slope)).
    p().UnitSystem = 1;
    p().BackfillSlope = 30;
    const auto sloped = scene.Draw(p(), th);
    EXPECT_TRUE(hasLine(sloped, {300, 35}, {150, -87}));
    EXPECT_FALSE(hasLine(sloped, {120, 35}, {135, 40}));
}

TEST_F(SideViewScene, LayersOnlyWithGeneratedLoadsOrCurves) {
    setLayer(0, 4, 5, {120, 32});
    p().LoadOption = 3;
    p().PYOption = 1;
    scene.Activate(p(), 600, 400);
    auto all = scene.Draw(p(), 16);
    EXPECT_TRUE(ofKind(all, TPrimitiveKind::Text).empty());
    EXPECT_FALSE(hasLine(all, {0, 78}, {300, 78}));
    p().PYOption = 2;
    all = scene.Draw(p(), 16);
    EXPECT_NE(findText(all, "Sand"), nullptr);
    EXPECT_TRUE(hasLine(all, {0, 78}, {300, 78}));
}

// Restraint and p-y marks with pen 2 at their nodes; springs with pen 5 only above the excavation
// level; p-y marks only with the option; the plan sketch's circles and texts.
TEST_F(SideViewScene, MarksAndPlanSketch) {
    TProjectTables& t = tables;
    p().ApplyRestraints = true;
    t.Soillayer().Cell(1, 0).SetInteger(10); // node 10: depth 60 + 48, row 78
    t.PYCurves2().Cell(0, 0).SetInteger(10);
    t.PYCurves2().Cell(0, 1).SetInteger(20);
    p().ApplySprings = true;
    t.SoilStrength().SetRowCount(3);
    t.SoilStrength().Cell(1, 0).SetInteger(10); // above the excavation level
    t.SoilStrength().Cell(1, 1).SetInteger(20); // at it: no mark
    t.SoilStrength().Cell(1, 2).SetInteger(60); // below it: no mark
    scene.Activate(p(), 600, 400);

    auto all = scene.Draw(p(), 16);
    const auto restraints = ofKind(all, TPrimitiveKind::Polyline);
    ASSERT_EQ(restraints.size(), 1u);
    EXPECT_EQ(restraints[0].points, (QVector<QPoint>{{300, 78}, {312, 78}, {312, 72}, {312, 84}}));
    EXPECT_EQ(restraints[0].penWidth, 2);
    const auto springs = withPen(all, 5);
    ASSERT_EQ(springs.size(), 1u);
    EXPECT_EQ(springs[0].points, (QVector<QPoint>{{300, 78}, {360, 78}}));
    EXPECT_FALSE(hasLine(all, {300, 78}, {270, 78})); // p-y marks off

    p().ApplyExternalPY = true;
    all = scene.Draw(p(), 16);
    EXPECT_TRUE(hasLine(all, {300, 78}, {270, 78}));
    EXPECT_TRUE(hasLine(all, {258, 78}, {228, 78}));
    EXPECT_TRUE(hasLine(all, {228, 78}, {240, 72}));
    EXPECT_TRUE(hasLine(all, {228, 78}, {240, 84}));
    EXPECT_TRUE(hasLine(all, {300, 121}, {270, 121})); // node 20
    EXPECT_EQ(withPen(all, 2).size(), 1u + 8u);

    EXPECT_TRUE(ofKind(all, TPrimitiveKind::Ellipse).empty());
    p().ActiveWidth = 12;
    p().PYWidth = 6;
    all = scene.Draw(p(), 16);
    const auto circles = ofKind(all, TPrimitiveKind::Ellipse);
    ASSERT_EQ(circles.size(), 5u);
    EXPECT_EQ(circles[0].points, (QVector<QPoint>{{584, 46}, {593, 55}}));
    EXPECT_EQ(circles[1].points[0], scene.Map(394, 64 + 24));
    EXPECT_EQ(circles[0].brush, TSceneColour::White);
    EXPECT_EQ(circles[0].penWidth, 2);
    ASSERT_NE(findText(all, "top view"), nullptr);
    EXPECT_EQ(findText(all, "top view")->points[0], QPoint(588, 5));
    EXPECT_EQ(findText(all, "side view")->points[0], QPoint(300, 5));
}

// The page: rows between 10 % and 90 % of the page height, lines from 0.1 to 0.9 of its width,
// pens 12, 15 and 35, no background.
TEST_F(SideViewScene, PageSketchDifferences) {
    p().LoadOption = 2;
    setLayer(0, 4, 5, {120, 32});
    p().ApplyRestraints = true;
    tables.Soillayer().Cell(1, 0).SetInteger(10);
    p().ApplySprings = true;
    tables.SoilStrength().Cell(1, 0).SetInteger(10);
    p().ActiveWidth = 12;
    p().PYWidth = 6;
    scene.Activate(p(), 600, 400);
    const auto page = scene.Draw2(p(), 4000, 3000, 100);
    ASSERT_FALSE(page.empty());
    EXPECT_TRUE(ofKind(page, TPrimitiveKind::Rect).empty());
    for (const TPrimitive& x : page) {
        if (x.kind != TPrimitiveKind::Text) {
            EXPECT_TRUE(x.penWidth == 12 || x.penWidth == 15 || x.penWidth == 35);
        }
    }
    // Row of depth d: 300 + 2400 d / 554.4.
    EXPECT_TRUE(hasLine(page, {400, 508}, {2000, 508}));    // backfill ground, 0.1 PW to 0.5 PW
    EXPECT_TRUE(hasLine(page, {2000, 1027}, {3600, 1027})); // excavation ground to 0.9 PW
    EXPECT_TRUE(hasLine(page, {400, 768}, {2000, 768}));    // layer bottom at 108
    EXPECT_TRUE(hasLine(page, {1100, 508}, {1145, 578}));   // first ground tick
    const auto wall = ofKind(page, TPrimitiveKind::Polygon);
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0].points,
              (QVector<QPoint>{{1986, 508}, {2014, 508}, {2014, 2586}, {1986, 2586}}));
    EXPECT_EQ(wall[0].brush, TSceneColour::Black);
    EXPECT_EQ(wall[0].penWidth, 12);
    const auto spring = withPen(page, 35);
    ASSERT_EQ(spring.size(), 1u);
    EXPECT_EQ(spring[0].points, (QVector<QPoint>{{2000, 768}, {2400, 768}}));
    const auto restraint = ofKind(page, TPrimitiveKind::Polyline);
    ASSERT_EQ(restraint.size(), 1u);
    EXPECT_EQ(restraint[0].points,
              (QVector<QPoint>{{2000, 768}, {2080, 768}, {2080, 728}, {2080, 808}}));
    EXPECT_EQ(findText(page, "Sand")->points[0], QPoint(400, 508));
    EXPECT_EQ(findText(page, "ø= 32; gamma= 120")->points[0], QPoint(400, 608));
    EXPECT_EQ(findText(page, "side view")->points[0], QPoint(2000, 300));
    for (const TPrimitive& x : page) {
        if (x.kind == TPrimitiveKind::Text) {
            EXPECT_EQ(x.pen, TSceneColour::Black);
        }
    }
    // The page's circles sit at 16 L across through the page's mapping: far to the right.
    const auto circles = ofKind(page, TPrimitiveKind::Ellipse);
    ASSERT_EQ(circles.size(), 5u);
    EXPECT_EQ(circles[0].points[0], QPoint(38797, 8482)); // (16 L - 5 Wp, 4 L - 5 Wp)
    EXPECT_EQ(circles[4].points[1].y(), 10819);           // 4 L + 40 Wa + 5 Wp
    EXPECT_GT(circles[0].points[0].x(), 4000);
}

// Once the area is empty (a wall without free height), the view stays blank and reads nothing.
TEST_F(SideViewScene, EmptyAreaStaysEmpty) {
    p().FreeHeight = 0;
    scene.Activate(p(), 600, 400);
    EXPECT_TRUE(scene.IsEmpty());
    p().FreeHeight = 120;
    scene.Activate(p(), 600, 400);
    EXPECT_TRUE(scene.IsEmpty());
    EXPECT_TRUE(scene.Draw(p(), 16).empty());
    EXPECT_TRUE(scene.Draw2(p(), 4000, 3000, 100).empty());
    EXPECT_FALSE(scene.ReadOut(p(), 200).has_value());

    // Values that are not numbers draw nothing either.
    TSideViewScene other;
    p().FreeHeight = std::numeric_limits<long double>::quiet_NaN();
    other.Activate(p(), 600, 400);
    EXPECT_TRUE(other.IsEmpty());
}

// A wall without stiffness rows keeps the default area; a client area of no size draws nothing.
TEST_F(SideViewScene, DefaultAreaAndDegenerateWindows) {
    tables.PileSect().SetRowCount(0);
    scene.Activate(p(), 600, 400);
    EXPECT_TRUE(scene.Outlines().empty());
    EXPECT_NEAR(double(scene.DisplayArea().y1), 10 / 0.75, 1e-12);
    EXPECT_TRUE(ofKind(scene.Draw(p(), 16), TPrimitiveKind::Polygon).empty());
    scene.Fit(0, 0);
    EXPECT_TRUE(scene.Draw(p(), 16).empty());
    EXPECT_FALSE(scene.ReadOut(p(), 10).has_value());

    // A huge wall maps to clamped pixels, never to overflowed ones.
    tables.PileSect().SetRowCount(1);
    p().IncrementLength = 1e300L;
    p().FreeHeight = 1e-300L;
    TSideViewScene huge;
    huge.Activate(p(), 600, 400);
    for (const TPrimitive& x : huge.Draw(p(), 16))
        for (const QPoint& q : x.points)
            EXPECT_LE(std::abs(q.x()) + std::abs(q.y()), 8'000'000);
}

TEST(SideViewText, DepthReadOutFormat) {
    EXPECT_EQ(FixedOneDecimal(229.2L), QStringLiteral("229.2"));
    EXPECT_EQ(FixedOneDecimal(-3.54L), QStringLiteral("-3.5"));
    EXPECT_EQ(FixedOneDecimal(0.04L), QStringLiteral("0.0"));
    EXPECT_EQ(FixedOneDecimal(-0.04L), QStringLiteral("0.0"));
    EXPECT_EQ(FixedOneDecimal(123456.7L), QStringLiteral("123457.0")); // 6 significant digits
    EXPECT_EQ(FixedOneDecimal(2.5E7L), QStringLiteral("2.5E7"));
}
