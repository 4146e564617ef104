#include "OptionCommands.h"

#include "ProgramData.h"

namespace tervane {

TGridTable* ToggleOption(TProgramData& p, TCmd toggle) {
    TProjectTables& t = p.Tables();
    const auto flip = [&p](bool& sw, TGridTable* table) -> TGridTable* {
        sw = !sw;
        p.SetModified();
        return sw ? nullptr : table;
    };
    switch (toggle) {
    case TCmd::OptGeneratePY:
        p.GeneratePYCurves = p.GeneratePYCurves == 1 ? 0 : 1;
        p.SetModified();
        return nullptr;
    case TCmd::OptConcentratedLoads:
        return flip(p.ApplyConcentratedLoads, &t.BoundCond());
    case TCmd::OptTiebacks:
        return flip(p.ApplyTiebacks, nullptr);
    case TCmd::OptRestraints:
        return flip(p.ApplyRestraints, &t.Soillayer());
    case TCmd::OptExternalPY:
        return flip(p.ApplyExternalPY, &t.PYCurves2());
    case TCmd::OptSprings:
        return flip(p.ApplySprings, &t.SoilStrength());
    case TCmd::OptPYModifiers:
        return flip(p.ApplyPYModifiers, &t.PYMod());
    case TCmd::OptSurcharge:
        return flip(p.ApplySurcharge, &t.SurchargeTable());
    case TCmd::OptMomentEI:
        return flip(p.ApplyMomentEI, &t.MEICurves2());
    case TCmd::OptLongTerm:
        return flip(p.LongTermAnalysis, nullptr);
    default:
        return nullptr;
    }
}

void SetEarthPressureMethod(TProgramData& p, int method) {
    if (p.EarthPressureMethod != method) p.SetModified();
    p.EarthPressureMethod = method;
    p.UserPressureTable = method == 1;
    // A generated method chosen here is the project's earth pressure whether or not p-y curves
    // are generated: it is written to the file, and the soil and wall dialogs it needs stay
    // reachable, as for a project read from a file with that method.
    p.GeneratedPressure = method > 1;
}

void AdjustOnOptionsMenu(TProgramData& p) {
    p.UserPressureTable = p.EarthPressureMethod == 1;
}

void AdjustOnEarthPressureMenu(TProgramData& p) {
    if (p.EarthPressureMethod == 0) p.EarthPressureMethod = 1;
    p.UserPressureTable = p.EarthPressureMethod == 1;
}

TGridTable* TableOfDataItem(TProgramData& p, TCmd item) {
    TProjectTables& t = p.Tables();
    switch (item) {
    case TCmd::DataSoilLayer:
    case TCmd::DataSoilShort:
    case TCmd::TbSoilLayers:
        return &t.NewSoil();
    case TCmd::DataSoilLong:
        return &t.LongSoil();
    case TCmd::DataDistLoad:
    case TCmd::DataDistShort:
        return &t.DistLoad();
    case TCmd::DataDistLong:
        return &t.LongDist();
    case TCmd::DataRestraints:
        return &t.Soillayer();
    case TCmd::DataPYModifiers:
        return &t.PYMod();
    case TCmd::DataExternalPY:
        return &t.PYCurves2();
    case TCmd::DataMomentEI:
        return &t.MEICurves2();
    default:
        return nullptr;
    }
}

} // namespace tervane
