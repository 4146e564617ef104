#include "EngineErrors.h"
#include "soil/SoilStages.h"

namespace tervane {

void runCurveGeneration(RunContext&) {
    throw ProblemStop("     ERROR STOP -- GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS BUILD");
}

} // namespace tervane
