#include "CommandIds.h"

#include <utility>

namespace tervane {

namespace {

struct TEntry {
    TCmd cmd;
    TCommandText text;
};

// clang-format off
const TEntry kEntries[] = {
    {TCmd::FileNew, {"&New", "Ctrl+N", "", "", false}},
    {TCmd::FileOpen, {"&Open...", "Ctrl+O", "", "", false}},
    {TCmd::FileSave, {"&Save", "Ctrl+S", "", "", false}},
    {TCmd::FileSaveAs, {"Save &As...", "", "", "", false}},
    {TCmd::FileExit, {"E&xit", "Ctrl+Q", "", "", false}},

    {TCmd::DataTitle, {"&Title", "", "", "", false}},
    {TCmd::DataWallProperties, {"Wall &Properties", "", "", "", false}},
    {TCmd::DataWallConfiguration, {"&Wall Configuration", "", "", "", false}},
    {TCmd::DataSoilLayer, {"&Soil Layer Data", "", "", "", false}},
    {TCmd::DataSoilLayerMenu, {"&Soil Layer Data", "", "", "", false}},
    {TCmd::DataSoilShort, {"Short-Term", "", "", "", false}},
    {TCmd::DataSoilLong, {"Long-Term", "", "", "", false}},
    {TCmd::DataDistLoad, {"&Distributed Active Earth Pressure", "", "", "", false}},
    {TCmd::DataDistMenu, {"&Distributed Active Earth Pressure", "", "", "", false}},
    {TCmd::DataDistShort, {"Short-Term", "", "", "", false}},
    {TCmd::DataDistLong, {"Long-Term", "", "", "", false}},
    {TCmd::DataSurcharge, {"&Additional Surcharge Loads", "", "", "", false}},
    {TCmd::DataConcentratedLoads, {"&Concentrated Loads on the Wall", "", "", "", false}},
    {TCmd::DataTiebacks, {"Tieback (Ground Anchor) Data", "", "", "", false}},
    {TCmd::DataRestraints, {"&Boundary Condition on Deflection or Slope", "", "", "", false}},
    {TCmd::DataPYModifiers, {"Modification &Factors for p-y Curves", "", "", "", false}},
    {TCmd::DataExternalPY, {"Sets of &External p-y Curves", "", "", "", false}},
    {TCmd::DataSprings, {"&Lateral Springs and Rotational Restraints", "", "", "", false}},
    {TCmd::DataMomentEI, {"Sets of Nonlinear Moment vs EI Curves", "", "", "", false}},

    {TCmd::OptUnitsMenu, {"&Units", "", "", "", false}},
    {TCmd::OptUnitsEnglish, {"&English Units (lbs, in)", "", "", "", true}},
    {TCmd::OptUnitsSI, {"&SI Units (kN, m)", "", "", "", true}},
    {TCmd::OptUnitsOther, {"&Other Units (F, L)", "", "", "", true}},
    {TCmd::OptEarthMenu, {"Earth-Pressure Options", "", "", "", false}},
    {TCmd::OptEarthUser, {"Earth-Pressure Specified by User", "", "", "", true}},
    {TCmd::OptEarthTriangular, {"Generate Triangular-Distribution Earth-Pressure", "", "", "", true}},
    {TCmd::OptEarthTrapezoidal,
     {"Generate Trapezoidal-Distribution Pressure (Anchored Walls)", "", "", "", true}},
    {TCmd::OptGeneratePY, {"Generate &p-y Curves", "", "", "", true}},
    {TCmd::OptConcentratedLoads, {"Apply &Concentrated Loads", "", "", "", true}},
    {TCmd::OptTiebacks, {"Apply Tieback (Ground  Anchor)", "", "", "", true}},
    {TCmd::OptRestraints, {"Apply &Restraints on Deflection or Slope", "", "", "", true}},
    {TCmd::OptExternalPY, {"Apply User Specified p-y Curves (&External)", "", "", "", true}},
    {TCmd::OptSprings, {"Apply &Lateral Springs and Rotation Restraints", "", "", "", true}},
    {TCmd::OptPYModifiers, {"Apply External p-y &Modification Factors ", "", "", "", true}},
    {TCmd::OptSurcharge, {"Apply Additional Surcharge Loads", "", "", "", true}},
    {TCmd::OptMomentEI, {"Apply Nonlinear Moment vs EI Curves", "", "", "", true}},
    {TCmd::OptLongTerm, {"Conduct Short-Term and Long-Term &Analyses", "", "", "", true}},
    {TCmd::OptStaged, {"Conduct &Staged-Construction Analysis...", "", "", "", true}},
    {TCmd::OptTextEditor, {"&Option of Text Editor...", "", "", "", false}},

    {TCmd::StageMenu, {"&Stage Construction", "", "", "", false}},
    {TCmd::Stage1, {"Stage &1", "", "", "", true}},
    {TCmd::Stage2, {"Stage &2", "", "", "", true}},
    {TCmd::Stage3, {"Stage &3", "", "", "", true}},
    {TCmd::Stage4, {"Stage &4", "", "", "", true}},
    {TCmd::Stage5, {"Stage &5", "", "", "", true}},
    {TCmd::StageCopyPrevious, {"Copy &Previous Stage", "", "", "", false}},

    {TCmd::CompRun, {"&Run Analysis", "", "", "", false}},
    {TCmd::CompEditInput, {"Edit I&nput Text", "", "", "", false}},
    {TCmd::CompEditNotes, {"Edit &Processor-Run Notes", "", "", "", false}},
    {TCmd::CompEditOutput, {"Edit &Output Text", "", "", "", false}},
    {TCmd::CompViewWall, {"&View Wall Geometry", "", "", "", false}},
    {TCmd::Comp3DView, {"3D View", "", "", "", false}},

    {TCmd::GraphPY, {"p-&y Curves", "", "", "", false}},
    {TCmd::GraphDef, {"&Deflection vs Depth", "", "", "", false}},
    {TCmd::GraphMom, {"&Moment vs Depth", "", "", "", false}},
    {TCmd::GraphShear, {"&Shear vs Depth", "", "", "", false}},
    {TCmd::GraphSoil, {"&Reaction vs Depth", "", "", "", false}},
    {TCmd::GraphDMS, {"&Deflection, Moment and Shear", "", "", "", false}},
    {TCmd::GraphLD, {"Earth &Pressure Distribution", "", "", "", false}},
    {TCmd::GraphCombine, {"Earth Pressure Combined", "", "", "", false}},
    {TCmd::GraphExport, {"Export Plots To Excel", "", "", "", false}},

    {TCmd::WinCascade, {"&Cascade", "", "", "", false}},
    {TCmd::WinArrangeIcons, {"&Arrange Icons", "", "", "", false}},

    {TCmd::View3DMenu, {"Show 3DView", "", "", "", false}},
    {TCmd::View3DWall, {"Wall", "", "", "", true}},
    {TCmd::View3DSoil, {"Soil Layers", "", "", "", true}},
    {TCmd::View3DWater, {"Water Level", "", "", "", true}},
    {TCmd::View3DSurcharge, {"Additional Surcharge", "", "", "", true}},
    {TCmd::View3DConcLoads, {"Concentrated Loads", "", "", "", true}},
    {TCmd::View3DTiebacks, {"Tie Backs", "", "", "", true}},
    {TCmd::View3DBoundary, {"Boundary Conditions", "", "", "", true}},
    {TCmd::View3DSprings, {"Lateral Springs", "", "", "", true}},
    {TCmd::View3DDeformed, {"Deformed Shape", "", "", "", true}},

    {TCmd::HelpContents, {"&Contents", "", "", "", false}},
    {TCmd::HelpUsersManual, {"&User's Manual", "", "", "", false}},
    {TCmd::HelpTechnicalManual, {"&Technical Manual", "", "", "", false}},
    {TCmd::HelpAbout, {"&About...", "", "", "", false}},

    {TCmd::TbNew, {"New", "", "New Data File", "new", false}},
    {TCmd::TbOpen, {"Open", "", "Open Data File", "open", false}},
    {TCmd::TbSave, {"Save", "", "Save Data File", "save", false}},
    {TCmd::TbTitle, {"Title", "", "Title", "title", false}},
    {TCmd::TbWallProperties, {"Wall Properties", "", "Wall Properties", "wall-properties", false}},
    {TCmd::TbWallConfiguration,
     {"Wall Configuration", "", "Wall Configuration", "wall-configuration", false}},
    {TCmd::TbSoilLayers, {"Soil Layers", "", "Soil Layers", "soil-layers", false}},
    {TCmd::TbRun, {"Run Analysis", "", "Run Analysis", "run", false}},
    {TCmd::TbStageOption,
     {"Stage Construction Option", "", "Stage Construction Option", "stage-option", false}},
    {TCmd::TbViewOutput, {"View Output File", "", "View Output File", "view-output", false}},
    {TCmd::TbViewSoilProfile, {"View Soil Profile", "", "View Soil Profile", "soil-profile", false}},
    {TCmd::Tb3DView, {"3D View", "", "3D View", "view-3d", false}},
    {TCmd::TbGraphPY, {"p-y Curves", "", "View p-y Curves", "graph-py", false}},
    {TCmd::TbGraphDef, {"Deflection", "", "Deflection Diagram", "graph-deflection", false}},
    {TCmd::TbGraphMom, {"Moment", "", "Moment Diagram", "graph-moment", false}},
    {TCmd::TbGraphShear, {"Shear", "", "LShear Diagram", "graph-shear", false}},
    {TCmd::TbGraphSoil, {"Soil Reaction", "", "Soil-Reaction Diagram", "graph-reaction", false}},
    {TCmd::TbGraphDMS,
     {"Deflection, Moment and Shear", "", "Soil-Reaction Diagram", "graph-dms", false}},
    {TCmd::TbGraphLD, {"Pressure", "", "Pressure Diagram", "graph-pressure", false}},
    {TCmd::TbStage1, {"Stage 1", "", "Stage Const. 1", "stage-1", true}},
    {TCmd::TbStage2, {"Stage 2", "", "Stage Const. 2", "stage-2", true}},
    {TCmd::TbStage3, {"Stage 3", "", "Stage Const. 3", "stage-3", true}},
    {TCmd::TbStage4, {"Stage 4", "", "Stage Const. 4", "stage-4", true}},
    {TCmd::TbStage5, {"Stage 5", "", "Stage Const. 5", "stage-5", true}},
    {TCmd::TbPan, {"Panning", "", "Panning", "pan", false}},
    {TCmd::TbZoomWindow, {"Zoom Window", "", "Zoom Window", "zoom-window", true}},
    {TCmd::TbZooming, {"Zooming", "", "Zooming", "zooming", false}},
    {TCmd::TbRotating, {"Rotating", "", "Rotating", "rotating", false}},
    {TCmd::TbZoomIn, {"Zoom In", "", "Zoom In", "zoom-in", false}},
    {TCmd::TbZoomOut, {"Zoom Out", "", "Zoom Out", "zoom-out", false}},
    {TCmd::TbRestartView, {"Restart View", "", "Restart View", "restart-view", false}},
    {TCmd::TbDeformed, {"Deformed Shape", "", "Deformed Shape", "deformed-shape", false}},
};
// clang-format on

struct TTable {
    TCommandText byId[kCommandCount] = {};
    TTable() {
        for (const TEntry& e : kEntries)
            byId[static_cast<std::size_t>(e.cmd)] = e.text;
    }
};

} // namespace

const TCommandText& CommandText(TCmd cmd) {
    static const TTable table;
    static const TCommandText none{"", "", "", "", false};
    const auto i = static_cast<std::size_t>(cmd);
    return i < kCommandCount ? table.byId[i] : none;
}

const std::vector<TCmd>& ToolBarLayout() {
    static const std::vector<TCmd> layout = {
        TCmd::TbNew,
        TCmd::TbOpen,
        TCmd::TbSave,
        TCmd::Count,
        TCmd::TbTitle,
        TCmd::TbWallProperties,
        TCmd::TbWallConfiguration,
        TCmd::TbSoilLayers,
        TCmd::Count,
        TCmd::TbRun,
        TCmd::TbStageOption,
        TCmd::Count,
        TCmd::TbViewOutput,
        TCmd::TbViewSoilProfile,
        TCmd::Tb3DView,
        TCmd::Count,
        TCmd::TbGraphPY,
        TCmd::TbGraphDef,
        TCmd::TbGraphMom,
        TCmd::TbGraphShear,
        TCmd::TbGraphSoil,
        TCmd::TbGraphDMS,
        TCmd::TbGraphLD,
        TCmd::Count,
        TCmd::TbStage1,
        TCmd::TbStage2,
        TCmd::TbStage3,
        TCmd::TbStage4,
        TCmd::TbStage5,
        TCmd::Count,
        TCmd::TbPan,
        TCmd::TbZoomWindow,
        TCmd::TbZooming,
        TCmd::TbRotating,
        TCmd::TbZoomIn,
        TCmd::TbZoomOut,
        TCmd::TbRestartView,
        TCmd::TbDeformed,
    };
    return layout;
}

} // namespace tervane
