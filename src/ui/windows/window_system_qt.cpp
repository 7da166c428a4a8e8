#include "ui/windows/window_system_qt.h"

#include "core/frm_alarm.h"
#include "ui/windows/alarm_window_qt.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (None, Bool, Status ...) clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tikanda {

QtWindowSystem::QtWindowSystem() = default;

QtWindowSystem::~QtWindowSystem() {
    delete m_alarm.data();
}

void QtWindowSystem::runSync() {
    if (m_sync)
        m_sync();
    else
        syncAlarmWindow();
}

void QtWindowSystem::doEvents() {
    runSync();
    QCoreApplication::processEvents();
}

void QtWindowSystem::alarmWindowLoaded(FrmAlarm& w) {
    // A window whose unload was never reported: its model is already gone.
    dropAlarmWindow();
    m_alarmModel = &w;
    m_alarm = new AlarmWindowQt(w, [this] { runSync(); });
}

void QtWindowSystem::alarmWindowUnloaded(FrmAlarm& w) {
    if (&w == m_alarmModel) dropAlarmWindow();
}

void QtWindowSystem::dropAlarmWindow() {
    m_alarmModel = nullptr;
    if (!m_alarm) return;
    m_alarm->detach();
    m_alarm->hide();
    m_alarm->deleteLater(); // it may be inside one of its own event handlers now
    m_alarm = nullptr;
}

void QtWindowSystem::syncAlarmWindow() {
    if (!m_alarm || !m_alarmModel) return;
    if (m_alarmModel->unloaded()) {
        dropAlarmWindow();
        return;
    }
    m_alarm->sync();
}

AlarmWindowQt* QtWindowSystem::alarmWindow() const {
    return m_alarm.data();
}

void keepOffTaskbar(QWidget& window) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* d = x11 ? x11->display() : nullptr;
    if (!d) return;
    // Set on the unmapped window; Qt adds its own states to these when it maps it.
    const auto id = static_cast<Window>(window.winId());
    // One round trip for the three names.
    char* names[3] = {const_cast<char*>("_NET_WM_STATE"),
                      const_cast<char*>("_NET_WM_STATE_SKIP_TASKBAR"),
                      const_cast<char*>("_NET_WM_STATE_SKIP_PAGER")};
    Atom atoms[3] = {};
    if (!XInternAtoms(d, names, 3, False, atoms)) return;
    XChangeProperty(d, id, atoms[0], XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(atoms + 1), 2);
    XFlush(d);
}

} // namespace tikanda
