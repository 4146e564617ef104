#pragma once
// Whole-file reads of the engine's input files (data file, scratch files).

#include <cstddef>
#include <optional>
#include <string>

namespace tervane {

// Replaces `text` with the file's bytes. False when the file cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& text);

// Reads back a scratch file the run has just written into `text`. A file that cannot be read, or
// (when `expectedBytes` is known) holds other than the bytes written, throws FileFailure naming
// it "SCRATCH FILE <name>": a partial table is never read as if it were whole.
void readScratchFile(const std::string& path, const char* name,
                     std::optional<std::size_t> expectedBytes, std::string& text);

} // namespace tervane
