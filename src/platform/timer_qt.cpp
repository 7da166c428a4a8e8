// One-second timers aligned to the wall-clock second (see tick_schedule.h for the rules).
//
// With TIKANDA_TICK_LOG=FILE in the environment every tick appends one line to FILE:
//   <timer number> <wall clock at the firing, µs> <wall clock after the tick and the screen
//   update, µs>
// Timer 1 is the first one created (the main window's). bench/tick_phase.sh reads it.

#include "platform/platform_qt.h"
#include "platform/tick_schedule.h"

#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tikanda {

struct TickLog {
    std::FILE* file = nullptr;
    int timers = 0;
    ~TickLog() {
        if (file) std::fclose(file);
    }
};

namespace {

std::int64_t wallClockMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

class QtSecondTimer final : public Timer {
public:
    QtSecondTimer(std::function<void()> onTick, std::function<void()> afterTick,
                  std::shared_ptr<TickLog> log)
        : m_onTick(std::move(onTick)), m_afterTick(std::move(afterTick)), m_log(std::move(log)),
          m_timer(new QTimer) {
        if (m_log) m_number = ++m_log->timers;
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, [this] { fired(); });
        setEnabled(true);
    }

    ~QtSecondTimer() override {
        if (m_destroyed) {
            // Destroyed from inside its own tick (a window unloaded by that tick): the
            // QTimer is still delivering its timeout, so let Qt delete it afterwards.
            *m_destroyed = true;
            m_timer->disconnect();
            m_timer->stop();
            m_timer->deleteLater();
        } else {
            delete m_timer;
        }
    }

    void setEnabled(bool on) override {
        if (on == m_enabled) return;
        m_enabled = on;
        if (on)
            arm();
        else
            m_timer->stop();
    }

    bool enabled() const override { return m_enabled; }

private:
    void arm() { m_timer->start(int(TickSchedule::delayToNextTick(wallClockMicros() / 1000))); }

    void fired() {
        const std::int64_t firedAt = wallClockMicros();
        if (!m_schedule.fire(firedAt / 1000)) {
            arm();
            return;
        }
        bool destroyed = false;
        bool* const outer = m_destroyed; // set when a tick runs inside a tick's event loop
        m_destroyed = &destroyed;
        // Copies: the tick may destroy this timer, and with it these members.
        const auto onTick = m_onTick;
        const auto afterTick = m_afterTick;
        const auto log = m_log;
        const int number = m_number;

        onTick();
        if (afterTick) afterTick();

        if (log && log->file) {
            std::fprintf(log->file, "%d %lld %lld\n", number, static_cast<long long>(firedAt),
                         static_cast<long long>(wallClockMicros()));
            std::fflush(log->file);
        }
        if (destroyed) {
            if (outer) *outer = true;
            return;
        }
        m_destroyed = outer;
        // Re-armed from the wall clock after the tick: a tick that took long (or a
        // clock step) yields the next boundary, never a catch-up burst.
        if (m_enabled) arm();
    }

    std::function<void()> m_onTick;
    std::function<void()> m_afterTick;
    std::shared_ptr<TickLog> m_log;
    QTimer* m_timer;
    TickSchedule m_schedule;
    bool m_enabled = false;
    bool* m_destroyed = nullptr;
    int m_number = 0;
};

std::shared_ptr<TickLog> openTickLog() {
    const char* path = std::getenv("TIKANDA_TICK_LOG");
    if (!path || !*path) return nullptr;
    auto log = std::make_shared<TickLog>();
    log->file = std::fopen(path, "w");
    return log->file ? log : nullptr;
}

} // namespace

QtTimerFactory::QtTimerFactory(std::function<void()> afterTick)
    : m_afterTick(std::move(afterTick)), m_log(openTickLog()) {}

QtTimerFactory::~QtTimerFactory() = default;

std::unique_ptr<Timer> QtTimerFactory::createSecondTimer(std::function<void()> onTick) {
    return std::make_unique<QtSecondTimer>(std::move(onTick), m_afterTick, m_log);
}

} // namespace tikanda
