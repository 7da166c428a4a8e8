// The analog dial: hand positions from the system time and the face switch.

#include "fakes.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace tikanda::test {
namespace {

// Expects a hand to end at a point worked out by hand, in twips.
void expectEnd(const form::Control& line, double x, double y) {
    EXPECT_NEAR(line.X2, x, 0.01) << line.Name;
    EXPECT_NEAR(line.Y2, y, 0.01) << line.Name;
}

TEST(Face, TheMenuSwitchesToAnalogWhereTicksMoveTheHandsAsTheApproximatePiPutsThem) {
    Rig rig;
    auto& w = rig.w;
    w.menuClick(w.mnuAnalog);
    EXPECT_TRUE(w.shpCifernik.Visible && w.linHod.Visible && !w.lblAktualni.Visible);
    EXPECT_TRUE(w.mnuAnalog.Checked && w.mnuAnalog2.Caption == "Digitální");

    // The time after the tick, then where the hour, minute and second hands end. 3.14
    // stands for pi, and the hour hand lags 1.5 degrees behind the minutes.
    const std::tuple<int, int, int, std::pair<double, double>, std::pair<double, double>,
                     std::pair<double, double>>
        cases[] = {
            {3, 15, 15, {720, 720}, {800, 720}, {880, 720}}, // all three point to 3
            // The hour hand short of straight down, the minute hand a hair right of
            // straight up, second 45 a hair below 9 o'clock.
            {6, 0, 45, {486.4703, 959.9128}, {480.2548, 400.0001}, {80.0005, 720.6370}},
        };
    for (const auto& [h, m, s, hour, minute, second] : cases) {
        SCOPED_TRACE(testing::Message() << h << ":" << m << ":" << s);
        rig.clock.set(h, m, s);
        rig.clock.advance(-1);
        rig.tick();
        expectEnd(w.linHod, hour.first, hour.second);
        expectEnd(w.linMin, minute.first, minute.second);
        expectEnd(w.linSec, second.first, second.second);
    }
    w.menuClick(w.mnuAnalog2); // the pop-up item switches back
    EXPECT_TRUE(!w.shpCifernik.Visible && !w.linHod.Visible && w.lblAktualni.Visible);
    EXPECT_TRUE(!w.mnuAnalog.Checked && w.mnuAnalog2.Caption == "Analogové");
}

} // namespace
} // namespace tikanda::test
