// Wiring only: build the services, hand them to the windows, run.

#include "core/frm_tikanda.h"
#include "platform/platform_choice.h"
#include "platform/platform_qt.h"
#include "platform/run_state_qt.h"
#include "platform/session_end_qt.h"
#include "ui/help/help_viewer_qt.h"
#include "ui/windows/binding_qt.h"
#include "ui/windows/caret_blink_qt.h"
#include "ui/windows/controls_qt.h"
#include "ui/windows/key_release_guard_qt.h"
#include "ui/windows/popups_qt.h"
#include "ui/windows/window_system_qt.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    using namespace tikanda;

    if (const std::string problem = selectPlatform(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "tikanda: %s\n", problem.c_str());
        return 2;
    }

    QApplication app(argc, argv);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::fprintf(stderr, "tikanda: %s\n", kWaylandLimits);
    QApplication::setQuitOnLastWindowClosed(false); // the program ends through its own exit
    QApplication::setFont(dialogFont());
    QApplication::setWindowIcon(appIcon());
    // Qt's own texts (edit menus, colour and file dialogs) in Czech, where installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_cs"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    CaretBlinkLimit caretBlink;  // an idle program wakes up for its tick only
    KeyReleaseGuard keyReleases; // a key's release goes only to the window that got its press

    TikandaBinding* binding = nullptr;
    const auto sync = [&binding] {
        if (binding) binding->sync();
    };

    QtEnvironment env(argc, argv);
    QtClock clock;
    QtRunClock runClock;
    QtTimerFactory timers(sync);
    QtSound sound;
    XTestKeyInjector keys;
    QtMessageBoxes messages(sync);
    QtPopupMenus popups(sync);
    QtDialogs dialogs;
    QtHelpViewer help(env.dataDir(), [&binding](const form::Control* c) {
        return binding ? binding->screenPosition(c) : QCursor::pos();
    });
    QtSettingsStore settings;
    QtProcessExit processExit([&keys] { keys.restoreKeyboardMap(); });
    QtScreenSaver screenSaver;
    ReleasingExit releasingExit(processExit, screenSaver);
    QtWindowSystem windows;
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QtRunStateStore runStore(QCoreApplication::applicationFilePath(), args);
    Services services{clock,    timers,   sound,       keys,         messages,
                      popups,   dialogs,  help,        settings,     env,
                      releasingExit, windows, runClock, screenSaver, runStore};

    ProgramState program;
    FrmTikanda frmTikanda(services, program);
    TikandaBinding tikandaWindows(frmTikanda, &windows);
    binding = &tikandaWindows;

    // A logout, a shutdown, a kill or the loss of the display: the settings are saved as at
    // an orderly exit, without question or box, and a pending run stays for the next start.
    SessionEndWatch sessionEnd([&](int code) {
        if (frmTikanda.SessionEnd() == FrmTikanda::SessionSave::Failed)
            std::fprintf(stderr, "tikanda: the settings could not be saved\n");
        if (code == 0) releasingExit.endNow(0); // gives back the keycode and the inhibition
        // The display is gone, and with it the borrowed keycode.
        screenSaver.releaseNow();
        std::fflush(stderr);
        ::_exit(code);
    });

    frmTikanda.Form_Load();
    tikandaWindows.sync();
    sessionEnd.armDisplayLoss();
    const int code = app.exec();
    sessionEnd.disarm();
    binding = nullptr;
    return code;
}
