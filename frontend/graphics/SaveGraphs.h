#pragma once
// Graph pictures without a window: drawing a model into a picture as "&Save To Disk..." does,
// writing a picture to a file in the chosen colour depth, and the command-line job that writes
// every graph of a project's results as a PNG picture.

#include "GraphPainter.h"
#include "SaveAttb.h"

#include <QImage>
#include <QString>

namespace tervane {

// The window the picture stands for: its pixels per inch, font and client size, and where its
// legend is (the legend box of the picture is placed from it).
struct TPictureSource {
    int PpiX = 96;
    int PpiY = 96;
    QFont WindowFont;
    QSize WindowSize;
    QPoint LegendPosition;
    bool NoWindow = false; // no window stands behind the picture: the legend box takes its corner
};

// Draws the model into the picture: the whole picture is the client area, laid out with the
// window's pixels per inch (the layer strip half an inch wide), the legend box drawn, the
// screen variants of the layer fills used.
void RenderGraphPicture(QImage& picture, const TGraphPlot& plot, const TGraphView& view,
                        const TPictureSource& source);

// Sets the resolution a picture file records (the drawing itself uses the window's).
void SetPictureResolution(QImage& picture, int ppi);

// Writes the picture: PNG for a name ending in ".png", else BMP, in the given colour depth.
bool WritePicture(const QImage& picture, const QString& path, TPictureColours colours);

// Side lengths of the job's pictures and its default pixels per inch.
inline constexpr long double kJobWidthInches = 6;
inline constexpr long double kJobHeightInches = 4;
inline constexpr int kJobDefaultPpi = 150;
// Pixels per inch the job lays the graphs out with (a window on a common screen).
inline constexpr int kJobWindowPpi = 96;

// Exit status of the job.
inline constexpr int kSaveGraphsDone = 0;
inline constexpr int kSaveGraphsProject = 2;  // project missing or unreadable
inline constexpr int kSaveGraphsPlotFile = 5; // plot data file missing or malformed
inline constexpr int kSaveGraphsWrite = 8;    // a picture could not be made or written

// The `--save-graphs DIR [--ppi N]` job: opens the project and its plot data file, and writes
// every graph model that holds data as DIR/<model>.png (pltDef.png, pltDMS.png, ...), 6 x 4 in at
// `ppi` pixels per inch, drawn as Save To Disk draws. Reasons for failure go to standard error.
// Needs a GUI application (the caller runs it under the offscreen platform); creates one when
// there is none.
int SaveGraphsJob(const QString& project, const QString& dir, int ppi = kJobDefaultPpi);

} // namespace tervane
