#pragma once
// The real platform: Qt and X11 implementations of the behaviour's interfaces.

#include "platform/interfaces.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace tikanda {

// Local wall clock; short date in the user's locale.
class QtClock : public Clock {
public:
    LocalMoment now() const override;
    std::string shortDate(std::int64_t day) const override;
    std::int64_t utcMs() const override;
};

// CLOCK_BOOTTIME on Linux (runs on through a suspend, never set); elsewhere the steady
// clock.
class QtRunClock : public RunClock {
public:
    std::int64_t nowMs() const override;
    std::int64_t secondStartMs() const override;
    // /proc/sys/kernel/random/boot_id where there is one, else empty (every start is then
    // taken for another boot, and the wall clock decides).
    std::string bootId() const override;
};

// One-second timers aligned to the wall-clock second: each tick re-arms a precise
// single-shot timer for a few milliseconds after the next second boundary, so ticks
// do not drift and a clock jump yields one tick, never a burst. afterTick runs after
// every tick (the binding brings the screen up to date there).
// With TIKANDA_TICK_LOG=FILE set, every tick is logged to FILE (see timer_qt.cpp).
struct TickLog;
class QtTimerFactory : public TimerFactory {
public:
    explicit QtTimerFactory(std::function<void()> afterTick = {});
    ~QtTimerFactory() override;
    std::unique_ptr<Timer> createSecondTimer(std::function<void()> onTick) override;

private:
    std::function<void()> m_afterTick;
    std::shared_ptr<TickLog> m_log;
};

// Wave playback with QSoundEffect; a file that is missing, no wave file the player can
// read through (wave_file.h), or that cannot be decoded plays the built-in chime
// (":/src/platform/sounds/chime.wav") instead. The player is a module loaded at the first
// request (see sound_qt.cpp); without it a request beeps. It is handed a file only once
// the file has been judged playable, and an empty path for the chime.
class QtSound : public Sound {
public:
    using LoadPlayer = std::function<std::unique_ptr<Sound>()>;
    // loadPlayer gives the player at the first request; by default the module's.
    explicit QtSound(LoadPlayer loadPlayer = {});
    ~QtSound() override;
    void play(const std::string& path) override;
    void preload(const std::string& path) override;
    void release() override;

private:
    Sound* player();
    std::string playable(const std::string& path);
    LoadPlayer m_loadPlayer;
    bool m_loaded = false;
    std::unique_ptr<Sound> m_player;
    struct Judged;
    std::unique_ptr<Judged> m_judged; // the last file judged, and how
};

// F16 through the XTest extension on X11; a no-op on other platforms (Wayland has no
// way to inject keys into other windows). See key_injector_qt.cpp.
class XTestKeyInjector : public KeyInjector {
public:
    XTestKeyInjector();
    ~XTestKeyInjector() override;
    void sendKey(int virtualKey) override;
    // Gives a keycode bound for an injection back at once (the program is ending).
    void restoreKeyboardMap();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// QMessageBox with Czech buttons. beforeShow runs first (the binding syncs the screen).
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(std::function<void()> beforeShow = {});
    MsgAnswer show(const std::string& text, const std::string& title, MsgIcon icon,
                   MsgButtons buttons, bool defaultNo) override;

private:
    std::function<void()> m_beforeShow;
};

// The name filter of a file dialog from a description and patterns as Windows writes
// them ("Zvukový soubor " and "*.wav;*.mid" give "Zvukový soubor (*.wav *.mid)"). A
// native dialog shows it as it stands.
QString fileDialogFilter(const std::string& desc, const std::string& pattern);

// QColorDialog and QFileDialog.
class QtDialogs : public Dialogs {
public:
    std::optional<std::uint32_t> chooseColour(std::uint32_t current) override;
    std::optional<std::string> openFile(const std::string& title, const std::string& desc,
                                        const std::string& pattern) override;
};

// QSettings over the INI file $XDG_CONFIG_HOME/RVTikanda.conf; it never holds the caller up
// without a bound (settings_qt.cpp).
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& def) override;
    void set(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value) override;
    bool flush() override;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// The command line is argv[1..] joined by spaces. The data directory is the binary's own
// when it holds TIKANDA.HLP or CILILINK.WAV (the build tree), else the installed
// share/tikanda when it exists, else the binary's directory.
class QtEnvironment : public Environment {
public:
    QtEnvironment(int argc, char** argv);
    std::string commandLine() const override;
    std::string dataDir() const override;
    char pathSeparator() const override;

    static std::string chooseDataDir(const std::string& binaryDir, const std::string& installedDir);

private:
    std::string m_commandLine;
    std::string m_dataDir;
};

// The desktop's screen saver over the session D-Bus (see screen_saver_qt.cpp): connected
// at the first request, asynchronous calls, a no-op without a bus or a service.
class QtScreenSaver : public ScreenSaver {
public:
    QtScreenSaver();
    ~QtScreenSaver() override;
    void simulateUserActivity() override;
    void inhibit() override;
    void uninhibit() override;
    // Gives back an inhibition held (or on its way) and waits until the service has it:
    // the process is about to end.
    void releaseNow();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

// The immediate process end that first gives back the screen saver's inhibition.
class ReleasingExit : public ProcessExit {
public:
    ReleasingExit(ProcessExit& exit, QtScreenSaver& screenSaver);
    void endNow(int code) override;

private:
    ProcessExit& m_exit;
    QtScreenSaver& m_screenSaver;
};

// Chooses Qt's window-system plugin before the application object exists: X11 where an X
// server answers (XWayland too), unless QT_QPA_PLATFORM or -platform says otherwise;
// native Wayland where only a compositor answers. Returns why no window can open (no
// display to connect to), or an empty text.
std::string selectPlatform(int argc, char** argv);

// Runs beforeEnd (what must not outlive the process: the borrowed keycode), flushes stdio
// and ends the process with _exit: no destructors, no further events.
class QtProcessExit : public ProcessExit {
public:
    explicit QtProcessExit(std::function<void()> beforeEnd = {});
    void endNow(int code) override;

private:
    std::function<void()> m_beforeEnd;
};

} // namespace tikanda
