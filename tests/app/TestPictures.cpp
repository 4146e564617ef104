// The illustration pictures: every resource decodes through libjpeg at its drawn size, damaged
// data gives a null picture instead of ending the program, and the tables get their help pictures.
#include "JpegImage.h"
#include "Pictures.h"
#include "ProjectTables.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace tervane;

TEST(Pictures, EveryPictureDecodesAtItsDrawnSize) {
    const QStringList names = PictureNames();
    ASSERT_EQ(names.size(), 6);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = Picture(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 200);
        EXPECT_GE(image.height(), 150);
        // A white ground with dark ink: the corner is near white, and there is ink somewhere.
        EXPECT_GT(qGray(image.pixel(image.width() - 1, 0)), 230);
        int darkest = 255;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        EXPECT_LT(darkest, 60);
    }
    EXPECT_EQ(Picture(kPictureSurchargeTypes).size(), QSize(480, 215));
    EXPECT_TRUE(PictureData(QStringLiteral("NoSuchPicture.jpg")).isEmpty());
}

TEST(Pictures, DamagedDataGivesANullPicture) {
    const QByteArray good = PictureData(kPictureTieback);
    ASSERT_FALSE(good.isEmpty());
    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    // Cut off in the middle of the picture data, and cut off inside the header.
    EXPECT_TRUE(DecodeJpeg(good.left(good.size() / 2)).isNull());
    EXPECT_TRUE(DecodeJpeg(good.left(40)).isNull());
    // Scrambled entropy-coded data after an intact header.
    QByteArray scrambled = good;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
        scrambled[i] = static_cast<char>(0xFF);
    EXPECT_TRUE(DecodeJpeg(scrambled).isNull());
}

TEST(Pictures, TablesGetTheirHelpPictures) {
    TProjectTables tables;
    InstallTablePictures(tables);
    EXPECT_EQ(tables.DistLoad().HelpPicture(), PictureData(kPicturePressureDiagram));
    EXPECT_EQ(tables.LongDist().HelpPicture(), PictureData(kPicturePressureDiagram));
    EXPECT_EQ(tables.SoilStrength().HelpPicture(), PictureData(kPictureSpringTieback));
    EXPECT_FALSE(DecodeJpeg(tables.SoilStrength().HelpPicture()).isNull());
    EXPECT_TRUE(tables.PileSect().HelpPicture().isEmpty());
}
