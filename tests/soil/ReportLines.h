#pragma once
// Finding lines in a report, plot or scratch file split into lines.

#include <algorithm>
#include <string>
#include <vector>

namespace soiltest {

// Index of the first line equal to `text`, or -1.
inline int findLine(const std::vector<std::string>& lines, const std::string& text) {
    const auto it = std::find(lines.begin(), lines.end(), text);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

inline bool hasLine(const std::vector<std::string>& lines, const std::string& text) {
    return findLine(lines, text) >= 0;
}

// The line `offset` lines after the first line equal to `text`; a marker text when either is
// missing, so that a comparison fails with a readable message.
inline std::string lineAfter(const std::vector<std::string>& lines, const std::string& text,
                             int offset) {
    const int at = findLine(lines, text);
    if (at < 0 || static_cast<int>(lines.size()) - at <= offset) return "<missing: " + text + ">";
    return lines[static_cast<std::size_t>(at + offset)];
}

} // namespace soiltest
