#pragma once
// The rules that enable, show and check the main window's menu items and tool-bar buttons, as a
// pure function of the project's switches and a few facts about files, graphs and views. The main
// window applies a menu's part when that menu is about to show, the tool bar's part after New,
// Open, a run and a stage switch, and the long-term layout on every change of the long-term
// switch.

#include "CommandIds.h"

#include <array>

namespace tervane {

class TProgramData;

// The project switches the rules read.
struct TProjectSwitches {
    int UnitSystem = 1;
    int EarthPressureMethod = 2;
    bool GeneratedPressure = false;
    int GeneratePYCurves = 1;
    bool ApplyExternalPY = false;
    bool ApplyMomentEI = false;
    bool ApplyPYModifiers = false;
    bool ApplyConcentratedLoads = false;
    bool ApplySprings = false;
    bool ApplyTiebacks = false;
    bool ApplySurcharge = false;
    bool ApplyRestraints = false;
    bool LongTermAnalysis = false;
    int StageCount = 1;
    int CurrentStage = 1;

    static TProjectSwitches Of(const TProgramData& project);
};

// Everything else the rules depend on.
struct TRuleInputs {
    bool plotsLoaded = false;  // the last plot-file read succeeded
    bool inputExists = false;  // the project data file
    bool notesExists = false;  // its ".tv5r"
    bool outputExists = false; // its ".tv5o"
    bool plotExists = false;   // its ".tv5p"
    // Per graph model (TGraph order): it holds at least one curve set whose first curve has more
    // than one point.
    std::array<bool, kGraphCount> graphHasData{};
    bool view3DOpen = false;
    std::array<bool, kView3DShowCount> view3DShown{}; // the view's show switches
    bool deformedShapeOn = false;
};

struct TItemState {
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool operator==(const TItemState&) const = default;
};

class TCommandStates {
public:
    TItemState& operator[](TCmd cmd) { return m_states[static_cast<std::size_t>(cmd)]; }
    const TItemState& operator[](TCmd cmd) const { return m_states[static_cast<std::size_t>(cmd)]; }

private:
    std::array<TItemState, kCommandCount> m_states{};
};

// The state of every command.
TCommandStates CommandStates(const TProjectSwitches& project, const TRuleInputs& inputs);

// Whether a graph command is enabled: plots loaded, the plot file there and, for the graphs that
// need it, data in the model; the deflection-moment-shear graph needs all three of its graphs.
bool GraphEnabled(TGraph graph, const TRuleInputs& inputs);

// The commands whose state a menu sets when it is about to show (its items and submenus).
enum class TMenuId { File, Data, Options, Stage, Computation, Graphics, Window, View3D, Help };
const std::vector<TCmd>& MenuCommands(TMenuId menu);
// The commands the tool-bar update sets, and those the long-term layout sets.
const std::vector<TCmd>& ToolBarCommands();
const std::vector<TCmd>& LongTermLayoutCommands();

} // namespace tervane
