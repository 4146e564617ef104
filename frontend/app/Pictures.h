#pragma once
// The illustration pictures: JPEG resources drawn by the team's picture generator, shown by the
// input dialogs and, as help pictures, by the editors of the distributed-load and spring tables.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace tervane {

class TProjectTables;

// Resource names of the pictures.
inline const QString kPictureWallPlan = QStringLiteral("WallPlan.jpg");
inline const QString kPictureActiveFactor = QStringLiteral("ActiveFactor.jpg");
inline const QString kPictureSurchargeTypes = QStringLiteral("SurchargeTypes.jpg");
inline const QString kPictureTieback = QStringLiteral("Tieback.jpg");
inline const QString kPicturePressureDiagram = QStringLiteral("PressureDiagram.jpg");
inline const QString kPictureSpringTieback = QStringLiteral("SpringTieback.jpg");

// Every picture name, in the order above.
QStringList PictureNames();
// The JPEG bytes of a picture; empty for an unknown name.
QByteArray PictureData(const QString& name);
// The picture decoded; a null image for an unknown name or damaged data.
QImage Picture(const QString& name);

// Gives the distributed-load tables (short and long term) the pressure diagram and the spring
// table the tieback diagram as their help pictures (JPEG bytes).
void InstallTablePictures(TProjectTables& tables);

} // namespace tervane
