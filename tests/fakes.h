#pragma once
// Fake platform for headless tests: a settable clock, timers fired by hand, and
// recorders for sound, keys, message boxes, menus, dialogs, help and the store.

#include "core/frm_tikanda.h"

#include <deque>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tikanda::test {

// The front of a queue of scripted answers, taken off; `none` when the queue is empty.
template <class T> T takeFront(std::deque<T>& queue, T none = {}) {
    if (queue.empty()) return none;
    T v = std::move(queue.front());
    queue.pop_front();
    return v;
}

// The wall clock (whole seconds and the milliseconds into the second) and the run clock.
// Time passing moves both; setting the wall clock moves only the wall clock.
struct FakeClock : Clock, RunClock {
    LocalMoment t{20000, 9 * 3600};
    int ms = 0;
    std::int64_t run = 0;
    std::string boot = "boot-1";
    LocalMoment now() const override { return t; }
    std::string shortDate(std::int64_t day) const override { return "day " + std::to_string(day); }
    std::int64_t utcMs() const override { return t.serial() * 1000 + ms; } // local time is UTC
    std::int64_t nowMs() const override { return run; }
    std::int64_t secondStartMs() const override { return run - ms; }
    std::string bootId() const override { return boot; }
    // The machine restarted: a new boot whose run clock begins near zero.
    void reboot(Seconds down) {
        jump(down);
        run = 5000 + ms;
        boot += "+";
    }
    void set(int h, int m, int s) { t = {20000, h * 3600 + m * 60 + s}; }
    void advance(Seconds s) { advanceMs(s * 1000); }
    void advanceMs(std::int64_t d) {
        run += d;
        jumpMs(d);
    }
    // The wall clock set forward or back (never to before day 0).
    void jump(Seconds s) { jumpMs(s * 1000); }
    void jumpMs(std::int64_t d) {
        const std::int64_t v = t.serial() * 1000 + ms + d;
        ms = int(v % 1000);
        t = {v / 1000 / 86400, int(v / 1000 % 86400)};
    }
};

// Second timers: the behaviour owns a handle, the fake keeps each timer's state for good.
struct FakeTimers : TimerFactory {
    struct State {
        std::function<void()> onTick;
        bool on = true, alive = true;
    };
    std::deque<State> timers; // in order of creation; a deque keeps them in place
    struct Handle : Timer {
        State& s;
        explicit Handle(State& x) : s(x) {}
        ~Handle() override { s.alive = false; }
        void setEnabled(bool on) override { s.on = on; }
        bool enabled() const override { return s.on; }
    };
    std::unique_ptr<Timer> createSecondTimer(std::function<void()> onTick) override {
        return std::make_unique<Handle>(timers.emplace_back(State{std::move(onTick)}));
    }
    // Fires every live, enabled timer once, in order of creation; one made meanwhile waits.
    void fireAll() {
        for (std::size_t i = 0, n = timers.size(); i < n; ++i)
            if (timers[i].alive && timers[i].on) timers[i].onTick();
    }
};

struct FakeSound : Sound {
    std::vector<std::string> played, preloaded;
    int released = 0;
    void play(const std::string& p) override { played.push_back(p); }
    void preload(const std::string& p) override { preloaded.push_back(p); }
    void release() override { ++released; }
};

struct FakeKeys : KeyInjector {
    std::vector<int> sent;
    void sendKey(int vk) override { sent.push_back(vk); }
};

// The screen saver's requests in order: 'a' activity, 'i' inhibit, 'u' uninhibit.
struct FakeScreenSaver : ScreenSaver {
    std::string calls;
    void simulateUserActivity() override { calls += 'a'; }
    void inhibit() override { calls += 'i'; }
    void uninhibit() override { calls += 'u'; }
};

struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    bool defaultNo;
};

struct FakeMessages : MessageBoxes {
    std::vector<ShownMessage> shown;
    std::deque<MsgAnswer> answers; // next answers; Ok / No when empty
    std::function<void()> whileShown = [] {};
    MsgAnswer show(const std::string& text, const std::string&, MsgIcon, MsgButtons buttons,
                   bool defaultNo) override {
        shown.push_back({text, buttons, defaultNo});
        whileShown();
        return takeFront(answers, buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No);
    }
};

struct FakePopups : PopupMenus {
    std::vector<std::pair<std::string, std::string>> shown; // menu name, default item name
    std::deque<std::string> choices;                        // item names; "" dismisses
    form::MenuItem* popup(form::MenuItem& menu, form::MenuItem* def) override {
        shown.emplace_back(menu.Name, def ? def->Name : "");
        const std::string pick = takeFront(choices);
        for (auto* c : menu.Children)
            if (c->Name == pick) return c;
        return nullptr;
    }
};

struct FakeDialogs : Dialogs {
    std::vector<std::uint32_t> colourPresets;
    std::deque<std::optional<std::uint32_t>> colours;
    int fileDialogs = 0;
    std::deque<std::optional<std::string>> files;
    std::optional<std::uint32_t> chooseColour(std::uint32_t current) override {
        colourPresets.push_back(current);
        return takeFront(colours);
    }
    std::optional<std::string> openFile(const std::string&, const std::string&,
                                        const std::string&) override {
        ++fileDialogs;
        return takeFront(files);
    }
};

struct FakeHelp : HelpViewer {
    std::string file;
    int contents = 0;
    std::vector<int> topics;
    std::vector<std::pair<int, std::string>> whatsThis; // topic, control name
    void setHelpFile(const std::string& f) override { file = f; }
    void showContents() override { ++contents; }
    void showTopic(int t) override { topics.push_back(t); }
    void showWhatsThis(int t, const form::Control* c) override {
        whatsThis.emplace_back(t, c ? c->Name : "");
    }
};

struct FakeSettings : SettingsStore {
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::tuple<std::string, std::string, std::string>> writes; // in order
    bool failFlush = false;
    std::string get(const std::string& a, const std::string& s, const std::string& k,
                    const std::string& def) override {
        return values.contains({a, s, k}) ? values[{a, s, k}] : def;
    }
    void set(const std::string& a, const std::string& s, const std::string& k,
             const std::string& v) override {
        values[{a, s, k}] = v;
        writes.emplace_back(a, s, k);
    }
    bool flush() override { return !failFlush; }
};

struct FakeEnv : Environment {
    std::string cmd;
    std::string commandLine() const override { return cmd; }
    std::string dataDir() const override { return "/opt/tikanda"; }
    char pathSeparator() const override { return '/'; }
};

struct FakeExit : ProcessExit {
    std::vector<int> codes;
    void endNow(int code) override { codes.push_back(code); }
};

// The state folder of the copies on one machine: the file each copy holds, by copy.
struct FakeRunStore : RunStateStore {
    std::optional<std::string> file;  // this copy's state file
    std::optional<std::string> toTake; // a file left by a copy that is gone
    int setAsideDamaged = 0, leftAlone = 0, saves = 0;
    std::optional<std::string> taken() override {
        if (toTake) file = toTake;
        return std::exchange(toTake, std::nullopt);
    }
    void setAside(bool damaged) override {
        ++(damaged ? setAsideDamaged : leftAlone);
        file.reset();
    }
    void save(const std::string& text) override {
        ++saves;
        file = text;
    }
    void remove() override { file.reset(); }
};

struct FakeWindows : WindowSystem {
    std::function<void()> onDoEvents = [] {};
    void doEvents() override { onDoEvents(); }
    void alarmWindowLoaded(FrmAlarm&) override {}
    void alarmWindowUnloaded(FrmAlarm&) override {}
};

// One main window on the fake platform, or over the given settings store. The window is
// constructed but not started: call w.Form_Load() where a test needs the start-up sequence.
struct Rig {
    FakeClock clock;
    FakeTimers timers;
    FakeSound sound;
    FakeKeys keys;
    FakeMessages messages;
    FakePopups popups;
    FakeDialogs dialogs;
    FakeHelp help;
    FakeSettings settings;
    FakeEnv env;
    FakeExit exit;
    FakeWindows windows;
    FakeScreenSaver screenSaver;
    FakeRunStore runStore;
    SettingsStore& store; // the fake unless a test gives another
    Services svc{clock, timers, sound, keys, messages, popups,      dialogs,
                 help,  store,  env,   exit, windows,  clock,  screenSaver, runStore};
    ProgramState program;
    FrmTikanda w{svc, program};

    explicit Rig(SettingsStore* real = nullptr) : store(real ? *real : settings) {}

    // A countdown brought to the given state by the run commands (0 stopped, 1 running,
    // 2 paused), with no tick yet.
    void bring(int state) {
        if (state == 0) return;
        w.optionChosen(w.optZa);
        w.cmdOK_Click();
        if (state == 2) w.Pauza();
    }

    // One second passes and every enabled timer fires once.
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.advance(1);
            timers.fireAll();
        }
    }
};

} // namespace tikanda::test
