#pragma once
// Older project file layouts: the ".tv4d" layout and two generations of ".tvd". They are read by
// the reader of the current layout with parts of the file switched off, and never written: a
// project opened from one keeps its file name, so the next save asks for a ".tv5d" name.

#include <QString>

namespace tervane {

class TProgramData;

// Format indexes, the positions of the layouts in the open dialog's filter.
inline constexpr int kFormatCurrent = 1;          // ".tv5d"
inline constexpr int kFormat2013 = 2;             // ".tv4d"
inline constexpr int kFormatThirdGeneration = 3;  // ".tvd" with a stage count
inline constexpr int kFormatSecondGeneration = 4; // ".tvd" of one problem, layers by thickness

// Message of a save to a file name of an older layout.
inline const QString kOlderNotWritten =
    QStringLiteral("Older project files are not written. Save the project under a name with the "
                   "extension .tv5d.");

// Which parts of the file a layout holds.
struct TFormatSwitches {
    // The header's stage count and the continuation line after the first block.
    bool stageCount = true;
    // The header's moment-EI count with its curves, the surcharge count and table, and the two
    // multipliers of each external p-y curve set.
    bool momentEIAndSurcharges = true;
    // The header's tieback count with the tieback lines, and the sixth value of the wall line.
    bool tiebacks = true;
    // Layer lines holding the layer's thickness, each followed by one parameter line of five
    // items (none for weak rock), instead of the depth and two lines of six items.
    bool layersByThickness = false;
};

// The switches of a format index; an index outside 1..4 reads as the current layout.
TFormatSwitches FormatSwitches(int formatIndex);

// The format index a file's name tells: ".tv4d" 2, ".tvd" 3 (the third generation, which may hold
// stages), anything else 1.
int FormatIndexFromExtension(const QString& path);

// The format index of an existing file named by its path alone (the command line, recent files,
// dropped files), where no open dialog's filter tells the layout: FormatIndexFromExtension,
// except that a ".tvd" file, which either older generation may have written, is read in the
// layout whose header line holds as many items as the file's second line (7 items the second
// generation, 8 the third, 9 ".tv4d", 10 the current layout); any other count, and a file that
// cannot be read, keep 3.
int FormatIndexOfFile(const QString& path);

// True when the path's extension, compared in lower case, is ".tv5d": the only layout written.
bool IsCurrentLayout(const QString& path);

// A project path named on the command line: ".tv5d" added when the file name holds no ".".
// Its format index is FormatIndexOfFile of the result.
QString CommandLineProjectPath(const QString& argument);

// The layout in which the project's stage files are read, from its format marks: both
// current-format marks on 1, only the first 2, neither 3.
int StageFormatIndex(const TProgramData& project);

// Sets the format marks for the stage files of a staged project split from the file `path`:
// ".tvd" both current-format marks off, ".tv4d" the first on and the second off, otherwise both on.
void SetStageFormatMarks(TProgramData& project, const QString& path);

} // namespace tervane
