#include "Pictures.h"

#include "JpegImage.h"
#include "ProjectTables.h"

#include <QFile>

// The resources live in a static library: register them before the first use.
static void initPictureResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(Pictures);
        return true;
    }();
    (void)done;
}

namespace tervane {

QStringList PictureNames() {
    return {kPictureWallPlan, kPictureActiveFactor,    kPictureSurchargeTypes,
            kPictureTieback,  kPicturePressureDiagram, kPictureSpringTieback};
}

QByteArray PictureData(const QString& name) {
    initPictureResources();
    QFile file(QStringLiteral(":/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage Picture(const QString& name) {
    return DecodeJpeg(PictureData(name));
}

void InstallTablePictures(TProjectTables& tables) {
    const QByteArray pressure = PictureData(kPicturePressureDiagram);
    tables.DistLoad().SetHelpPicture(pressure);
    tables.LongDist().SetHelpPicture(pressure);
    tables.SoilStrength().SetHelpPicture(PictureData(kPictureSpringTieback));
}

} // namespace tervane
