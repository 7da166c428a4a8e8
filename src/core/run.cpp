#include "core/run.h"

#include <algorithm>
#include <charconv>

namespace tikanda {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Instants and values in a record stay far inside the range where the arithmetic below
// cannot overflow.
constexpr std::int64_t kLimit = std::int64_t(1) << 53;

} // namespace

std::optional<std::int64_t> recordNumber(const std::map<std::string, std::string>& rec,
                                         const std::string& key) {
    const auto it = rec.find(key);
    if (it == rec.end()) return std::nullopt;
    std::int64_t v = 0;
    const char* b = it->second.data();
    const char* e = b + it->second.size();
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || v <= -kLimit || v >= kLimit) return std::nullopt;
    return v;
}

LocalMoment momentOf(std::int64_t serial) {
    return {floorDiv(serial, kDay), int(serial - floorDiv(serial, kDay) * kDay)};
}

namespace {

std::string text(const std::map<std::string, std::string>& rec, const std::string& key) {
    const auto it = rec.find(key);
    return it == rec.end() ? std::string() : it->second;
}

const char* modeName(RunMode m) {
    switch (m) {
    case RunMode::TimeOfDay: return "V";
    case RunMode::Countdown: return "Za";
    case RunMode::Stopwatch: return "S";
    }
    return "";
}

} // namespace

void Run::anchor(Seconds value, const RunNow& now) {
    m_base = value;
    // From the start of the wall-clock second: the ticks fall just after each second
    // boundary, so every tick of an undisturbed run moves it by exactly one second.
    m_anchorMs = m_mode == RunMode::Countdown ? now.secondStartMs + value * 1000
                                              : now.secondStartMs - value * 1000;
}

void Run::start(RunMode mode, Seconds entered, const RunNow& now) {
    m_mode = mode;
    m_state = RunState::Running;
    m_fellDueAt.reset();
    m_value = entered;
    m_lastCheck = m_startedAt = now.wall;
    if (mode != RunMode::TimeOfDay && !m_held) anchor(entered, now);
}

void Run::pause(const RunNow& now) {
    if (m_state != RunState::Running || m_mode == RunMode::TimeOfDay) return;
    m_value = value(now);
    m_state = RunState::Paused;
}

void Run::resume(const RunNow& now) {
    if (m_state != RunState::Paused) return;
    m_state = RunState::Running;
    if (!m_held) anchor(m_value, now);
}

void Run::stop(const RunNow& now) {
    if (m_mode != RunMode::TimeOfDay) m_value = value(now);
    m_state = RunState::Stopped;
    m_fellDueAt.reset();
}

Seconds Run::value(const RunNow& now) const {
    if (m_state != RunState::Running || m_held || m_mode == RunMode::TimeOfDay) return m_value;
    if (m_mode == RunMode::Countdown) {
        const Seconds left = -floorDiv(now.ms - m_anchorMs, 1000);
        return m_base > 0 ? std::max<Seconds>(0, left) : left;
    }
    return floorDiv(now.ms - m_anchorMs, 1000);
}

bool Run::checkTimeOfDay(const LocalMoment& now) {
    const Seconds t = m_value;
    const bool sameMinute =
        timetext::formatHourMinute(now.second) == timetext::formatHourMinute(t) && now.second >= t;
    Seconds latest = now.day * kDay + t;
    if (latest > now.serial()) latest -= kDay;
    const bool passed = latest > m_lastCheck.serial();
    m_lastCheck = now;
    return sameMinute || passed;
}

bool Run::due(const RunNow& now) {
    if (m_state != RunState::Running) return false;
    switch (m_mode) {
    case RunMode::TimeOfDay: return checkTimeOfDay(now.wall);
    case RunMode::Countdown: return !m_held && value(now) <= 0;
    case RunMode::Stopwatch: return false;
    }
    return false;
}

void Run::hold(const RunNow& now) {
    if (m_held) return;
    m_value = value(now);
    m_held = true;
}

void Run::release(const RunNow& now) {
    if (!m_held) return;
    m_held = false;
    if (m_state == RunState::Running && m_mode != RunMode::TimeOfDay) anchor(m_value, now);
}

std::map<std::string, std::string> Run::record(const RunNow& now, const std::string& bootId) const {
    std::map<std::string, std::string> r;
    r["version"] = std::to_string(kRunRecordVersion);
    r["mode"] = modeName(m_mode);
    r["state"] = m_state == RunState::Running  ? "running"
                 : m_state == RunState::Paused ? "paused"
                                               : "stopped";
    r["held"] = m_held ? "1" : "0";
    r["value"] = std::to_string(value(now));
    if (m_state == RunState::Running && !m_held && m_mode != RunMode::TimeOfDay)
        r["anchorMs"] = std::to_string(m_anchorMs);
    if (m_mode == RunMode::TimeOfDay) {
        r["startDay"] = std::to_string(m_startedAt.day);
        r["startSecond"] = std::to_string(m_startedAt.second);
    }
    r["runMs"] = std::to_string(now.ms);
    r["utcMs"] = std::to_string(now.utcMs);
    r["boot"] = bootId;
    return r;
}

bool Run::restore(const std::map<std::string, std::string>& rec, const RunNow& now,
                  const std::string& bootId) {
    *this = Run();
    const std::string mode = text(rec, "mode"), state = text(rec, "state");
    const auto value = recordNumber(rec, "value");
    if (mode != "V" && mode != "Za" && mode != "S") return false;
    if (state != "running" && state != "paused" && state != "stopped") return false;
    // A stopped run's value is only what it counted (a countdown from zero ends at -1).
    if (!value || (*value < 0 && state != "stopped")) return false;
    const RunMode m = mode == "V" ? RunMode::TimeOfDay
                      : mode == "Za" ? RunMode::Countdown
                                     : RunMode::Stopwatch;
    if (m == RunMode::TimeOfDay && *value >= kDay) return false;
    const bool held = text(rec, "held") == "1";
    Run r;
    r.m_mode = m;
    r.m_value = *value;
    r.m_held = held;
    r.m_state = state == "running" ? RunState::Running
                : state == "paused" ? RunState::Paused
                                    : RunState::Stopped;

    if (r.m_state == RunState::Running && m == RunMode::TimeOfDay) {
        const auto day = recordNumber(rec, "startDay"), second = recordNumber(rec, "startSecond");
        if (!day || !second || *second < 0 || *second >= kDay) return false;
        r.m_startedAt = r.m_lastCheck = {*day, int(*second)};
        // Its target passed while the program was not running: due from that moment.
        Seconds latest = now.wall.day * kDay + r.m_value;
        if (latest > now.wall.serial()) latest -= kDay;
        if (latest > r.m_lastCheck.serial()) r.m_fellDueAt = momentOf(latest);
    } else if (r.m_state == RunState::Running && !held) {
        const auto anchorMs = recordNumber(rec, "anchorMs"), runMs = recordNumber(rec, "runMs"),
                   utcMs = recordNumber(rec, "utcMs");
        if (!anchorMs || !runMs || !utcMs) return false;
        std::int64_t a = *anchorMs;
        if (text(rec, "boot") != bootId || now.ms < *runMs) {
            // Another boot: the run clock began anew. The wall clock says how long the
            // program was away, never less than nothing.
            const std::int64_t away = std::max<std::int64_t>(0, now.utcMs - *utcMs);
            a = now.ms - (*runMs - a) - std::min(away, kLimit);
            a = now.secondStartMs + floorDiv(a - now.secondStartMs, 1000) * 1000;
        }
        r.m_anchorMs = a;
        r.m_base = r.m_value;
        if (m == RunMode::Countdown && a <= now.ms)
            r.m_fellDueAt = momentOf(now.wall.serial() - floorDiv(now.ms - a, 1000));
    }
    *this = r;
    return true;
}

std::string encodeRecord(const std::map<std::string, std::string>& rec) {
    std::string out;
    for (const auto& [k, v] : rec) {
        out += k;
        out += '=';
        for (char c : v) {
            if (c == '\\') out += "\\\\";
            else if (c == '\n') out += "\\n";
            else if (c == '\r') out += "\\r";
            else out += c;
        }
        out += '\n';
    }
    return out;
}

std::optional<std::map<std::string, std::string>> decodeRecord(const std::string& text) {
    std::map<std::string, std::string> rec;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty()) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) return std::nullopt;
        std::string v;
        for (std::size_t i = eq + 1; i < line.size(); ++i) {
            if (line[i] != '\\') {
                v += line[i];
                continue;
            }
            if (++i == line.size()) return std::nullopt;
            switch (line[i]) {
            case '\\': v += '\\'; break;
            case 'n': v += '\n'; break;
            case 'r': v += '\r'; break;
            default: return std::nullopt;
            }
        }
        rec[line.substr(0, eq)] = v;
    }
    return rec;
}

} // namespace tikanda
