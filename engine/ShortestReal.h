#pragma once
// Free-format real numbers of the scratch and plot files: the shortest text that reads back as
// the same double, in the form std::to_chars(first, last, value) writes.

namespace tervane {

// Writes the text at `first` and returns its end; `last` bounds the buffer as for to_chars.
char* shortestReal(char* first, char* last, double value);

} // namespace tervane
