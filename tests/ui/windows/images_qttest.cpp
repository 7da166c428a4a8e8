// SVG images drawn once and kept: the drawing helpers, the program's icon and the picture
// control, on the offscreen platform.

#include "ui/windows/controls_qt.h"

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
    EXPECT_TRUE(drawSvg(QStringLiteral(":/no/such/image.svg"), QSize(16, 16), 1.0).isNull());
    EXPECT_TRUE(anyInk(appIcon().pixmap(32, 32).toImage()));
    EXPECT_TRUE(anyInk(toolIcon(imageResource("Pauza")).pixmap(16, 16, QIcon::Disabled).toImage()));
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
}

} // namespace
} // namespace tikanda::test
