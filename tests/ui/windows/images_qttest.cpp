// SVG images drawn once and kept: the drawing helpers, the images the build drew ahead,
// the program's icon and the picture control, on the offscreen platform.

#include "ui/windows/controls_qt.h"
#include "ui/windows/svg_pixels_qt.h"

#include <QResource>
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

TEST(Images, IconsComeReadyDrawn) {
    EXPECT_TRUE(anyInk(appIcon().pixmap(32, 32).toImage()));
    EXPECT_TRUE(anyInk(toolIcon(imageResource("Pauza")).pixmap(16, 16, QIcon::Disabled).toImage()));
}

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(Images, StartUpImagesComeDrawnAheadWithTheSvgsPixelsAndOtherSizesFromTheSvg) {
    struct Case {
        const char* key;
        QSize size; // empty: the image's own size
        qreal dpr;
        QSize pixels;
    };
    const Case cases[] = {{"Start", {16, 16}, 1, {16, 16}},   {"Zvuk", {16, 16}, 2, {32, 32}},
                          {"Tikanda", {48, 48}, 1, {48, 48}}, {"Tikanda", {16, 16}, 1, {16, 16}},
                          {"Majak", {}, 1, {32, 32}},         {"Stopky", {}, 2, {64, 64}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " at " + std::to_string(c.pixels.width()));
        const QString svg = imageResource(c.key);
        const QString ahead = c.size.isEmpty() ? drawnAheadResource(svg, {}, int(c.dpr))
                                               : drawnAheadResource(svg, c.pixels, 0);
        const QResource stored(ahead);
        ASSERT_TRUE(stored.isValid()) << "not drawn ahead: " << ahead.toStdString();
        const QPixmap shown = drawSvg(svg, c.size, c.dpr);
        EXPECT_EQ(shown.devicePixelRatio(), c.dpr);
        QSvgRenderer renderer(svg);
        EXPECT_EQ(premultiplied(shown.toImage()), svgPixels(renderer, c.pixels));
    }
    // A ratio the build did not draw for is drawn from the SVG, as crisp.
    const QPixmap between = drawSvg(imageResource("Start"), QSize(16, 16), 1.5);
    EXPECT_EQ(between.size(), QSize(24, 24));
    EXPECT_TRUE(anyInk(between.toImage()));
}

TEST(Images, StoredPixelsReadBackAndDamagedOnesAreRefused) {
    QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(2, 1, qRgba(0, 0, 0, 0));
    const QByteArray bytes = drawnAheadBytes(image);
    const auto read = [](const QByteArray& b, int skip = 0) {
        return drawnAheadImage(reinterpret_cast<const uchar*>(b.constData()) + skip,
                               b.size() - skip);
    };
    EXPECT_EQ(premultiplied(read(bytes)), image);
    EXPECT_EQ(premultiplied(read("x" + bytes, 1)), image) << "pixels off the 32-bit alignment";
    EXPECT_TRUE(read(bytes.left(bytes.size() - 1)).isNull()) << "short";
    EXPECT_TRUE(read(bytes + "x").isNull()) << "long";
    EXPECT_TRUE(read(bytes.left(5)).isNull()) << "no header";
    QByteArray huge = bytes;
    huge[2] = 1; // width 65539
    EXPECT_TRUE(read(huge).isNull());
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
