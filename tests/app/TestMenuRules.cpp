// The menu and tool-bar rules as one table over project switches and file and graph facts.
#include "CommandIds.h"
#include "MenuRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace tervane;

namespace {

enum class Is { Enabled, Disabled, Shown, Hidden, Checked, Unchecked };

struct TExpect {
    TCmd cmd;
    Is is;
};

struct TRow {
    const char* name;
    std::function<void(TProjectSwitches&, TRuleInputs&)> set;
    std::vector<TExpect> expect;
};

const char* isName(Is is) {
    static const char* const names[] = {"enabled", "disabled", "shown",
                                        "hidden",  "checked",  "unchecked"};
    return names[static_cast<int>(is)];
}

bool holds(const TItemState& s, Is is) {
    switch (is) {
    case Is::Enabled:
        return s.enabled;
    case Is::Disabled:
        return !s.enabled;
    case Is::Shown:
        return s.visible;
    case Is::Hidden:
        return !s.visible;
    case Is::Checked:
        return s.checked;
    case Is::Unchecked:
        return !s.checked;
    }
    return false;
}

void plots(TRuleInputs& in) {
    in.plotsLoaded = true;
    in.plotExists = true;
}

void allData(TRuleInputs& in) {
    plots(in);
    in.graphHasData.fill(true);
}

using C = TCmd;
using I = Is;

// The Data menu's switch-driven items, each with its switch.
const std::vector<std::pair<C, bool TProjectSwitches::*>> kSwitchItems = {
    {C::DataRestraints, &TProjectSwitches::ApplyRestraints},
    {C::DataConcentratedLoads, &TProjectSwitches::ApplyConcentratedLoads},
    {C::DataSprings, &TProjectSwitches::ApplySprings},
    {C::DataTiebacks, &TProjectSwitches::ApplyTiebacks},
    {C::DataExternalPY, &TProjectSwitches::ApplyExternalPY},
    {C::DataMomentEI, &TProjectSwitches::ApplyMomentEI},
    {C::DataPYModifiers, &TProjectSwitches::ApplyPYModifiers},
    {C::DataSurcharge, &TProjectSwitches::ApplySurcharge},
};

const std::vector<TRow> kRows = {
    {"new project",
     [](TProjectSwitches&, TRuleInputs&) {},
     {{C::DataTitle, I::Enabled},
      {C::DataWallProperties, I::Enabled},
      {C::DataWallConfiguration, I::Enabled},
      {C::DataSoilLayer, I::Enabled},
      {C::DataSoilLayer, I::Shown},
      {C::DataSoilLayerMenu, I::Hidden},
      {C::DataDistLoad, I::Disabled},
      {C::DataDistLoad, I::Shown},
      {C::DataDistMenu, I::Hidden},
      {C::DataRestraints, I::Disabled},
      {C::DataConcentratedLoads, I::Disabled},
      {C::DataSprings, I::Disabled},
      {C::DataTiebacks, I::Disabled},
      {C::DataExternalPY, I::Disabled},
      {C::DataMomentEI, I::Disabled},
      {C::DataPYModifiers, I::Disabled},
      {C::DataSurcharge, I::Disabled},
      {C::DataSoilShort, I::Hidden},
      {C::DataDistLong, I::Hidden},
      {C::OptUnitsEnglish, I::Checked},
      {C::OptUnitsSI, I::Unchecked},
      {C::OptEarthTriangular, I::Checked},
      {C::OptEarthUser, I::Unchecked},
      {C::OptGeneratePY, I::Checked},
      {C::OptLongTerm, I::Enabled},
      {C::OptLongTerm, I::Unchecked},
      {C::OptStaged, I::Enabled},
      {C::OptStaged, I::Unchecked},
      {C::StageMenu, I::Hidden},
      {C::Stage1, I::Disabled},
      {C::StageCopyPrevious, I::Disabled},
      {C::TbStage1, I::Hidden},
      {C::TbSoilLayers, I::Enabled},
      {C::TbStageOption, I::Enabled},
      {C::CompRun, I::Enabled},
      {C::CompEditInput, I::Disabled},
      {C::CompEditNotes, I::Disabled},
      {C::CompEditOutput, I::Disabled},
      {C::CompViewWall, I::Disabled},
      {C::Comp3DView, I::Enabled},
      {C::GraphPY, I::Disabled},
      {C::GraphCombine, I::Disabled},
      {C::GraphExport, I::Disabled},
      {C::TbViewOutput, I::Disabled},
      {C::TbGraphDef, I::Disabled},
      {C::View3DMenu, I::Hidden},
      {C::TbPan, I::Hidden},
      {C::TbDeformed, I::Hidden}}},
    {"no generated pressure, no p-y generation",
     [](TProjectSwitches& p, TRuleInputs&) { p.GeneratePYCurves = 0; },
     {{C::DataWallConfiguration, I::Disabled},
      {C::DataSoilLayer, I::Disabled},
      {C::DataSoilLayerMenu, I::Disabled},
      {C::OptGeneratePY, I::Unchecked},
      {C::DataWallProperties, I::Enabled}}},
    {"generated pressure without p-y generation",
     [](TProjectSwitches& p, TRuleInputs&) {
         p.GeneratePYCurves = 0;
         p.GeneratedPressure = true;
     },
     {{C::DataWallConfiguration, I::Enabled}, {C::DataSoilLayer, I::Enabled}}},
    {"pressure specified by the user",
     [](TProjectSwitches& p, TRuleInputs&) { p.EarthPressureMethod = 1; },
     {{C::DataDistLoad, I::Enabled},
      {C::DataDistMenu, I::Enabled},
      {C::OptEarthUser, I::Checked},
      {C::OptEarthTriangular, I::Unchecked}}},
    {"trapezoidal pressure, SI units",
     [](TProjectSwitches& p, TRuleInputs&) {
         p.EarthPressureMethod = 3;
         p.UnitSystem = 2;
     },
     {{C::DataDistLoad, I::Disabled},
      {C::OptEarthTrapezoidal, I::Checked},
      {C::OptUnitsSI, I::Checked},
      {C::OptUnitsEnglish, I::Unchecked}}},
    {"other units",
     [](TProjectSwitches& p, TRuleInputs&) { p.UnitSystem = 3; },
     {{C::OptUnitsOther, I::Checked}, {C::OptUnitsSI, I::Unchecked}}},
    {"long-term analysis",
     [](TProjectSwitches& p, TRuleInputs&) { p.LongTermAnalysis = true; },
     {{C::DataSoilLayer, I::Hidden},
      {C::DataSoilLayerMenu, I::Shown},
      {C::DataDistLoad, I::Hidden},
      {C::DataDistMenu, I::Shown},
      {C::DataSoilShort, I::Shown},
      {C::DataSoilLong, I::Shown},
      {C::DataDistShort, I::Shown},
      {C::DataDistLong, I::Shown},
      {C::OptLongTerm, I::Checked},
      {C::OptLongTerm, I::Enabled},
      {C::OptStaged, I::Disabled},
      {C::TbStageOption, I::Disabled},
      {C::TbSoilLayers, I::Disabled}}},
    {"long-term switch with several stages hides the subitems",
     [](TProjectSwitches& p, TRuleInputs&) {
         p.LongTermAnalysis = true;
         p.StageCount = 2;
     },
     {{C::DataSoilShort, I::Hidden}, {C::DataDistLong, I::Hidden}, {C::OptLongTerm, I::Disabled}}},
    {"three stages at stage 2",
     [](TProjectSwitches& p, TRuleInputs&) {
         p.StageCount = 3;
         p.CurrentStage = 2;
     },
     {{C::OptLongTerm, I::Disabled},
      {C::OptStaged, I::Checked},
      {C::OptStaged, I::Enabled},
      {C::StageMenu, I::Shown},
      {C::Stage1, I::Enabled},
      {C::Stage3, I::Enabled},
      {C::Stage4, I::Disabled},
      {C::Stage5, I::Disabled},
      {C::Stage2, I::Checked},
      {C::Stage1, I::Unchecked},
      {C::StageCopyPrevious, I::Enabled},
      {C::TbStage1, I::Shown},
      {C::TbStage5, I::Shown},
      {C::TbStage3, I::Enabled},
      {C::TbStage4, I::Disabled},
      {C::TbStage2, I::Checked},
      {C::TbStage3, I::Unchecked}}},
    {"two stages at stage 1",
     [](TProjectSwitches& p, TRuleInputs&) { p.StageCount = 2; },
     {{C::Stage1, I::Enabled}, {C::Stage1, I::Checked}, {C::StageCopyPrevious, I::Disabled}}},
    {"input, notes and output files",
     [](TProjectSwitches&, TRuleInputs& in) {
         in.inputExists = true;
         in.notesExists = true;
         in.outputExists = true;
     },
     {{C::CompEditInput, I::Enabled},
      {C::CompEditNotes, I::Enabled},
      {C::CompEditOutput, I::Enabled},
      {C::TbViewOutput, I::Enabled},
      {C::CompViewWall, I::Disabled}}},
    {"plots loaded, their file deleted",
     [](TProjectSwitches&, TRuleInputs& in) {
         allData(in);
         in.plotExists = false;
     },
     {{C::CompViewWall, I::Disabled},
      {C::GraphPY, I::Disabled},
      {C::GraphDef, I::Disabled},
      {C::GraphMom, I::Disabled},
      {C::GraphShear, I::Disabled},
      {C::GraphSoil, I::Disabled},
      {C::GraphDMS, I::Disabled},
      {C::GraphLD, I::Disabled},
      {C::GraphCombine, I::Disabled},
      {C::GraphExport, I::Disabled},
      {C::TbGraphDef, I::Disabled}}},
    {"plot file without a successful read",
     [](TProjectSwitches&, TRuleInputs& in) {
         in.plotExists = true;
         in.graphHasData.fill(true);
     },
     {{C::CompViewWall, I::Disabled}, {C::GraphDef, I::Disabled}, {C::GraphCombine, I::Disabled}}},
    {"plots loaded, graphs empty",
     [](TProjectSwitches&, TRuleInputs& in) { plots(in); },
     {{C::CompViewWall, I::Enabled},
      {C::GraphPY, I::Disabled},
      {C::GraphDef, I::Disabled},
      {C::GraphMom, I::Disabled},
      {C::GraphShear, I::Disabled},
      {C::GraphSoil, I::Disabled},
      {C::GraphDMS, I::Disabled},
      {C::GraphLD, I::Disabled},
      {C::GraphCombine, I::Enabled},
      {C::GraphExport, I::Enabled},
      {C::TbGraphPY, I::Disabled},
      {C::TbGraphDMS, I::Disabled}}},
    {"plots loaded, every graph with data",
     [](TProjectSwitches&, TRuleInputs& in) { allData(in); },
     {{C::GraphPY, I::Enabled},
      {C::GraphDef, I::Enabled},
      {C::GraphMom, I::Enabled},
      {C::GraphShear, I::Enabled},
      {C::GraphSoil, I::Enabled},
      {C::GraphDMS, I::Enabled},
      {C::GraphLD, I::Enabled},
      {C::TbGraphPY, I::Enabled},
      {C::TbGraphDef, I::Enabled},
      {C::TbGraphMom, I::Enabled},
      {C::TbGraphShear, I::Enabled},
      {C::TbGraphSoil, I::Enabled},
      {C::TbGraphDMS, I::Enabled},
      {C::TbGraphLD, I::Enabled}}},
    {"no shear data: the deflection-moment-shear graph is off",
     [](TProjectSwitches&, TRuleInputs& in) {
         allData(in);
         in.graphHasData[static_cast<int>(TGraph::Shear)] = false;
     },
     {{C::GraphDef, I::Enabled},
      {C::GraphMom, I::Enabled},
      {C::GraphShear, I::Disabled},
      {C::GraphDMS, I::Disabled},
      {C::TbGraphDMS, I::Disabled},
      {C::TbGraphShear, I::Disabled}}},
    {"3-D view open without a run",
     [](TProjectSwitches&, TRuleInputs& in) {
         in.view3DOpen = true;
         in.view3DShown[0] = true;
         in.view3DShown[7] = true;
     },
     {{C::View3DMenu, I::Shown},
      {C::View3DWall, I::Checked},
      {C::View3DSoil, I::Unchecked},
      {C::View3DSprings, I::Checked},
      {C::View3DDeformed, I::Disabled},
      {C::TbPan, I::Shown},
      {C::TbRestartView, I::Shown},
      {C::TbDeformed, I::Shown},
      {C::TbDeformed, I::Disabled}}},
    {"3-D view open after a run",
     [](TProjectSwitches&, TRuleInputs& in) {
         allData(in);
         in.view3DOpen = true;
         in.deformedShapeOn = true;
     },
     {{C::View3DDeformed, I::Enabled},
      {C::View3DDeformed, I::Checked},
      {C::TbDeformed, I::Enabled}}},
};

} // namespace

TEST(MenuRules, EveryRowOfTheMatrix) {
    for (const TRow& row : kRows) {
        TProjectSwitches p;
        TRuleInputs in;
        row.set(p, in);
        const TCommandStates st = CommandStates(p, in);
        for (const TExpect& e : row.expect) {
            EXPECT_TRUE(holds(st[e.cmd], e.is))
                << row.name << ": command " << static_cast<int>(e.cmd) << " ("
                << CommandText(e.cmd).caption << CommandText(e.cmd).hint << ") not "
                << isName(e.is);
        }
    }
}

TEST(MenuRules, EachApplySwitchEnablesItsDataItemAndChecksItsToggleAlone) {
    const std::vector<std::pair<C, C>> toggles = {
        {C::DataRestraints, C::OptRestraints},
        {C::DataConcentratedLoads, C::OptConcentratedLoads},
        {C::DataSprings, C::OptSprings},
        {C::DataTiebacks, C::OptTiebacks},
        {C::DataExternalPY, C::OptExternalPY},
        {C::DataMomentEI, C::OptMomentEI},
        {C::DataPYModifiers, C::OptPYModifiers},
        {C::DataSurcharge, C::OptSurcharge},
    };
    for (std::size_t k = 0; k < kSwitchItems.size(); ++k) {
        TProjectSwitches p;
        p.*(kSwitchItems[k].second) = true;
        const TCommandStates st = CommandStates(p, {});
        for (std::size_t j = 0; j < kSwitchItems.size(); ++j) {
            EXPECT_EQ(st[kSwitchItems[j].first].enabled, j == k) << k << " " << j;
            EXPECT_EQ(st[toggles[j].second].checked, j == k) << k << " " << j;
        }
    }
}

TEST(MenuRules, CommandsHaveTheirTextsAndToolButtonsTheirHints) {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<TCmd>(i);
        EXPECT_STRNE(CommandText(c).caption, "") << i;
        if (c >= TCmd::TbNew) {
            EXPECT_STRNE(CommandText(c).hint, "") << i;
            EXPECT_STRNE(CommandText(c).icon, "") << i;
        }
    }
    EXPECT_STREQ(CommandText(TCmd::OptTiebacks).caption, "Apply Tieback (Ground  Anchor)");
    EXPECT_STREQ(CommandText(TCmd::OptPYModifiers).caption,
                 "Apply External p-y &Modification Factors ");
    EXPECT_STREQ(CommandText(TCmd::FileExit).shortcut, "Ctrl+Q");
    EXPECT_STREQ(CommandText(TCmd::TbGraphShear).hint, "LShear Diagram");
    // Every button is on the bar exactly once.
    std::vector<int> seen(kCommandCount, 0);
    for (TCmd c : ToolBarLayout())
        if (c != TCmd::Count) ++seen[static_cast<std::size_t>(c)];
    for (TCmd c = TCmd::TbNew; c < TCmd::Count; c = c + 1)
        EXPECT_EQ(seen[static_cast<std::size_t>(c)], 1) << static_cast<int>(c);
}
