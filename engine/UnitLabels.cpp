#include "UnitLabels.h"

namespace tervane {

UnitLabels UnitLabels::forSystem(int unitSystem) {
    UnitLabels l;
    if (unitSystem == 1) return l;
    if (unitSystem == 2) {
        l.length3 = "  M";
        l.force4 = "  KN";
        l.length2 = " M";
        l.force3 = " KN";
        return l;
    }
    l.length3 = "  L";
    l.force4 = "   F";
    l.length2 = " L";
    l.force3 = "  F";
    return l;
}

} // namespace tervane
