// Locale-independent number text. PARTIAL: bodies being written.
#include "NumberText.h"
#include <stdexcept>
namespace tervane {
QString FormatGeneral(long double, int) {
    throw std::logic_error("FormatGeneral: not yet");
}
ParsedNumber ParseNumber(QStringView, NumberSyntax) {
    throw std::logic_error("ParseNumber: not yet");
}
} // namespace tervane
