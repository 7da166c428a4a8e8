// SVG images drawn once and kept: the drawing helpers, the program's icon and the picture
// control, on the offscreen platform.

#include "ui/windows/controls_qt.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

bool anyInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

TEST(Images, DrawnAtTheDevicePixelRatioOrNullForNoImage) {
    const QPixmap twice = drawSvg(imageResource("Start"), QSize(16, 16), 2.0);
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(twice.size(), QSize(32, 32));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_TRUE(anyInk(twice.toImage()));

    // No size: the image's own.
    const QSvgRenderer svg(imageResource("Majak"));
    EXPECT_EQ(drawSvg(imageResource("Majak"), {}, 1.0).size(), svg.defaultSize());

    EXPECT_TRUE(drawSvg(QStringLiteral(":/no/such/image.svg"), QSize(16, 16), 1.0).isNull());
    EXPECT_TRUE(toolIcon(QStringLiteral(":/no/such/image.svg")).isNull());
}

TEST(Images, IconsComeReadyDrawn) {
    const QIcon app = appIcon();
    for (const int side : {16, 32, 48}) {
        EXPECT_TRUE(app.availableSizes().contains(QSize(side, side))) << side;
        EXPECT_TRUE(anyInk(app.pixmap(side, side).toImage())) << side;
    }
    const QIcon tool = toolIcon(imageResource("Pauza"));
    ASSERT_FALSE(tool.isNull());
    EXPECT_TRUE(anyInk(tool.pixmap(16, 16).toImage()));
    EXPECT_TRUE(anyInk(tool.pixmap(16, 16, QIcon::Disabled).toImage()));
}

TEST(Images, PictureShowsTheImageItHoldsNow) {
    PictureQt picture;
    picture.resize(48, 48);
    const auto drawn = [&picture] { return picture.grab().toImage(); };
    const auto direct = [](const char* key) {
        QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer svg(imageResource(key));
        svg.render(&p, QRectF(QPointF(0, 0), svg.defaultSize()));
        return image;
    };
    picture.setImage(imageResource("Majak"));
    const QImage majak = drawn();
    picture.setImage(imageResource("Stopky"));
    EXPECT_NE(drawn(), majak) << "the kept drawing was not replaced";
    picture.setImage(imageResource("Majak"));
    EXPECT_EQ(drawn(), majak);

    // grab() draws the window background under the image: where the image is opaque, the
    // kept drawing matches drawing the SVG directly.
    const QImage reference = direct("Majak");
    int compared = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            if (qAlpha(reference.pixel(x, y)) == 255) {
                EXPECT_EQ(majak.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 0);
}

} // namespace
} // namespace tikanda::test
