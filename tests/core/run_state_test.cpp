// A pending run outlives the program: written at each change (never on a tick), put back by
// the next start over the same state folder, dropped by an end the user chose.

#include "fakes.h"

#include <gtest/gtest.h>

#include <memory>

namespace tikanda::test {
namespace {

// A started program on the fake platform.
std::unique_ptr<Rig> program() {
    auto r = std::make_unique<Rig>();
    r->w.Form_Load();
    return r;
}

// The program ended and starts again `away` seconds later over the same state folder: the
// run clock went on, or (reboot) began anew while the wall clock says how long it was.
std::unique_ptr<Rig> restart(Rig& old, Seconds away, bool reboot = false) {
    auto r = std::make_unique<Rig>();
    r->clock = old.clock;
    if (reboot)
        r->clock.reboot(away);
    else
        r->clock.advance(away);
    r->runStore.toTake = old.runStore.file;
    r->w.Form_Load();
    return r;
}

void startRun(Rig& r, form::Control& opt, const char* h, const char* m, const char* s) {
    r.w.optionChosen(opt);
    r.w.setText(r.w.txtHod, h);
    r.w.setText(r.w.txtMin, m);
    r.w.setText(r.w.txtSec, s);
    r.w.menuClick(r.w.mnuStart);
}

// The clock at each alarm within n ticks; each alarm window is dismissed at once.
std::vector<std::string> alarmsDuring(Rig& r, int n) {
    std::vector<std::string> at;
    for (int i = 0; i < n; ++i) {
        r.tick();
        if (FrmAlarm* a = r.w.frmAlarm()) {
            at.push_back(a->lblAlarm[3].Caption + "@" + timetext::formatClock(r.clock.t.second));
            a->Form_Click();
        }
    }
    return at;
}

TEST(PendingRun, ComesBackAfterTheProgramEndedAsTheClocksSay) {
    const struct {
        const char* name;
        form::Control FrmTikanda::*mode;
        const char *h, *m, *s;
        int ticks;     // before the end
        bool pause;    // paused before the end
        Seconds away;  // between the end and the next start
        bool reboot;   // the machine restarted meanwhile
        Seconds clockSet; // the wall clock set meanwhile (after the reboot)
        const char* shown;
        std::vector<std::string> alarms; // within 60 ticks: announced@rung
    } cases[] = {
        {"countdown", &FrmTikanda::optZa, "0", "01", "00", 10, false, 20, false, 0, "0:00:30",
         {"09:01:00@09:01:00"}},
        {"countdown due while away", &FrmTikanda::optZa, "0", "00", "30", 5, false, 100, false, 0,
         "0:00:00", {"09:00:30@09:01:46"}},
        {"countdown over a reboot", &FrmTikanda::optZa, "0", "01", "00", 10, false, 20, true, 0,
         "0:00:30", {"09:01:00@09:01:00"}},
        // Written at the start: the wall clock gone back gives no time to add.
        {"reboot, clock set back", &FrmTikanda::optZa, "0", "01", "00", 10, false, 20, true, -3600,
         "0:01:00", {"08:01:30@08:01:30"}},
        {"paused countdown", &FrmTikanda::optZa, "0", "01", "00", 10, true, 500, false, 0,
         "0:00:50", {}},
        {"stopwatch", &FrmTikanda::optS, "0", "00", "00", 10, false, 20, false, 0, "0:00:30", {}},
        {"time of day", &FrmTikanda::optV, "9", "00", "40", 5, false, 20, false, 0, "9:00:40",
         {"09:00:40@09:00:40"}},
        {"time of day passed while away", &FrmTikanda::optV, "9", "00", "40", 5, false, 100,
         false, 0, "9:00:40", {"09:00:40@09:01:46"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto a = program();
        a->clock.set(9, 0, 0);
        startRun(*a, a->w.*c.mode, c.h, c.m, c.s);
        a->tick(c.ticks);
        if (c.pause) a->w.menuClick(a->w.mnuPauza);
        ASSERT_TRUE(a->runStore.file);
        a->clock.jump(c.clockSet);
        auto b = restart(*a, c.away, c.reboot);
        EXPECT_EQ(b->w.runState(), c.pause ? RunState::Paused : RunState::Running);
        EXPECT_TRUE((b->w.*c.mode).Value);
        EXPECT_FALSE(b->w.fraNastav.Enabled);
        EXPECT_EQ(b->w.WindowState, 0);
        if (c.alarms.empty() || c.ticks + c.away < 60) EXPECT_EQ(b->w.lblStopky.Caption, c.shown);
        EXPECT_EQ(alarmsDuring(*b, 60), c.alarms);
    }
}

// An alarm window open at the end comes back announced as it was, with the run started
// meanwhile still held; the text it shows is the one of the state file.
TEST(PendingRun, AnOpenAlarmWindowComesBackWithTheRunItHeld) {
    auto a = program();
    a->clock.set(9, 0, 0);
    startRun(*a, a->w.optZa, "0", "00", "00");
    a->tick();
    ASSERT_NE(a->w.frmAlarm(), nullptr);
    a->w.AlarmText = "Čaj!";
    startRun(*a, a->w.optZa, "0", "00", "05");
    auto b = restart(*a, 30);
    EXPECT_EQ(b->w.AlarmText, "Čaj!");
    b->tick();
    FrmAlarm* alarm = b->w.frmAlarm();
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(alarm->lblAlarm[3].Caption, "09:00:01");
    EXPECT_EQ(alarm->lblAlarm[0].Caption, "Budíček!");
    b->tick(10);
    EXPECT_EQ(b->w.lblStopky.Caption, "0:00:05");
    alarm->Form_Click();
    EXPECT_TRUE(b->runStore.file); // the countdown is still pending
    EXPECT_EQ(alarmsDuring(*b, 10), std::vector<std::string>{"09:00:47@09:00:47"});
    EXPECT_FALSE(b->runStore.file);
}

// Written at each change of the run (the alarm text too) and before the stopwatch's report,
// never on a tick; an end the user chose drops it, a session end keeps it and saves.
TEST(PendingRun, WrittenAtEachChangeAndDroppedOnlyByTheUsersEnd) {
    auto r = program();
    startRun(*r, r->w.optS, "0", "00", "00");
    const int afterStart = r->runStore.saves;
    EXPECT_EQ(afterStart, 1);
    r->tick(30);
    EXPECT_EQ(r->runStore.saves, afterStart);
    r->w.menuClick(r->w.mnuText);
    r->w.textEdited(r->w.cboText, "Jinak");
    r->w.keyUp(&r->w.cboText, vk::Enter, 0);
    EXPECT_NE(r->runStore.file->find("text=Jinak"), std::string::npos);
    r->w.menuClick(r->w.mnuPauza);
    EXPECT_EQ(r->runStore.saves, afterStart + 2);

    r->messages.whileShown = [&] { EXPECT_FALSE(r->runStore.file); };
    r->w.menuClick(r->w.mnuStop);
    ASSERT_EQ(r->messages.shown.size(), 1u);
    EXPECT_EQ(r->messages.shown[0].text, "Čas 0:00:30");

    const std::function<void(Rig&)> ends[] = {
        [](Rig& x) { x.w.keyUp(nullptr, vk::F4, shiftstate::Ctrl | shiftstate::Alt); },
        [](Rig& x) { x.w.mouseDown(x.w.cmdStorno, mouse::Left, shiftstate::Shift, 0, 0); },
        [](Rig& x) {
            x.messages.answers = {MsgAnswer::Yes};
            x.w.menuClick(x.w.mnuKonec);
        },
    };
    for (const auto& end : ends) {
        auto x = program();
        startRun(*x, x->w.optZa, "0", "05", "00");
        end(*x);
        EXPECT_EQ(x->exit.codes.size(), 1u);
        EXPECT_FALSE(x->runStore.file);
    }
    auto s = program();
    startRun(*s, s->w.optZa, "0", "05", "00");
    s->w.toolbarClick("Zvuk");
    EXPECT_EQ(s->w.SessionEnd(), FrmTikanda::SessionSave::Saved);
    EXPECT_TRUE(s->runStore.file);
    EXPECT_EQ((s->settings.values[{"RVTikanda", "User", "Zvuk"}]), "1");
    EXPECT_TRUE(s->messages.shown.empty());
    Rig early; // ended before start-up loaded the settings: nothing saved
    EXPECT_EQ(early.w.SessionEnd(), FrmTikanda::SessionSave::NotLoaded);
    EXPECT_TRUE(early.settings.writes.empty());
}

TEST(PendingRun, AStateFileItCannotUseIsSetAsideOrLeftAlone) {
    const struct {
        const char* text;
        int damaged, leftAlone;
    } cases[] = {
        {"version=1\nmode=Za\nstate=running\nvalue=x\n", 1, 0},
        {"version=1\nmode=Q\nstate=paused\nvalue=5\n", 1, 0},
        {"version=1\nmode=Za\nstate=running\nheld=0\nvalue=5\n", 1, 0}, // no instants
        {"garbage without equals\n", 1, 0},
        {"version=1\nmode=V\nstate=running\nvalue=90000\nstartDay=1\nstartSecond=1\n", 1, 0},
        {"version=2\nmode=Zz\n", 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Rig r;
        r.runStore.toTake = c.text;
        r.w.Form_Load();
        EXPECT_EQ(r.runStore.setAsideDamaged, c.damaged);
        EXPECT_EQ(r.runStore.leftAlone, c.leftAlone);
        EXPECT_EQ(r.w.runState(), RunState::Stopped);
        EXPECT_TRUE(r.w.Visible);
    }
}

// Each check of a time-of-day run moves its last check on: the clock set back a day, then
// forward again past the target's time, rings (the target passed since the last check).
TEST(RunTimeOfDay, EachCheckMovesTheLastCheckOn) {
    tikanda::Run run;
    RunNow now;
    now.wall = {20000, 9 * 3600};
    run.start(RunMode::TimeOfDay, 10 * 3600, now);
    EXPECT_FALSE(run.checkTimeOfDay({19999, 9 * 3600 + 1}));
    EXPECT_TRUE(run.checkTimeOfDay({20000, 9 * 3600 + 2}));
}

TEST(RunRecordText, EscapesRoundTripAndBadEscapesFail) {
    const std::map<std::string, std::string> rec{{"text", "a=b\\c\nd\re"}, {"mode", "Za"}};
    EXPECT_EQ(decodeRecord(encodeRecord(rec)), rec);
    EXPECT_EQ(decodeRecord("text=a\\q\n"), std::nullopt);
    EXPECT_EQ(decodeRecord("text=a\\"), std::nullopt);
}

} // namespace
} // namespace tikanda::test
