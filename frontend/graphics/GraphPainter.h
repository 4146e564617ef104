#pragma once
// Drawing of a graph onto any painter: the window, the printer and a saved picture share this one
// routine. White ground, titles, grid and ticks with labels, the curves with their markers clipped
// to the plot area, the legend box of printed and saved output, the soil-layer strip with the
// wall and the frame of each plot area. What it draws comes from the model, the view's ranges and
// a scene laid out beforehand; the routine changes nothing.

#include "GraphLayout.h"
#include "GraphZoom.h"
#include "LayerPatterns.h"

#include <QFont>
#include <QPoint>
#include <QPolygon>
#include <QSize>

class QPainter;
class QPaintDevice;

namespace tervane {

// The fonts of one drawing and the axis font's height F on the device.
struct TGraphFonts {
    QFont Axis;  // labels: the window font scaled by SizeFont / 10
    QFont Title; // titles: a bold serif family of the same size
    QFont Names; // layer names: the window font at its normal size
    int Height = 0;
};
// Fonts from the window's font for a device (its pixels per inch decide the pixel sizes).
TGraphFonts GraphFonts(const QFont& windowFont, int sizeFont, const QPaintDevice* device);

// Everything one drawing needs besides the model and the ranges.
struct TGraphScene {
    TArea Client;
    TGraphLayout Layout;
    TGraphFonts Fonts;
    int PpiX = 96;
    int PpiY = 96;
    bool ForOutput = false; // printing or saving: the legend box is drawn into the picture
    TPatternVariant Patterns = TPatternVariant::Screen;
    QPoint LegendPosition; // the legend's place in the window (output legend box)
    QSize WindowSize;      // the window's client size (output legend box)
    // Without a window (the command-line pictures) the legend box stands in the plot area's
    // bottom-right corner, where the window puts its legend when it opens.
    bool LegendAtCorner = false;
};

// Lays the model's graph out in `client` with these fonts and pixels per inch.
TGraphScene MakeScene(const TGraphPlot& plot, const TArea& client, const TGraphFonts& fonts,
                      int ppiX, int ppiY, TLayoutTarget target);

void DrawGraph(QPainter& painter, const TGraphPlot& plot, const TGraphView& view,
               const TGraphScene& scene);

// Width of the curve pen: (round(Px / 300) + 1) x WidthLine.
int CurvePenWidth(int ppiX, int widthLine);

// Outline of a marker of this shape (MarkerShape) with its corners `radius` from `centre`: 1 a
// triangle with a corner down, 2 an axis-aligned square, n from 3 to 10 a regular n-gon with a
// corner up.
QPolygon MarkerPolygon(int shape, QPoint centre, int radius);

} // namespace tervane
