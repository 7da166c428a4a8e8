// The analog dial: hand positions from the system time and the face switch.

#include "fakes.h"
#include "ui/clock/dial_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

// Expects a hand of the given length to end at an angle worked out by hand.
void expectHand(const form::Control& line, double length, double angle) {
    EXPECT_NEAR(line.X2, length * std::cos(angle) + 480, 0.03) << line.Name;
    EXPECT_NEAR(line.Y2, length * std::sin(angle) + 720, 0.03) << line.Name;
    EXPECT_EQ(line.X1, 480); // the first end point stays at the centre
    EXPECT_EQ(line.Y1, 720);
}

TEST(TimeSet, HandsEndWhereTheApproximatePiPutsThem) {
    struct Case {
        int h, m, s;
        double hour, minute, second; // angles: 3.14 for pi, 1.5 degrees back for the hour
    };
    const Case cases[] = {
        {12, 0, 0, 4.6838, -1.57, -1.57}, // a hair right of straight up: 3.14 < pi
        {0, 0, 0, -1.5962, -1.57, -1.57}, // the hour a full turn further back than at noon
        {3, 15, 15, 0, 0, 0},             // all three point to 3
        {6, 0, 45, 1.5438, -1.57, 3.14},  // second 45 falls short of 9 o'clock
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << ":" << c.m << ":" << c.s);
        Rig rig;
        rig.clock.set(c.h, c.m, c.s);
        rig.w.TimeSet();
        expectHand(rig.w.linHod, 240, c.hour);
        expectHand(rig.w.linMin, 320, c.minute);
        expectHand(rig.w.linSec, 400, c.second);
    }
    EXPECT_EQ(dial::minuteAngle(0), float(-1.57)); // single precision, not double
}

TEST(Face, SwitchesAndSwitchesBack) {
    Rig rig;
    auto& w = rig.w;
    // The menu item switches to analog, the pop-up item back.
    for (form::MenuItem* item : {&w.mnuAnalog, &w.mnuAnalog2}) {
        w.menuClick(*item);
        const bool analog = item == &w.mnuAnalog;
        EXPECT_EQ(w.mnuAnalog.Checked, analog);
        EXPECT_EQ(w.mnuAnalog2.Caption, analog ? "Digitální" : "Analogové");
        for (auto* c : {&w.lblAktualni, &w.lblStopky, &w.lbl1, &w.lbl2})
            EXPECT_EQ(c->Visible, !analog) << c->Name;
        for (auto* c : {&w.shpCifernik, &w.linHod, &w.linMin, &w.linSec, &w.linAlarm})
            EXPECT_EQ(c->Visible, analog) << c->Name;
        EXPECT_TRUE(w.lblAlarm.Visible);
    }
}

TEST(Face, TicksMoveTheHandsOnlyOnTheAnalogFace) {
    Rig rig;
    rig.clock.set(10, 20, 30);
    const float sec = rig.w.linSec.X2;
    rig.tick(3);
    rig.w.menuClick(rig.w.mnuAnalog); // draws nothing at once; the next tick does
    EXPECT_EQ(rig.w.linSec.X2, sec);
    rig.tick(); // 10:20:34
    expectHand(rig.w.linSec, 400, (34 - 15) * 18.84 / 180);
    expectHand(rig.w.linMin, 320, (20 - 15) * 18.84 / 180);
}

} // namespace
} // namespace tikanda::test
