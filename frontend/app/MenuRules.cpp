#include "MenuRules.h"

#include "ProgramData.h"

namespace tervane {

TProjectSwitches TProjectSwitches::Of(const TProgramData& p) {
    TProjectSwitches s;
    s.UnitSystem = p.UnitSystem;
    s.EarthPressureMethod = p.EarthPressureMethod;
    s.GeneratedPressure = p.GeneratedPressure;
    s.GeneratePYCurves = p.GeneratePYCurves;
    s.ApplyExternalPY = p.ApplyExternalPY;
    s.ApplyMomentEI = p.ApplyMomentEI;
    s.ApplyPYModifiers = p.ApplyPYModifiers;
    s.ApplyConcentratedLoads = p.ApplyConcentratedLoads;
    s.ApplySprings = p.ApplySprings;
    s.ApplyTiebacks = p.ApplyTiebacks;
    s.ApplySurcharge = p.ApplySurcharge;
    s.ApplyRestraints = p.ApplyRestraints;
    s.LongTermAnalysis = p.LongTermAnalysis;
    s.StageCount = p.StageCount;
    s.CurrentStage = p.CurrentStage;
    return s;
}

bool GraphEnabled(TGraph graph, const TRuleInputs& in) {
    if (!in.plotsLoaded || !in.plotExists) return false;
    const auto hasData = [&in](TGraph g) { return in.graphHasData[static_cast<std::size_t>(g)]; };
    switch (graph) {
    case TGraph::DMS:
        return hasData(TGraph::Def) && hasData(TGraph::Mom) && hasData(TGraph::Shear);
    case TGraph::Combine:
        return true;
    default:
        return hasData(graph);
    }
}

namespace {

void dataRules(TCommandStates& st, const TProjectSwitches& p) {
    const bool soil = p.GeneratedPressure || p.GeneratePYCurves != 0;
    const bool userPressure = p.EarthPressureMethod == 1;
    st[TCmd::DataWallConfiguration].enabled = soil;
    st[TCmd::DataSoilLayer].enabled = soil;
    st[TCmd::DataSoilLayerMenu].enabled = soil;
    st[TCmd::DataDistLoad].enabled = userPressure;
    st[TCmd::DataDistMenu].enabled = userPressure;
    st[TCmd::DataRestraints].enabled = p.ApplyRestraints;
    st[TCmd::DataConcentratedLoads].enabled = p.ApplyConcentratedLoads;
    st[TCmd::DataSprings].enabled = p.ApplySprings;
    st[TCmd::DataTiebacks].enabled = p.ApplyTiebacks;
    st[TCmd::DataExternalPY].enabled = p.ApplyExternalPY;
    st[TCmd::DataMomentEI].enabled = p.ApplyMomentEI;
    st[TCmd::DataPYModifiers].enabled = p.ApplyPYModifiers;
    st[TCmd::DataSurcharge].enabled = p.ApplySurcharge;
    const bool subItems = p.LongTermAnalysis && p.StageCount == 1;
    for (TCmd c :
         {TCmd::DataSoilShort, TCmd::DataSoilLong, TCmd::DataDistShort, TCmd::DataDistLong})
        st[c].visible = subItems;
}

// While the long-term analysis is on, the soil-layer and distributed-pressure submenus replace
// their plain items and the staged-construction commands are off.
void longTermLayout(TCommandStates& st, const TProjectSwitches& p) {
    const bool on = p.LongTermAnalysis;
    st[TCmd::DataSoilLayer].visible = !on;
    st[TCmd::DataDistLoad].visible = !on;
    st[TCmd::DataSoilLayerMenu].visible = on;
    st[TCmd::DataDistMenu].visible = on;
    st[TCmd::OptStaged].enabled = !on;
    st[TCmd::TbStageOption].enabled = !on;
    st[TCmd::TbSoilLayers].enabled = !on;
}

void optionRules(TCommandStates& st, const TProjectSwitches& p) {
    st[TCmd::OptUnitsEnglish].checked = p.UnitSystem == 1;
    st[TCmd::OptUnitsSI].checked = p.UnitSystem == 2;
    st[TCmd::OptUnitsOther].checked = p.UnitSystem == 3;
    st[TCmd::OptEarthUser].checked = p.EarthPressureMethod == 1;
    st[TCmd::OptEarthTriangular].checked = p.EarthPressureMethod == 2;
    st[TCmd::OptEarthTrapezoidal].checked = p.EarthPressureMethod == 3;
    st[TCmd::OptGeneratePY].checked = p.GeneratePYCurves == 1;
    st[TCmd::OptConcentratedLoads].checked = p.ApplyConcentratedLoads;
    st[TCmd::OptTiebacks].checked = p.ApplyTiebacks;
    st[TCmd::OptRestraints].checked = p.ApplyRestraints;
    st[TCmd::OptExternalPY].checked = p.ApplyExternalPY;
    st[TCmd::OptSprings].checked = p.ApplySprings;
    st[TCmd::OptPYModifiers].checked = p.ApplyPYModifiers;
    st[TCmd::OptSurcharge].checked = p.ApplySurcharge;
    st[TCmd::OptMomentEI].checked = p.ApplyMomentEI;
    st[TCmd::OptLongTerm].checked = p.LongTermAnalysis;
    st[TCmd::OptLongTerm].enabled = p.StageCount == 1;
    st[TCmd::OptStaged].enabled = !p.LongTermAnalysis;
    st[TCmd::OptStaged].checked = p.StageCount > 1;
}

void stageRules(TCommandStates& st, const TProjectSwitches& p) {
    const bool staged = p.StageCount > 1;
    st[TCmd::StageMenu].visible = staged;
    for (int n = 1; n <= kMaxStages; ++n) {
        TItemState& item = st[TCmd::Stage1 + (n - 1)];
        item.enabled = staged && n <= p.StageCount;
        item.checked = n == p.CurrentStage;
        TItemState& button = st[TCmd::TbStage1 + (n - 1)];
        button.visible = staged;
        button.enabled = n <= p.StageCount;
        button.checked = n == p.CurrentStage;
    }
    st[TCmd::StageCopyPrevious].enabled = staged && p.CurrentStage > 1;
}

void computationRules(TCommandStates& st, const TRuleInputs& in) {
    st[TCmd::CompEditInput].enabled = in.inputExists;
    st[TCmd::CompEditNotes].enabled = in.notesExists;
    st[TCmd::CompEditOutput].enabled = in.outputExists;
    st[TCmd::CompViewWall].enabled = in.plotsLoaded && in.plotExists;
}

void graphRules(TCommandStates& st, const TRuleInputs& in) {
    for (int g = 0; g < kGraphCount; ++g)
        st[TCmd::GraphPY + g].enabled = GraphEnabled(static_cast<TGraph>(g), in);
    st[TCmd::GraphExport].enabled = in.plotsLoaded && in.plotExists;
    // The tool bar has no button for the combined earth pressure.
    const TCmd buttons[] = {TCmd::TbGraphPY,    TCmd::TbGraphDef,  TCmd::TbGraphMom,
                            TCmd::TbGraphShear, TCmd::TbGraphSoil, TCmd::TbGraphDMS,
                            TCmd::TbGraphLD};
    for (int g = 0; g < 7; ++g)
        st[buttons[g]].enabled = GraphEnabled(static_cast<TGraph>(g), in);
    st[TCmd::TbViewOutput].enabled = in.outputExists;
}

void view3DRules(TCommandStates& st, const TRuleInputs& in) {
    st[TCmd::View3DMenu].visible = in.view3DOpen;
    for (int i = 0; i < kView3DShowCount; ++i)
        st[TCmd::View3DWall + i].checked = in.view3DShown[static_cast<std::size_t>(i)];
    const bool deformed = GraphEnabled(TGraph::Def, in);
    st[TCmd::View3DDeformed].checked = in.deformedShapeOn;
    st[TCmd::View3DDeformed].enabled = deformed;
    for (TCmd c = TCmd::TbPan; c <= TCmd::TbDeformed; c = c + 1)
        st[c].visible = in.view3DOpen;
    st[TCmd::TbDeformed].enabled = deformed;
}

std::vector<TCmd> range(TCmd first, TCmd last) {
    std::vector<TCmd> out;
    for (TCmd c = first; c <= last; c = c + 1)
        out.push_back(c);
    return out;
}

} // namespace

TCommandStates CommandStates(const TProjectSwitches& project, const TRuleInputs& inputs) {
    TCommandStates st;
    dataRules(st, project);
    optionRules(st, project);
    longTermLayout(st, project);
    stageRules(st, project);
    computationRules(st, inputs);
    graphRules(st, inputs);
    view3DRules(st, inputs);
    return st;
}

const std::vector<TCmd>& MenuCommands(TMenuId menu) {
    static const std::vector<TCmd> menus[] = {
        range(TCmd::FileNew, TCmd::FileExit),
        range(TCmd::DataTitle, TCmd::DataMomentEI),
        range(TCmd::OptUnitsMenu, TCmd::OptTextEditor),
        range(TCmd::Stage1, TCmd::StageCopyPrevious),
        range(TCmd::CompRun, TCmd::Comp3DView),
        range(TCmd::GraphPY, TCmd::GraphExport),
        range(TCmd::WinCascade, TCmd::WinArrangeIcons),
        range(TCmd::View3DWall, TCmd::View3DDeformed),
        range(TCmd::HelpContents, TCmd::HelpAbout),
    };
    return menus[static_cast<int>(menu)];
}

const std::vector<TCmd>& ToolBarCommands() {
    static const std::vector<TCmd> commands = [] {
        std::vector<TCmd> out = range(TCmd::TbGraphPY, TCmd::TbStage5);
        out.push_back(TCmd::TbViewOutput);
        return out;
    }();
    return commands;
}

const std::vector<TCmd>& LongTermLayoutCommands() {
    static const std::vector<TCmd> commands = {
        TCmd::DataSoilLayer, TCmd::DataSoilLayerMenu, TCmd::DataDistLoad, TCmd::DataDistMenu,
        TCmd::OptStaged,     TCmd::TbStageOption,     TCmd::TbSoilLayers};
    return commands;
}

} // namespace tervane
