#pragma once
// Whole-file reads of the engine's input files (data file, scratch files).

#include <string>

namespace tervane {

// Replaces `text` with the file's bytes. False when the file cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& text);

} // namespace tervane
