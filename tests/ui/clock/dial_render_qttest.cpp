// The painted dial, rendered offscreen, against the end points the behaviour computes.

#include "fakes.h"
#include "ui/clock/dial_painter_qt.h"
#include "ui/colours/colour_qt.h"

#include <QtGui>
#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// Antialiased strokes come close to their colour, not always onto it.
bool near(const QColor& c, const QColor& target, int tolerance = 100) {
    return std::abs(c.red() - target.red()) < tolerance &&
           std::abs(c.green() - target.green()) < tolerance &&
           std::abs(c.blue() - target.blue()) < tolerance;
}

TEST(DialRender, HandsEndWhereTheGeometrySaysAtThreeTimesTheSize) {
    // 9:00:30 puts the hour hand at 9, the minute hand at 12 and the second hand at 6; the
    // alarm mark goes to 3 o'clock, where no hand is.
    Rig rig;
    auto& w = rig.w;
    rig.clock.set(9, 0, 30);
    w.menuClick(w.mnuAnalog);
    w.TimeSet();
    std::tie(w.linAlarm.X1, w.linAlarm.Y1, w.linAlarm.X2, w.linAlarm.Y2) =
        std::tuple(760, 720, 780, 720);
    const QColor background = toQColor(w.picGreen.BackColor), face(0xC0, 0xC0, 0xC0);
    const double scale = 3 / 15.0; // pixels per twip at three times the normal size
    QImage image(int(std::ceil(1020 * scale)), int(std::ceil(2325 * scale)), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    paintDial(painter, w, scale);
    // The pixel a fraction f along a line from its first to its second end point.
    const auto along = [&](const form::Control& l, double f) {
        return image.pixelColor(int(std::floor((l.X1 + f * (l.X2 - l.X1)) * scale)),
                                int(std::floor((l.Y1 + f * (l.Y2 - l.Y1)) * scale)));
    };
    EXPECT_TRUE(near(along(w.linHod, 0.85), Qt::black));
    EXPECT_TRUE(near(along(w.linMin, 0.85), Qt::black));
    EXPECT_TRUE(near(along(w.linSec, 0.95), Qt::blue));
    EXPECT_TRUE(near(along(w.linAlarm, 0.5), Qt::red));
    // Nothing beyond the end points: the panel, and the face between the hands.
    EXPECT_EQ(along(w.linSec, 1.06), background);
    EXPECT_EQ(along(w.linHod, 1.15), face);
}

} // namespace
} // namespace tikanda::test
