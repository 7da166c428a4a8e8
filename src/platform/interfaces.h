#pragma once
// Small interfaces through which the behaviour reaches the outside world.
// Tests implement them with fakes (tests/fakes.h); src/platform/*_qt.cpp holds the
// real Qt/X11 implementations. Nothing here includes a Qt header.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tikanda {

namespace form {
struct Control;
struct MenuItem;
} // namespace form

// A local wall-clock moment: the day number (days since 1970-01-01 in local time)
// and the second of that day (0..86399). Comparing moments compares day, then second.
struct LocalMoment {
    std::int64_t day = 0;
    int second = 0;
    std::int64_t serial() const { return day * 86400 + second; }
    friend bool operator==(const LocalMoment&, const LocalMoment&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalMoment now() const = 0;
    // The user's short-date format of the given day (tooltip of the system-time display).
    virtual std::string shortDate(std::int64_t day) const = 0;
    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t utcMs() const = 0;
};

// The clock of countdowns and stopwatches: it runs on while the machine sleeps and is not
// moved when the wall clock is set, so a run counts the seconds that really passed.
class RunClock {
public:
    virtual ~RunClock() = default;
    // Milliseconds from an arbitrary origin.
    virtual std::int64_t nowMs() const = 0;
    // nowMs() less the milliseconds since the wall clock's last whole second: when, on this
    // clock, the current wall-clock second began (the ticks fall just after those moments).
    virtual std::int64_t secondStartMs() const = 0;
    // Tells one boot of the machine from another: the clock's origin changes with it.
    virtual std::string bootId() const = 0;
};

// A repeating one-second timer on the user-interface thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool on) = 0;
    virtual bool enabled() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A timer that calls onTick once per second while enabled; it starts enabled.
    virtual std::unique_ptr<Timer> createSecondTimer(std::function<void()> onTick) = 0;
};

// Asynchronous wave playback: returns at once; a new request replaces a sound still
// playing; a file that cannot be played plays the built-in default sound instead.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const std::string& path) = 0;
    // Decode ahead of time so that a later play() starts without delay.
    virtual void preload(const std::string& path) = 0;
    // Free what was decoded (a long file can take much memory); a sound still playing
    // plays to its end first. The next play() or preload() decodes anew.
    virtual void release() = 0;
};

// Injects one press and release of a key (virtual-key code) into the system's input.
class KeyInjector {
public:
    virtual ~KeyInjector() = default;
    virtual void sendKey(int virtualKey) = 0;
};

// The desktop's screen saver: user activity that wakes the screen and keeps it on, and an
// idle inhibition (no blanking, no locking) held while an alarm is announced. Requests
// return at once; where the desktop offers no such service they do nothing.
class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    virtual void simulateUserActivity() = 0;
    // One inhibition at a time: inhibit() while one is held keeps that one.
    virtual void inhibit() = 0;
    virtual void uninhibit() = 0;
};

// A screen saver that is not there: for services built without one.
inline ScreenSaver& noScreenSaver() {
    struct None : ScreenSaver {
        void simulateUserActivity() override {}
        void inhibit() override {}
        void uninhibit() override {}
    };
    static None none;
    return none;
}

enum class MsgIcon { None, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No, Cancelled };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal. With YesNo, defaultNo makes "Ne" the default button.
    virtual MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                           MsgButtons buttons, bool defaultNo = false) = 0;
};

// Shows a hidden top-level menu as a pop-up at the pointer; returns the chosen item
// or nullptr when the menu was dismissed. The caller runs the item's handler.
class PopupMenus {
public:
    virtual ~PopupMenus() = default;
    virtual form::MenuItem* popup(form::MenuItem& menu, form::MenuItem* defaultItem) = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Colour chooser preset to `current` (0x00BBGGRR); nullopt on cancel or failure.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t current) = 0;
    // Open-file dialog; nullopt on cancel or failure.
    virtual std::optional<std::string> openFile(const std::string& title,
                                                const std::string& filterDescription,
                                                const std::string& pattern) = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void setHelpFile(const std::string& fileName) = 0;
    virtual void showContents() = 0;
    virtual void showTopic(int topic) = 0;
    // A small pop-up next to `control` with the What's-This text of `topic`.
    virtual void showWhatsThis(int topic, const form::Control* control) = 0;
};

// Per-user text values under (application, section, key).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& def) = 0;
    virtual void set(const std::string& app, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
    // Writes pending values to permanent storage; false when that failed.
    virtual bool flush() = 0;
};

class Environment {
public:
    virtual ~Environment() = default;
    virtual std::string commandLine() const = 0;
    // Where the program's own files (sound, help) are: beside the binary in the build
    // tree, share/tikanda when installed.
    virtual std::string dataDir() const = 0;
    virtual char pathSeparator() const = 0;
};

class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    // Ends the process at once: no further events, no unload handling.
    // Fakes record the call and return; callers return right after it.
    virtual void endNow(int code) = 0;
};

// The window system as seen by the behaviour: event processing and the life of the
// windows that come and go (the alarm window, the start-up box).
class FrmAlarm;
class FrmSplash;
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Brings the screen up to date with the model and processes pending events.
    virtual void doEvents() = 0;
    virtual void alarmWindowLoaded(FrmAlarm& w) = 0;
    virtual void alarmWindowUnloaded(FrmAlarm& w) = 0;
};

// This copy's pending run, kept in a small file of its own (written whole and atomically)
// so that an end of the program the user did not choose loses no alarm.
class RunStateStore {
public:
    virtual ~RunStateStore() = default;
    // The run this copy took over at its start (left by a copy that is gone), if any.
    virtual std::optional<std::string> taken() = 0;
    // The taken run cannot be used: a damaged one is set aside, one written by a newer
    // version left alone. Either way it is no longer this copy's.
    virtual void setAside(bool damaged) = 0;
    virtual void save(const std::string& text) = 0;
    // No run is pending any more.
    virtual void remove() = 0;
};

// A store that keeps nothing: for services built without one.
inline RunStateStore& noRunStateStore() {
    struct None : RunStateStore {
        std::optional<std::string> taken() override { return std::nullopt; }
        void setAside(bool) override {}
        void save(const std::string&) override {}
        void remove() override {}
    };
    static None none;
    return none;
}

struct Services {
    Clock& clock;
    TimerFactory& timers;
    Sound& sound;
    KeyInjector& keys;
    MessageBoxes& messages;
    PopupMenus& popups;
    Dialogs& dialogs;
    HelpViewer& help;
    SettingsStore& settings;
    Environment& env;
    ProcessExit& exit;
    WindowSystem& windows;
    RunClock& runClock;
    ScreenSaver& screenSaver = noScreenSaver();
    RunStateStore& runStore = noRunStateStore();
};

} // namespace tikanda
