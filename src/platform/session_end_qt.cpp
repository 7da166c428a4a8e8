#include "platform/session_end_qt.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace tikanda {

namespace {

int g_pipe[2] = {-1, -1};
SessionEndWatch* g_watch = nullptr;
std::function<void(int)>* g_atExit = nullptr;

// Only what is safe in a signal handler: the signal number goes down the pipe, and the
// event loop (also a modal dialog's) reads it.
void onSignal(int sig) {
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(sig);
    [[maybe_unused]] const auto n = ::write(g_pipe[1], &b, 1);
    errno = saved;
}

// Qt ends the process with exit() when the X connection breaks.
void onExit() {
    if (auto* end = std::exchange(g_atExit, nullptr)) (*end)(1);
}

} // namespace

SessionEndWatch::SessionEndWatch(std::function<void(int)> onEnd) : m_onEnd(std::move(onEnd)) {
    g_watch = this;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char b = 0;
        if (::read(g_pipe[0], &b, 1) == 1) end();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        sigaction(sig, &sa, nullptr);
    static bool registered = false;
    if (!registered) registered = std::atexit(onExit) == 0;

    // The settings are saved at the end and a pending run brings the program back through
    // its autostart entry, so a checkpoint has nothing to save, and the session must not
    // start a second copy. Qt closes every window at the session's end (QEvent::Quit), which
    // would ask the exit question and hold up the logout: the program ends here instead.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const auto noRestart = [](QSessionManager& session) {
            session.setRestartHint(QSessionManager::RestartNever);
        };
        connect(app, &QGuiApplication::commitDataRequest, this, noRestart, Qt::DirectConnection);
        connect(app, &QGuiApplication::saveStateRequest, this, noRestart, Qt::DirectConnection);
        app->installEventFilter(this);
    }
}

SessionEndWatch::~SessionEndWatch() {
    disarm();
    g_watch = nullptr;
}

bool SessionEndWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) end();
    return false;
}

void SessionEndWatch::end() {
    g_atExit = nullptr;
    m_onEnd(0);
}

void SessionEndWatch::armDisplayLoss() {
    g_atExit = &m_onEnd;
}

void SessionEndWatch::disarm() {
    g_atExit = nullptr;
}

} // namespace tikanda
