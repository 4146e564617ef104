#include "SoilStages.h"

#include "EngineErrors.h"

namespace tervane {

void runEarthPressureStage(RunContext&) {
    throw ProblemStop("     ERROR STOP -- GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS BUILD");
}

double surchargePressureAt(const EngineState&, double) {
    return 0.0;
}

} // namespace tervane
