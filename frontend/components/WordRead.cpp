// Word reader. PARTIAL: bodies being written.
#include "WordRead.h"
#include <stdexcept>
namespace tervane {
TWordContainer::TWordContainer(QString text) : m_text(std::move(text)) {}
TWordReader::TWordReader(const QString&) {
    throw std::logic_error("TWordReader: not yet");
}
TWordReader TWordReader::FromText(const QString&) {
    throw std::logic_error("not yet");
}
bool TWordReader::AtEnd() const {
    return true;
}
QString TWordReader::ReadLine() {
    throw std::logic_error("not yet");
}
QString TWordReader::ReadWord() {
    throw std::logic_error("not yet");
}
std::int32_t TWordReader::ReadInteger() {
    throw std::logic_error("not yet");
}
long double TWordReader::ReadNumber() {
    throw std::logic_error("not yet");
}
void TWordReader::load(const QString&) {}
QString TWordReader::itemMessage(const QString&) const {
    return {};
}
} // namespace tervane
