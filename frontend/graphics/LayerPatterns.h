#pragma once
// Fill patterns of the soil-layer strip: hatch styles and the team's own small pictures (diagonal
// lines, dots, dashed lines, bricks, bricks with diagonals, dots with pebbles, pebbles), each in a
// screen variant and a larger variant for the printer's finer pixels.

#include <QBrush>
#include <QImage>

namespace tervane {

enum class TPatternVariant { Screen, Print };

// Fill codes of the layer strip.
inline constexpr int kFillNone = 0;
inline constexpr int kFillLastCode = 12;

// Edge of one tile of a picture fill on the screen, in pixels.
inline constexpr int kScreenTile = 16;

// The fill code of a layer curve's x value (the code the layer set carries; a fraction is cut
// off: sand's 3.5 is code 3). Codes outside 1..12 mean no fill.
int FillCode(long double x);

// True for codes filled with a picture (1, 7, 8, 9, 10, 11, 12), false for hatching and none.
bool IsPictureFill(int code);

// The picture of a picture fill code: a tile of `tile` pixels square, black on white. A null
// image for other codes.
QImage FillPicture(int code, int tile);

// The brush that fills a layer of this code: a hatch pattern or a picture tile; Qt::NoBrush for
// codes without fill. The print variant scales the pattern to the device's pixels per inch.
QBrush LayerBrush(int code, TPatternVariant variant, int ppi);

} // namespace tervane
