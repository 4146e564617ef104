#pragma once
// Every command of the main window: the menu items, the submenus whose state the menu rules set,
// and the tool-bar buttons, with their captions, access keys, shortcuts, hints and icons.

#include <cstddef>
#include <vector>

namespace tervane {

enum class TCmd {
    // File
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileExit,
    // Data
    DataTitle,
    DataWallProperties,
    DataWallConfiguration,
    DataSoilLayer,
    DataSoilLayerMenu,
    DataSoilShort,
    DataSoilLong,
    DataDistLoad,
    DataDistMenu,
    DataDistShort,
    DataDistLong,
    DataSurcharge,
    DataConcentratedLoads,
    DataTiebacks,
    DataRestraints,
    DataPYModifiers,
    DataExternalPY,
    DataSprings,
    DataMomentEI,
    // Options
    OptUnitsMenu,
    OptUnitsEnglish,
    OptUnitsSI,
    OptUnitsOther,
    OptEarthMenu,
    OptEarthUser,
    OptEarthTriangular,
    OptEarthTrapezoidal,
    OptGeneratePY,
    OptConcentratedLoads,
    OptTiebacks,
    OptRestraints,
    OptExternalPY,
    OptSprings,
    OptPYModifiers,
    OptSurcharge,
    OptMomentEI,
    OptLongTerm,
    OptStaged,
    OptTextEditor,
    // Stage Construction
    StageMenu,
    Stage1,
    Stage2,
    Stage3,
    Stage4,
    Stage5,
    StageCopyPrevious,
    // Computation
    CompRun,
    CompEditInput,
    CompEditNotes,
    CompEditOutput,
    CompViewWall,
    Comp3DView,
    // Graphics (the graph items in graph-model order, see TGraph)
    GraphPY,
    GraphDef,
    GraphMom,
    GraphShear,
    GraphSoil,
    GraphDMS,
    GraphLD,
    GraphCombine,
    GraphExport,
    // Window
    WinCascade,
    WinArrangeIcons,
    // Show 3DView (the eight show switches in menu order, then the deformed shape)
    View3DMenu,
    View3DWall,
    View3DSoil,
    View3DWater,
    View3DSurcharge,
    View3DConcLoads,
    View3DTiebacks,
    View3DBoundary,
    View3DSprings,
    View3DDeformed,
    // Help
    HelpContents,
    HelpUsersManual,
    HelpTechnicalManual,
    HelpAbout,
    // Tool bar
    TbNew,
    TbOpen,
    TbSave,
    TbTitle,
    TbWallProperties,
    TbWallConfiguration,
    TbSoilLayers,
    TbRun,
    TbStageOption,
    TbViewOutput,
    TbViewSoilProfile,
    Tb3DView,
    TbGraphPY,
    TbGraphDef,
    TbGraphMom,
    TbGraphShear,
    TbGraphSoil,
    TbGraphDMS,
    TbGraphLD,
    TbStage1,
    TbStage2,
    TbStage3,
    TbStage4,
    TbStage5,
    TbPan,
    TbZoomWindow,
    TbZooming,
    TbRotating,
    TbZoomIn,
    TbZoomOut,
    TbRestartView,
    TbDeformed,
    Count
};

inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(TCmd::Count);

// The graph models in the order of the Graphics menu: p-y curves, deflection, moment, shear, soil
// reaction, deflection-moment-shear, pressure distribution, combined earth pressure.
enum class TGraph { PY, Def, Mom, Shear, Soil, DMS, LD, Combine, Count };
inline constexpr int kGraphCount = static_cast<int>(TGraph::Count);

// The eight show switches of the 3-D view, in the order of the "Show 3DView" menu.
inline constexpr int kView3DShowCount = 8;

inline constexpr int kMaxStages = 5;

// Offsets into runs of consecutive commands.
constexpr TCmd operator+(TCmd first, int offset) {
    return static_cast<TCmd>(static_cast<int>(first) + offset);
}
constexpr int operator-(TCmd a, TCmd b) {
    return static_cast<int>(a) - static_cast<int>(b);
}

struct TCommandText {
    const char* caption; // "&" marks the access key
    const char* shortcut;
    const char* hint; // tool-bar buttons
    const char* icon; // tool-bar buttons: resource name under :/icons/
    bool checkable;
};

const TCommandText& CommandText(TCmd cmd);

// The tool-bar buttons in bar order; TCmd::Count marks a separator.
const std::vector<TCmd>& ToolBarLayout();

} // namespace tervane
