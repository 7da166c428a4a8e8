// The analog dial: hand positions from the system time and the face switch.

#include "fakes.h"
#include "ui/clock/dial_geometry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

struct Hand {
    float x, y;
};
Hand end(const form::Control& line) {
    return {line.X2, line.Y2};
}

// Where a hand of the given length ends at an angle worked out by hand.
Hand expected(double length, double angle) {
    return {float(length * std::cos(angle) + 480), float(length * std::sin(angle) + 720)};
}

TEST(Dial, AnglesUseTheApproximatePi) {
    // 12:00 and 0:00: minute and second straight up at -1.57, not -pi/2.
    EXPECT_NEAR(dial::minuteAngle(0), -1.57, 1e-6);
    EXPECT_NEAR(dial::secondAngle(0), -1.57, 1e-6);
    EXPECT_NEAR(dial::hourAngle(12, 0), 4.6838, 1e-4);
    EXPECT_NEAR(dial::hourAngle(0, 0), -1.5962, 1e-4);
    EXPECT_NEAR(dial::hourAngle(6, 0), 1.5438, 1e-4);
    // Single precision, not double.
    EXPECT_EQ(dial::minuteAngle(0), float(-1.57));
}

TEST(TimeSet, NoonAndMidnight) {
    for (int h : {12, 0}) {
        Rig rig;
        rig.clock.set(h, 0, 0);
        rig.w.TimeSet();
        const Hand up = expected(320, -1.57);
        EXPECT_NEAR(rig.w.linMin.X2, up.x, 1e-3);
        EXPECT_NEAR(rig.w.linMin.Y2, up.y, 1e-3);
        EXPECT_GT(rig.w.linMin.X2, 480.2f); // a hair right of straight up: 3.14 < pi
        const Hand sec = expected(400, -1.57);
        EXPECT_NEAR(rig.w.linSec.X2, sec.x, 1e-3);
        EXPECT_NEAR(rig.w.linSec.Y2, sec.y, 1e-3);
        // The hour hand 1.5 degrees counter-clockwise of 12 (at midnight a full turn
        // further back, which ends at the same place up to the 3.14 error).
        EXPECT_LT(rig.w.linHod.X2, 480) << "hour " << h;
        EXPECT_NEAR(rig.w.linHod.Y2, 480, 1) << "hour " << h;
        if (h == 12) {
            const Hand hour = expected(240, 4.6838);
            EXPECT_NEAR(rig.w.linHod.X2, hour.x, 0.05);
            EXPECT_NEAR(rig.w.linHod.Y2, hour.y, 0.05);
        }
        // The first end points stay at the centre.
        for (auto* l : {&rig.w.linHod, &rig.w.linMin, &rig.w.linSec}) {
            EXPECT_EQ(l->X1, 480);
            EXPECT_EQ(l->Y1, 720);
        }
    }
}

TEST(TimeSet, QuarterPastThreeAllPointToThree) {
    Rig rig;
    rig.clock.set(3, 15, 15);
    rig.w.TimeSet();
    EXPECT_FLOAT_EQ(rig.w.linHod.X2, 720);
    EXPECT_FLOAT_EQ(rig.w.linHod.Y2, 720);
    EXPECT_FLOAT_EQ(rig.w.linMin.X2, 800);
    EXPECT_FLOAT_EQ(rig.w.linMin.Y2, 720);
    EXPECT_FLOAT_EQ(rig.w.linSec.X2, 880);
    EXPECT_FLOAT_EQ(rig.w.linSec.Y2, 720);
}

TEST(TimeSet, SixOClock) {
    Rig rig;
    rig.clock.set(6, 0, 45);
    rig.w.TimeSet();
    const Hand hour = expected(240, 1.5438);
    EXPECT_NEAR(rig.w.linHod.X2, hour.x, 0.05); // a little right of straight down
    EXPECT_NEAR(rig.w.linHod.Y2, hour.y, 0.05);
    EXPECT_GT(rig.w.linHod.X2, 480);
    // Second 45 points to 9 o'clock.
    EXPECT_NEAR(rig.w.linSec.X2, 80, 0.01);
    EXPECT_NEAR(rig.w.linSec.Y2, 720.64, 0.01); // 3.14 falls short of pi
}

TEST(Face, SwitchesAndSwitchesBack) {
    Rig rig;
    auto& w = rig.w;
    const form::Control* labels[] = {&w.lblAktualni, &w.lblStopky, &w.lbl1, &w.lbl2};
    const form::Control* dialParts[] = {&w.shpCifernik, &w.linHod, &w.linMin, &w.linSec,
                                        &w.linAlarm};

    rig.w.menuClick(w.mnuAnalog);
    EXPECT_TRUE(w.mnuAnalog.Checked);
    EXPECT_EQ(w.mnuAnalog.Caption, "Analogové");
    EXPECT_EQ(w.mnuAnalog2.Caption, "Digitální");
    for (auto* c : labels)
        EXPECT_FALSE(c->Visible) << c->Name;
    for (auto* c : dialParts)
        EXPECT_TRUE(c->Visible) << c->Name;
    EXPECT_TRUE(w.lblAlarm.Visible);

    // The pop-up item switches back.
    rig.w.menuClick(w.mnuAnalog2);
    EXPECT_FALSE(w.mnuAnalog.Checked);
    EXPECT_EQ(w.mnuAnalog2.Caption, "Analogové");
    for (auto* c : labels)
        EXPECT_TRUE(c->Visible) << c->Name;
    for (auto* c : dialParts)
        EXPECT_FALSE(c->Visible) << c->Name;
}

TEST(Face, TicksMoveTheHandsOnlyOnTheAnalogFace) {
    Rig rig;
    auto& w = rig.w;
    rig.clock.set(10, 20, 30);
    const Hand hod = end(w.linHod), min = end(w.linMin), sec = end(w.linSec);
    rig.tick(3);
    EXPECT_EQ(end(w.linHod).x, hod.x);
    EXPECT_EQ(end(w.linHod).y, hod.y);
    EXPECT_EQ(end(w.linMin).x, min.x);
    EXPECT_EQ(end(w.linSec).x, sec.x);
    EXPECT_EQ(end(w.linSec).y, sec.y);

    // Switching to analog does not draw at once; the next tick does.
    w.menuClick(w.mnuAnalog);
    EXPECT_EQ(end(w.linSec).x, sec.x);
    rig.tick(); // 10:20:34
    EXPECT_NEAR(w.linSec.X2, expected(400, (34 - 15) * 18.84 / 180).x, 1e-3);
    EXPECT_NEAR(w.linMin.Y2, expected(320, (20 - 15) * 18.84 / 180).y, 1e-3);
}

} // namespace
} // namespace tikanda::test
