// The painted dial, rendered offscreen, against the end points the behaviour computes.

#include "fakes.h"
#include "ui/clock/dial_geometry.h"
#include "ui/clock/dial_painter_qt.h"
#include "ui/colours/colour_qt.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

struct Render {
    QImage image;
    double scale;      // pixels per twip
    QColor background; // the panel's colour
    QColor at(double xTwips, double yTwips) const {
        return image.pixelColor(int(std::floor(xTwips * scale)), int(std::floor(yTwips * scale)));
    }
    // The pixel a fraction f along a line from its first to its second end point.
    QColor along(const form::Control& l, double f) const {
        return at(l.X1 + f * (l.X2 - l.X1), l.Y1 + f * (l.Y2 - l.Y1));
    }
};

Render render(const form::FrmTikandaModel& w, double scale) {
    Render r{
        QImage(int(std::ceil(1020 * scale)), int(std::ceil(2325 * scale)), QImage::Format_RGB32),
        scale, toQColor(w.picGreen.BackColor)};
    r.image.fill(r.background);
    QPainter p(&r.image);
    paintDial(p, w, scale);
    return r;
}

bool dark(const QColor& c) {
    return std::max({c.red(), c.green(), c.blue()}) < 100;
}
bool blue(const QColor& c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool red(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

// 9:00:30 puts the hour hand at 9, the minute hand at 12 and the second hand at 6; the
// alarm mark goes to 3 o'clock, where no hand is.
void setUp(Rig& rig) {
    rig.clock.set(9, 0, 30);
    rig.w.menuClick(rig.w.mnuAnalog);
    rig.w.TimeSet();
    const dial::Point a = dial::endPoint(280, 0), b = dial::endPoint(300, 0);
    rig.w.linAlarm.X1 = a.x;
    rig.w.linAlarm.Y1 = a.y;
    rig.w.linAlarm.X2 = b.x;
    rig.w.linAlarm.Y2 = b.y;
}

TEST(DialRender, HandsEndWhereTheGeometrySays) {
    Rig rig;
    setUp(rig);
    const auto& w = rig.w;
    for (double scale : {1.0 / 15, 3.0 / 15}) {
        SCOPED_TRACE(scale);
        const Render r = render(w, scale);
        EXPECT_TRUE(dark(r.along(w.linHod, 0.85)));
        EXPECT_TRUE(dark(r.along(w.linMin, 0.85)));
        EXPECT_TRUE(blue(r.along(w.linSec, 0.95))) << r.along(w.linSec, 0.95).name().toStdString();
        // Nothing beyond the end points.
        EXPECT_EQ(r.along(w.linSec, 1.06), r.background);
        EXPECT_EQ(r.along(w.linHod, 1.15), toQColor(w.shpCifernik.BackColor));
        EXPECT_TRUE(red(r.along(w.linAlarm, 0.5)));
        // The dial's face between the hands, and the panel outside it.
        EXPECT_EQ(r.at(640, 900), QColor(0xC0, 0xC0, 0xC0));
        EXPECT_EQ(r.at(900, 200), r.background);
    }
}

TEST(DialRender, CrispOutlineAndSharpThinHands) {
    Rig rig;
    setUp(rig);
    const auto& w = rig.w;
    // At 96 dpi the one-pixel second hand fills one pixel column, not two half columns.
    const Render r = render(w, 1.0 / 15);
    const int column = int(std::floor(w.linSec.X2 / 15));
    const int row = int(std::floor(1100.0 / 15)); // below the dial, above the tip
    const QColor on = r.image.pixelColor(column, row);
    EXPECT_GE(on.blue(), 240) << on.name().toStdString();
    EXPECT_LT(on.red(), 20);
    EXPECT_EQ(r.image.pixelColor(column - 1, row), r.background);
    EXPECT_LT(r.image.pixelColor(column + 1, row).blue(), 150);

    // At three times the size the outline is three pixels of inactive-caption grey.
    const Render big = render(w, 3.0 / 15);
    const int y = int((360 + 367.5) * 3 / 15);
    EXPECT_EQ(big.image.pixelColor(25, y), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(big.image.pixelColor(22, y), big.background);
    EXPECT_EQ(big.image.pixelColor(30, y), QColor(0xC0, 0xC0, 0xC0));
}

TEST(DialRender, DigitalFacePaintsNothing) {
    Rig rig;
    setUp(rig);
    rig.w.menuClick(rig.w.mnuAnalog); // back to digital
    const Render r = render(rig.w, 1.0 / 15);
    for (int y = 0; y < r.image.height(); ++y)
        for (int x = 0; x < r.image.width(); ++x)
            ASSERT_EQ(r.image.pixelColor(x, y), r.background) << x << "," << y;
}

} // namespace
} // namespace tikanda::test
