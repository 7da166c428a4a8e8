#pragma once
// Fake platform for headless tests: a settable clock, timers fired by hand, and
// recorders for sound, keys, message boxes, menus, dialogs, help and the store.

#include "core/frm_tikanda.h"

#include <deque>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tikanda::test {

class FakeClock : public Clock {
public:
    LocalMoment t{20000, 9 * 3600};
    LocalMoment now() const override { return t; }
    std::string shortDate(std::int64_t day) const override { return "day " + std::to_string(day); }
    void set(int h, int m, int s, std::int64_t day = 20000) { t = {day, h * 3600 + m * 60 + s}; }
    void advance(Seconds s) {
        Seconds v = t.serial() + s;
        t = {v / 86400, int(v % 86400)};
    }
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(std::function<void()> f) : onTick(std::move(f)) {}
    void setEnabled(bool on) override { on_ = on; }
    bool enabled() const override { return on_; }
    std::function<void()> onTick;
    bool on_ = true;
    bool alive = true;
};

class FakeTimers : public TimerFactory {
public:
    std::vector<FakeTimer*> timers; // in order of creation; never freed before the rig
    std::vector<std::unique_ptr<FakeTimer>> owned;
    std::unique_ptr<Timer> createSecondTimer(std::function<void()> onTick) override {
        // The behaviour owns the timer; keep a tracking proxy so tests can fire it.
        struct Proxy : Timer {
            FakeTimer* t;
            explicit Proxy(FakeTimer* x) : t(x) {}
            ~Proxy() override { t->alive = false; }
            void setEnabled(bool on) override { t->setEnabled(on); }
            bool enabled() const override { return t->enabled(); }
        };
        owned.push_back(std::make_unique<FakeTimer>(std::move(onTick)));
        timers.push_back(owned.back().get());
        return std::make_unique<Proxy>(owned.back().get());
    }
    // Fires every live, enabled timer once, in order of creation.
    void fireAll() {
        auto snapshot = timers;
        for (auto* t : snapshot)
            if (t->alive && t->on_) t->onTick();
    }
};

class FakeSound : public Sound {
public:
    std::vector<std::string> played, preloaded;
    void play(const std::string& p) override { played.push_back(p); }
    void preload(const std::string& p) override { preloaded.push_back(p); }
};

class FakeKeys : public KeyInjector {
public:
    std::vector<int> sent;
    void sendKey(int vk) override { sent.push_back(vk); }
};

struct ShownMessage {
    std::string text, title;
    MsgIcon icon;
    MsgButtons buttons;
    bool defaultNo;
};

class FakeMessages : public MessageBoxes {
public:
    std::vector<ShownMessage> shown;
    std::deque<MsgAnswer> answers; // next answers; Ok / No when empty
    std::function<void()> whileShown;
    MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons, bool defaultNo) override {
        shown.push_back({text, title, icon, buttons, defaultNo});
        if (whileShown) whileShown();
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
};

class FakePopups : public PopupMenus {
public:
    std::vector<std::pair<std::string, std::string>> shown; // menu name, default item name
    std::deque<std::string> choices;                        // item names; "" dismisses
    form::MenuItem* popup(form::MenuItem& menu, form::MenuItem* def) override {
        shown.emplace_back(menu.Name, def ? def->Name : "");
        std::string pick;
        if (!choices.empty()) {
            pick = choices.front();
            choices.pop_front();
        }
        for (auto* c : menu.Children)
            if (c->Name == pick) return c;
        return nullptr;
    }
};

class FakeDialogs : public Dialogs {
public:
    std::vector<std::uint32_t> colourPresets;
    std::deque<std::optional<std::uint32_t>> colours;
    std::vector<std::tuple<std::string, std::string, std::string>> fileDialogs;
    std::deque<std::optional<std::string>> files;
    std::optional<std::uint32_t> chooseColour(std::uint32_t current) override {
        colourPresets.push_back(current);
        if (colours.empty()) return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
    std::optional<std::string> openFile(const std::string& title, const std::string& desc,
                                        const std::string& pattern) override {
        fileDialogs.emplace_back(title, desc, pattern);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

class FakeHelp : public HelpViewer {
public:
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

class FakeSettings : public SettingsStore {
public:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<std::tuple<std::string, std::string, std::string>> writes; // in order
    bool failFlush = false;
    int flushes = 0;
    std::string get(const std::string& a, const std::string& s, const std::string& k,
                     const std::string& def) override {
        auto it = values.find({a, s, k});
        return it == values.end() ? def : it->second;
    }
    void set(const std::string& a, const std::string& s, const std::string& k,
             const std::string& v) override {
        values[{a, s, k}] = v;
        writes.emplace_back(a, s, k);
    }
    bool flush() override {
        ++flushes;
        return !failFlush;
    }
    std::string user(const std::string& k) { return get("RVTikanda", "User", k, "<absent>"); }
};

class FakeEnv : public Environment {
public:
    std::string cmd;
    std::string dir = "/opt/tikanda";
    std::string commandLine() const override { return cmd; }
    std::string dataDir() const override { return dir; }
    char pathSeparator() const override { return '/'; }
};

class FakeExit : public ProcessExit {
public:
    std::vector<int> codes;
    void endNow(int code) override { codes.push_back(code); }
};

class FakeWindows : public WindowSystem {
public:
    int loaded = 0, unloaded = 0;
    std::function<void()> onDoEvents;
    void doEvents() override {
        if (onDoEvents) onDoEvents();
    }
    void alarmWindowLoaded(FrmAlarm&) override { ++loaded; }
    void alarmWindowUnloaded(FrmAlarm&) override { ++unloaded; }
};

// One main window on the fake platform. The window is constructed but not started:
// call w.Form_Load() where a test needs the start-up sequence.
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
    Services svc{clock, timers, sound, keys,     messages, popups,
                 dialogs, help, settings, env, exit,     windows};
    ProgramState program;
    FrmTikanda w{svc, program};

    // One second passes and every enabled timer fires once.
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.advance(1);
            timers.fireAll();
        }
    }
};

} // namespace tikanda::test
