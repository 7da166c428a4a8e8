// The analog dial: hand positions from the system time and the face switch.

#include "fakes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// Expects a hand of the given length to end at an angle worked out by hand.
void expectHand(const form::Control& line, double length, double angle) {
    EXPECT_NEAR(line.X2, length * std::cos(angle) + 480, 0.03) << line.Name;
    EXPECT_NEAR(line.Y2, length * std::sin(angle) + 720, 0.03) << line.Name;
}

TEST(Face, TheMenuSwitchesToAnalogWhereTicksMoveTheHandsAsTheApproximatePiPutsThem) {
    Rig rig;
    auto& w = rig.w;
    w.menuClick(w.mnuAnalog);
    EXPECT_TRUE(w.shpCifernik.Visible && w.linHod.Visible && !w.lblAktualni.Visible);
    EXPECT_TRUE(w.mnuAnalog.Checked && w.mnuAnalog2.Caption == "Digitální");

    // The time after the tick, then the angles of the hour, minute and second hands:
    // 3.14 stands for pi, and the hour hand lags 1.5 degrees.
    const std::tuple<int, int, int, double, double, double> cases[] = {
        {12, 0, 0, 4.6838, -1.57, -1.57}, // a hair right of straight up: 3.14 < pi
        {0, 0, 0, -1.5962, -1.57, -1.57}, // the hour a full turn further back than at noon
        {3, 15, 15, 0, 0, 0},             // all three point to 3
        {6, 0, 45, 1.5438, -1.57, 3.14},  // second 45 falls short of 9 o'clock
    };
    for (const auto& [h, m, s, hour, minute, second] : cases) {
        SCOPED_TRACE(testing::Message() << h << ":" << m << ":" << s);
        rig.clock.set(h, m, s);
        rig.clock.advance(-1);
        rig.tick();
        expectHand(w.linHod, 240, hour);
        expectHand(w.linMin, 320, minute);
        expectHand(w.linSec, 400, second);
    }
    w.menuClick(w.mnuAnalog2); // the pop-up item switches back
    EXPECT_TRUE(!w.shpCifernik.Visible && !w.linHod.Visible && w.lblAktualni.Visible);
    EXPECT_TRUE(!w.mnuAnalog.Checked && w.mnuAnalog2.Caption == "Analogové");
}

} // namespace
} // namespace tikanda::test
