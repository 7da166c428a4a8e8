#pragma once
// The run: what is being timed, in which state, and its value anchored in time. The
// screen is drawn from it and never read back; the state file is written from it.

#include "core/time_text.h"
#include "platform/interfaces.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tikanda {

enum class RunMode { TimeOfDay, Countdown, Stopwatch };
// The run's state, numbered as the window's run state always was.
enum class RunState { Stopped = 0, Running = 1, Paused = 2 };

// One reading of the clocks, taken once per event so that every use agrees.
struct RunNow {
    std::int64_t ms = 0;            // the run clock
    std::int64_t secondStartMs = 0; // the run clock when the current wall-clock second began
    LocalMoment wall;               // the local wall clock
    std::int64_t utcMs = 0;         // the wall clock in UTC
};

class Run {
public:
    RunMode mode() const { return m_mode; }
    RunState state() const { return m_state; }
    bool pending() const { return m_state != RunState::Stopped; }

    // Starts from the entered value: the target time of day, the period, or the count the
    // stopwatch starts from.
    void start(RunMode mode, Seconds entered, const RunNow& now);
    void pause(const RunNow& now);
    void resume(const RunNow& now);
    // Ends the run; value() keeps what it had counted.
    void stop(const RunNow& now);

    // The target time of day; the time still to run (never below 0); the time counted.
    Seconds value(const RunNow& now) const;

    // A time-of-day run: due in the target minute from the target second on, or whenever
    // the latest occurrence of the target lies after the previous check (or the start), so
    // that no alarm is lost to a suspend or a held-up program. Moves the check on.
    bool checkTimeOfDay(const LocalMoment& now);
    // Whether an alarm is due now (a countdown at zero, a time-of-day target reached).
    bool due(const RunNow& now);

    // While an alarm window is open a countdown or stopwatch stands still, display and count
    // alike, also one started or resumed meanwhile; it counts on from there once released.
    void hold(const RunNow& now);
    void release(const RunNow& now);
    bool held() const { return m_held; }

    // ---- The state file ----
    // The run as text values, with the instants needed to put it back after the program
    // ended: the run clock's reading, the UTC wall clock and the boot's id at writing.
    std::map<std::string, std::string> record(const RunNow& now, const std::string& bootId) const;
    // Puts a recorded run back. Within the same boot the run clock decides; across a reboot
    // the wall clock does, and a countdown never comes back with more time than it had.
    // Returns false (and leaves the run stopped) when the record does not describe a run.
    bool restore(const std::map<std::string, std::string>& rec, const RunNow& now,
                 const std::string& bootId);
    // After a restore: when the alarm of the restored run fell due while the program was
    // not running, the local moment it did.
    std::optional<LocalMoment> fellDueAt() const { return m_fellDueAt; }
    void clearFellDue() { m_fellDueAt.reset(); }

private:
    // A countdown's instant of zero, a stopwatch's instant it would have started from zero:
    // on the run clock, valid while running and not held.
    void anchor(Seconds value, const RunNow& now);

    RunMode m_mode = RunMode::TimeOfDay;
    RunState m_state = RunState::Stopped;
    bool m_held = false;
    Seconds m_value = 0; // the target; or the value while paused, held or stopped
    std::int64_t m_anchorMs = 0;
    // The value the count was anchored at. A countdown from zero runs one second over at its
    // first tick (shown as 0:00:01); one from more stops at zero, however late the tick.
    Seconds m_base = 0;
    LocalMoment m_lastCheck;  // the previous check of a time-of-day run
    LocalMoment m_startedAt;  // the wall-clock start of a time-of-day run (recorded)
    std::optional<LocalMoment> m_fellDueAt;
};

// Recorded values and their text: "key=value" lines with \\, \n and \r escaped; a line
// without '=' or with an unknown escape makes the whole text unusable.
std::string encodeRecord(const std::map<std::string, std::string>& rec);
std::optional<std::map<std::string, std::string>> decodeRecord(const std::string& text);

// A whole number of a record, within the range the run's arithmetic allows.
std::optional<std::int64_t> recordNumber(const std::map<std::string, std::string>& rec,
                                         const std::string& key);
// The local moment of a serial second (days since 1970 × 86400 + second of the day).
LocalMoment momentOf(std::int64_t serial);

// The version this program writes; a record of a newer one is left alone.
constexpr int kRunRecordVersion = 1;

} // namespace tikanda
