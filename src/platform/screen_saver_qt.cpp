// The desktop's screen saver over the session D-Bus.
//
// KDE, Xfce, LXQt and others serve org.freedesktop.ScreenSaver: SimulateUserActivity
// wakes the screen, Inhibit/UnInhibit hold off blanking and locking. Where GNOME's own
// interfaces are the ones present, org.gnome.ScreenSaver's SimulateUserActivity wakes
// the screen and org.gnome.SessionManager's Inhibit with the idle flag holds it on.
//
// Nothing happens at start-up: the bus is connected at the first request (the first
// alarm), and one asynchronous ListNames finds which service is there (again at the next
// alarm when there was none); requests made meanwhile wait for the answer. Every call is
// asynchronous, so the tick never waits for the bus. No bus, or no such service, makes every
// request a no-op. Calls never start a service that is not running (no auto-start).

#include "platform/platform_qt.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace tikanda {

namespace {

enum class Desktop { Unknown, Asking, Freedesktop, Gnome, None };
enum class Request { Activity, Inhibit, Uninhibit };

constexpr int kCallTimeoutMs = 2000;
const QString kFdName = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kGnomeName = QStringLiteral("org.gnome.ScreenSaver");
const QString kGnomeSession = QStringLiteral("org.gnome.SessionManager");
constexpr uint kGnomeInhibitIdle = 8;

QDBusMessage method(const QString& service, const QString& path, const QString& iface,
                    const QString& name, const QList<QVariant>& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, iface, name);
    m.setArguments(args);
    m.setAutoStartService(false);
    return m;
}

// A session bus to connect to: an address is set, or the usual socket exists. Without
// either, libdbus would try to launch a bus of its own.
bool sessionBusExpected() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

struct QtScreenSaver::Impl {
    Desktop desktop = Desktop::Unknown;
    std::optional<QDBusConnection> bus;
    std::vector<Request> waiting; // while the service is being looked for
    bool wanted = false;          // the caller wants an inhibition held
    std::optional<uint> cookie;   // the one held
    std::optional<QDBusPendingCall> inhibiting;
    QObject watchers;    // parent of the calls' watchers: none outlives this
    bool unsent = false; // an UnInhibit queued on the connection, maybe not yet written

    void request(Request r) {
        // A desktop service may start after the program: looked for again at each alarm.
        if (desktop == Desktop::None && bus && r == Request::Inhibit) desktop = Desktop::Unknown;
        if (desktop == Desktop::Unknown) findService();
        if (desktop == Desktop::Asking) {
            waiting.push_back(r);
            return;
        }
        if (desktop == Desktop::None) return;
        switch (r) {
        case Request::Activity:
            bus->send(desktop == Desktop::Gnome
                          ? method(kGnomeName, QStringLiteral("/org/gnome/ScreenSaver"), kGnomeName,
                                   QStringLiteral("SimulateUserActivity"))
                          : method(kFdName, QStringLiteral("/org/freedesktop/ScreenSaver"), kFdName,
                                   QStringLiteral("SimulateUserActivity")));
            break;
        case Request::Inhibit:
            wanted = true;
            if (!cookie && !inhibiting) sendInhibit();
            break;
        case Request::Uninhibit:
            wanted = false;
            if (cookie) unsent = bus->send(uninhibitCall());
            cookie.reset(); // one still on its way is given back when it comes
            break;
        }
    }

    void findService() {
        if (!sessionBusExpected()) {
            desktop = Desktop::None;
            return;
        }
        if (!bus) bus = QDBusConnection::sessionBus();
        if (!bus->isConnected()) {
            bus.reset();
            desktop = Desktop::None;
            return;
        }
        desktop = Desktop::Asking;
        const QDBusMessage m =
            method(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                   QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
        auto* w = new QDBusPendingCallWatcher(bus->asyncCall(m, kCallTimeoutMs), &watchers);
        QObject::connect(w, &QDBusPendingCallWatcher::finished, [this](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusPendingReply<QStringList> names = *w;
            const QStringList list = names.isValid() ? names.value() : QStringList();
            desktop = list.contains(kFdName)      ? Desktop::Freedesktop
                      : list.contains(kGnomeName) ? Desktop::Gnome
                                                  : Desktop::None;
            const std::vector<Request> rs = std::move(waiting);
            waiting.clear();
            for (Request r : rs)
                request(r);
        });
    }

    void sendInhibit() {
        const QDBusMessage m =
            desktop == Desktop::Gnome
                ? method(
                      kGnomeSession, QStringLiteral("/org/gnome/SessionManager"), kGnomeSession,
                      QStringLiteral("Inhibit"),
                      {QStringLiteral("tikanda"), 0u, QStringLiteral("Alarm"), kGnomeInhibitIdle})
                : method(kFdName, QStringLiteral("/org/freedesktop/ScreenSaver"), kFdName,
                         QStringLiteral("Inhibit"),
                         {QStringLiteral("Tikanda"), QStringLiteral("Alarm")});
        inhibiting = bus->asyncCall(m, kCallTimeoutMs);
        auto* w = new QDBusPendingCallWatcher(*inhibiting, &watchers);
        QObject::connect(w, &QDBusPendingCallWatcher::finished, [this](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            inhibited(*w);
        });
    }

    void inhibited(const QDBusPendingCall& call) {
        if (!inhibiting) return; // given back already, at the process end
        inhibiting.reset();
        const QDBusPendingReply<uint> reply = call;
        if (!reply.isValid()) return;
        cookie = reply.value();
        if (!wanted) request(Request::Uninhibit);
    }

    QDBusMessage uninhibitCall() const {
        return desktop == Desktop::Gnome
                   ? method(kGnomeSession, QStringLiteral("/org/gnome/SessionManager"),
                            kGnomeSession, QStringLiteral("Uninhibit"), {*cookie})
                   : method(kFdName, QStringLiteral("/org/freedesktop/ScreenSaver"), kFdName,
                            QStringLiteral("UnInhibit"), {*cookie});
    }

    // The process ends next: an inhibition held, or about to be, is given back, and the
    // call waits until the service has it.
    void releaseNow() {
        waiting.clear();
        wanted = false;
        if (inhibiting) {
            QDBusPendingCall call = *inhibiting;
            inhibiting.reset();
            call.waitForFinished();
            const QDBusPendingReply<uint> reply = call;
            if (reply.isValid()) cookie = reply.value();
        }
        if (cookie) {
            bus->call(uninhibitCall(), QDBus::Block, kCallTimeoutMs);
            cookie.reset();
        } else if (unsent) {
            // Messages leave in order: once the bus has answered a later call, the
            // UnInhibit queued before it is on its way, and the process may end.
            bus->call(method(QStringLiteral("org.freedesktop.DBus"),
                             QStringLiteral("/org/freedesktop/DBus"),
                             QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
                      QDBus::Block, kCallTimeoutMs);
        }
        unsent = false;
    }
};

QtScreenSaver::QtScreenSaver() : m(std::make_unique<Impl>()) {}
QtScreenSaver::~QtScreenSaver() = default;

void QtScreenSaver::simulateUserActivity() {
    m->request(Request::Activity);
}
void QtScreenSaver::inhibit() {
    m->request(Request::Inhibit);
}
void QtScreenSaver::uninhibit() {
    m->request(Request::Uninhibit);
}
void QtScreenSaver::releaseNow() {
    m->releaseNow();
}

ReleasingExit::ReleasingExit(ProcessExit& exit, QtScreenSaver& screenSaver)
    : m_exit(exit), m_screenSaver(screenSaver) {}

void ReleasingExit::endNow(int code) {
    m_screenSaver.releaseNow();
    m_exit.endNow(code);
}

} // namespace tikanda
