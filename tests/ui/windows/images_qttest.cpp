// SVG images drawn once and kept: the drawing helpers, the program's icon and the picture
// control, on the offscreen platform.

#include "ui/windows/controls_qt.h"

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

TEST(Images, DrawnAtTheDevicePixelRatioOrNullForNoImageAndIconsComeReadyDrawn) {
    const QPixmap twice = drawSvg(imageResource("Start"), QSize(16, 16), 2.0);
    EXPECT_EQ(twice.size(), QSize(32, 32)); // crisp: every device pixel drawn
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);
    EXPECT_TRUE(anyInk(twice.toImage()));
    // No size: the image's own.
    EXPECT_EQ(drawSvg(imageResource("Majak"), {}, 1.0).size(),
              QSvgRenderer(imageResource("Majak")).defaultSize());
    EXPECT_TRUE(drawSvg(QStringLiteral(":/no/such/image.svg"), QSize(16, 16), 1.0).isNull());
    EXPECT_TRUE(toolIcon(QStringLiteral(":/no/such/image.svg")).isNull());

    const QIcon app = appIcon(), tool = toolIcon(imageResource("Pauza"));
    for (const int side : {16, 32, 48}) {
        EXPECT_TRUE(app.availableSizes().contains(QSize(side, side))) << side;
        EXPECT_TRUE(anyInk(app.pixmap(side, side).toImage())) << side;
    }
    EXPECT_TRUE(anyInk(tool.pixmap(16, 16).toImage()));
    EXPECT_TRUE(anyInk(tool.pixmap(16, 16, QIcon::Disabled).toImage()));
}

TEST(Images, PictureShowsTheImageItHoldsNow) {
    PictureQt picture;
    picture.resize(48, 48);
    const auto drawn = [&picture](const char* key) {
        picture.setImage(imageResource(key));
        return picture.grab().toImage();
    };
    const QImage majak = drawn("Majak");
    EXPECT_NE(drawn("Stopky"), majak) << "the kept drawing was not replaced";
    EXPECT_EQ(drawn("Majak"), majak);

    // Drawn at its own size at the top left: where the image is opaque, the picture (over
    // the window background) shows the image's pixels.
    const QImage reference = drawSvg(imageResource("Majak"), {}, 1.0).toImage();
    int compared = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            if (qAlpha(reference.pixel(x, y)) == 255) {
                EXPECT_EQ(majak.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 0);
}

} // namespace
} // namespace tikanda::test
