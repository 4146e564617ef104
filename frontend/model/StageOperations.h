#pragma once
// What the stage commands do to the project and its stage files: switching the stage in memory,
// copying the previous stage, changing the number of stages, and preparing the stage files of an
// opened staged project (older layouts brought up to date stage by stage). Each returns the
// messages of malformed stage files met while reading (what was read is kept) and throws
// EInOutError when a stage file cannot be written or read at all.

#include <QStringList>
#include <functional>

namespace tervane {

class TProgramData;

// Makes stage `stage` the one in memory: writes the current stage's file, then reads the stage's
// file. Nothing when `stage` is the current stage or outside 1..StageCount. The modified mark is
// kept. When the current stage cannot be written the project stays at its stage, unchanged.
QStringList SwitchStage(TProgramData& project, int stage);

// Replaces the current stage (2 or above) by a copy of the stage before it and writes it as the
// current stage's file; the project stays at its stage and counts as modified.
QStringList CopyPreviousStage(TProgramData& project);

// Sets the number of stages to `count` (clamped into 1..5), as the staged-construction dialog
// confirms it. Staging switched off deletes every stage file; a new count writes stage files 1 to
// `count`, a new stage starting as a copy of the one before it, and deletes those above.
QStringList ChangeStageCount(TProgramData& project, int count);

// After a staged project was opened: splits its file into stage files and, for a file of an
// older layout, reads and writes every stage again so that its stage file is in the current
// layout, calling `progress` with each stage number; the project is left at stage 1.
QStringList PrepareOpenedStages(TProgramData& project,
                                const std::function<void(int stage)>& progress = {});

} // namespace tervane
