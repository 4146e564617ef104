// Expression evaluator. PARTIAL: bodies being written.
#include "Evaluator.h"
#include <stdexcept>
namespace tervane {
long double EvaluateEntry(const QString&) {
    throw std::logic_error("EvaluateEntry: not yet");
}
long double EvaluateOperand(const QString&) {
    throw std::logic_error("EvaluateOperand: not yet");
}
QString ValueText(long double) {
    throw std::logic_error("ValueText: not yet");
}
} // namespace tervane
