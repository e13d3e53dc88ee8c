// The picture generator: its colour keying and its catalogue.
#include "Pictures.h"
#include "SkinKey.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = 0xffff00ff;

bool sameBits(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    return x.size() == y.size() &&
           std::equal(x.constBits(), x.constBits() + x.sizeInBytes(), y.constBits());
}

TEST(Generator, KeyedSkinKeysTheOutsideOnlyAndRimsTheEdge) {
    // A picture drawn in the key colour itself, with a hole in its outline.
    QImage picture(40, 30, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(255, 0, 255));
    picture.setPixel(20, 5, qRgb(10, 200, 30));
    QPainterPath outline;
    outline.addRect(QRectF(2, 2, 36, 26));
    QPainterPath hole;
    hole.addRect(QRectF(10, 10, 6, 6));
    const QColor rim(18, 54, 64);
    const QImage skin = art::keyedSkin(picture, outline.subtracted(hole), rim);

    ASSERT_EQ(skin.size(), picture.size());
    EXPECT_EQ(skin.pixel(0, 0), kKey);
    EXPECT_EQ(skin.pixel(39, 29), kKey);
    EXPECT_EQ(skin.pixel(12, 12), kKey) << "the hole stays outside";
    EXPECT_EQ(skin.pixel(2, 2), rim.rgb()) << "outline pixels take the rim colour";
    EXPECT_EQ(skin.pixel(37, 27), rim.rgb());
    EXPECT_EQ(skin.pixel(20, 5), qRgb(10, 200, 30)) << "drawn pixels are kept";
    // A drawn pixel of the key colour must not punch a hole in the window.
    EXPECT_NE(skin.pixel(30, 20), kKey);
    EXPECT_EQ(qRed(skin.pixel(30, 20)), 254);
    for (int y = 0; y < skin.height(); ++y) {
        EXPECT_EQ(skin.pixel(0, y), kKey);
        EXPECT_EQ(skin.pixel(1, y), kKey);
    }
}

TEST(Generator, CatalogueDrawsEveryEmbeddedPictureTheSameEachTime) {
    QSet<QString> names;
    for (const art::Picture& picture : art::allPictures()) {
        SCOPED_TRACE(picture.name.toStdString());
        EXPECT_FALSE(names.contains(picture.name)) << "listed twice";
        names.insert(picture.name);
        const QImage first = picture.draw();
        EXPECT_EQ(first.size(), picture.size);
        EXPECT_TRUE(sameBits(first, picture.draw())) << "not deterministic";
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/%1.png").arg(picture.name)))
            << "not embedded";
    }
    // Nothing embedded that the generator no longer draws.
    for (const QString& file : QDir(QStringLiteral(":/images")).entryList(QDir::Files)) {
        EXPECT_TRUE(names.contains(QFileInfo(file).completeBaseName())) << file.toStdString();
    }
}

} // namespace
