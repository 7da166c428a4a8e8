#include "core_helpers.h"

#include <cmath>
#include <tuple>

namespace tikanda::test {
namespace {

using Tick = CoreTest;

TEST_F(Tick, TheClockShowsOnlyWhileNotMinimised) {
    rig.clock.set(23, 59, 59);
    rig.tick();
    EXPECT_EQ(w.lblAktualni.Caption + " " + w.lblAktualni.ToolTipText, "0:00:00 day 20001");
    start(w.optV, "14", "30", "20");
    w.WinMin(1);
    rig.tick(); // a minimised run shows in the caption only
    EXPECT_EQ(w.Caption, "V 14:30:20 alarm: Budíček!");
    EXPECT_EQ(w.lblAktualni.Caption, "0:00:00");
}

TEST_F(Tick, CasComposesTheTargetAndPlacesTheMarkIndependently) {
    // The mark takes hours and minutes as numbers, also where the time is invalid; a field
    // that is no number leaves it at 3 o'clock (angle 0).
    const std::tuple<const char*, const char*, Seconds, double> cases[] = {
        {"7", "05", 7 * 3600 + 5 * 60, 2.0758889},
        {"", "05", 0, 0},
        {"25", "00", 0, 11.4871667},
        {"7", "5x", 0, 0}};
    for (const auto& [h, m, result, angle] : cases) {
        SCOPED_TRACE(std::string(h) + ":" + m);
        w.txtHod.Text = h;
        w.txtMin.Text = m;
        w.txtSec.Text = "00";
        EXPECT_EQ(w.Cas(), result);
        EXPECT_NEAR(w.linAlarm.X1, 280 * std::cos(angle) + 480, 0.01);
        EXPECT_NEAR(w.linAlarm.Y1, 280 * std::sin(angle) + 720, 0.01);
        EXPECT_NEAR(w.linAlarm.X2, 300 * std::cos(angle) + 480, 0.01);
        EXPECT_NEAR(w.linAlarm.Y2, 300 * std::sin(angle) + 720, 0.01);
    }
}

} // namespace
} // namespace tikanda::test
