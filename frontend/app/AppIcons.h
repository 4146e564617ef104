#pragma once
// The tool-bar icons: the program's own SVG drawings in the resource folder :/icons/, rendered
// into pixmaps at the sizes a tool bar uses.

#include <QIcon>
#include <QString>

namespace tervane {

// The icon drawn in ":/icons/<name>.svg"; an empty icon when there is no such drawing.
QIcon ToolIcon(const QString& name);

} // namespace tervane
