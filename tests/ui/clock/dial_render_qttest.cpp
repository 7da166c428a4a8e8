// The painted dial, rendered offscreen, against the end points the behaviour computes.

#include "fakes.h"
#include "ui/clock/dial_geometry.h"
#include "ui/clock/dial_painter_qt.h"
#include "ui/colours/colour_qt.h"

#include <QtGui>
#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// Antialiased strokes come close to their colour, not always onto it.
bool near(const QColor& c, const QColor& target, int tolerance = 60) {
    return std::abs(c.red() - target.red()) < tolerance &&
           std::abs(c.green() - target.green()) < tolerance &&
           std::abs(c.blue() - target.blue()) < tolerance;
}

TEST(DialRender, HandsEndWhereTheGeometrySaysAtAnyScale) {
    // 9:00:30 puts the hour hand at 9, the minute hand at 12 and the second hand at 6; the
    // alarm mark goes to 3 o'clock, where no hand is.
    Rig rig;
    auto& w = rig.w;
    rig.clock.set(9, 0, 30);
    w.menuClick(w.mnuAnalog);
    w.TimeSet();
    const dial::Point a = dial::endPoint(280, 0), b = dial::endPoint(300, 0);
    std::tie(w.linAlarm.X1, w.linAlarm.Y1, w.linAlarm.X2, w.linAlarm.Y2) =
        std::tie(a.x, a.y, b.x, b.y);
    const QColor background = toQColor(w.picGreen.BackColor), face(0xC0, 0xC0, 0xC0);
    for (int times : {1, 3}) {
        SCOPED_TRACE(times);
        const double scale = times / 15.0; // pixels per twip
        QImage image(int(std::ceil(1020 * scale)), int(std::ceil(2325 * scale)),
                     QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        paintDial(painter, w, scale);
        const auto at = [&](double x, double y) {
            return image.pixelColor(int(std::floor(x * scale)), int(std::floor(y * scale)));
        };
        // The pixel a fraction f along a line from its first to its second end point.
        const auto along = [&](const form::Control& l, double f) {
            return at(l.X1 + f * (l.X2 - l.X1), l.Y1 + f * (l.Y2 - l.Y1));
        };
        EXPECT_TRUE(near(along(w.linHod, 0.85), Qt::black, 100));
        EXPECT_TRUE(near(along(w.linMin, 0.85), Qt::black, 100));
        EXPECT_TRUE(near(along(w.linSec, 0.95), Qt::blue));
        EXPECT_TRUE(near(along(w.linAlarm, 0.5), Qt::red));
        // Nothing beyond the end points; the face between the hands, the panel outside.
        EXPECT_EQ(along(w.linSec, 1.06), background);
        EXPECT_EQ(along(w.linHod, 1.15), face);
        EXPECT_EQ(at(640, 900), face);
        EXPECT_EQ(at(900, 200), background);
        if (times == 1) {
            // The one-pixel second hand fills one pixel column, not two half columns.
            const int column = int(std::floor(w.linSec.X2 / 15)), row = 1100 / 15;
            EXPECT_TRUE(near(image.pixelColor(column, row), Qt::blue, 20));
            EXPECT_EQ(image.pixelColor(column - 1, row), background);
            EXPECT_LT(image.pixelColor(column + 1, row).blue(), 150);
        } else {
            // The outline is three pixels of inactive-caption grey.
            const int y = int((360 + 367.5) * 3 / 15);
            EXPECT_EQ(image.pixelColor(22, y), background);
            EXPECT_EQ(image.pixelColor(25, y), QColor(0x80, 0x80, 0x80));
            EXPECT_EQ(image.pixelColor(30, y), face);
        }
    }
}

} // namespace
} // namespace tikanda::test
