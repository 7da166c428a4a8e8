#pragma once
// The window system as the behaviour sees it, on Qt: event processing, and the Qt
// window of the alarm window from its load to its unload.

#include "platform/interfaces.h"

#include <QPointer>
#include <functional>
#include <string>

class QWidget;

namespace tikanda {

class AlarmWindowQt;

class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    // The binding's sync (the whole screen); doEvents and the alarm window's events run it.
    void setSync(std::function<void()> sync) { m_sync = std::move(sync); }

    void doEvents() override;
    void alarmWindowLoaded(FrmAlarm& w) override;
    void alarmWindowUnloaded(FrmAlarm& w) override;

    // Brings the alarm window's Qt window in step with its model (part of the sync).
    void syncAlarmWindow();
    // The alarm window's Qt window while one is loaded; nullptr otherwise.
    AlarmWindowQt* alarmWindow() const;

private:
    void dropAlarmWindow();
    void runSync();

    std::function<void()> m_sync;
    QPointer<AlarmWindowQt> m_alarm;
    FrmAlarm* m_alarmModel = nullptr;
};

// Keeps a window out of the taskbar and the pager (X11; elsewhere the window type does).
// Call before the window is first shown.
void keepOffTaskbar(QWidget& window);

} // namespace tikanda
