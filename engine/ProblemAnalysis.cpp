#include "ProblemAnalysis.h"

namespace tervane {

void analyseProblemBody(RunContext& /*ctx*/) {
    // The records after the control record are read here as the engine grows.
}

} // namespace tervane
