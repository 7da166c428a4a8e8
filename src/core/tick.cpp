#include "core/frm_tikanda.h"
#include "ui/clock/dial_geometry.h"

#include <optional>

namespace tikanda {

using form::Control;

namespace {

// Strict conversion of a field's whole text to a number: blanks around it, an optional
// sign, digits with at most one decimal point. Empty or anything else fails.
std::optional<double> numberOf(const std::string& text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const std::size_t e = text.find_last_not_of(' ') + 1;
    std::size_t i = b;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    double value = 0, scale = 1;
    bool digits = false, point = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (point) {
                scale /= 10;
                value += (c - '0') * scale;
            } else {
                value = value * 10 + (c - '0');
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return negative ? -value : value;
}

} // namespace

void FrmTikanda::tmrAlarm_Timer() {
    const LocalMoment now = m_svc.clock.now();

    if (WindowState != 1) {
        lblAktualni.Caption = timetext::format(now.second);
        lblAktualni.ToolTipText = m_svc.clock.shortDate(now.day);
        if (shpCifernik.Visible) TimeSet();
    }

    if (RunState != 1) return;

    if (optV.Value) {
        const std::string target = lblStopky.Caption;
        if (const auto t = timetext::parseTimeOfDay(target)) {
            // Due in the target minute from the target second on; and, so that an alarm is
            // never lost to a suspend or a held-up program, whenever the latest occurrence of
            // the target moment lies after the previous tick of the run (or its start).
            const bool sameMinute =
                timetext::formatHourMinute(now.second) == timetext::formatHourMinute(*t) &&
                now.second >= *t;
            Seconds latest = now.day * kDay + *t;
            if (latest > now.serial()) latest -= kDay;
            const bool passed = latest > lastRunCheck.serial();
            lastRunCheck = now;
            if (sameMinute || passed) Alarm();
        } else {
            lastRunCheck = now;
        }

        if (WindowState == 1) {
            Caption = "V " + target + " alarm: " + AlarmText;
        } else {
            // From the target read above: an alarm just raised has reset lblStopky, and
            // the time to go of a target that has arrived is 0:00:00, not the time to midnight.
            const auto shown = timetext::parseTimeOfDay(lblAktualni.Caption);
            const auto t = timetext::parseTimeOfDay(target);
            if (shown && t) {
                // A target earlier than now is tomorrow's.
                const Seconds toGo = *t >= *shown ? *t - *shown : *t + kDay - *shown;
                lblStopky.ToolTipText = timetext::format(toGo);
            }
        }
    }

    if (optZa.Value) {
        RunTime = m_runBase - runSeconds() * OneSec;
        // A countdown whose end passed while no tick ran stops at zero, as one that ran down.
        if (m_runBase > 0 && RunTime < 0) RunTime = 0;
        if (RunTime <= 0) Alarm();
        if (WindowState == 1) {
            Caption = "Za " + timetext::format(RunTime) + " alarm: " + AlarmText;
        } else {
            lblStopky.Caption = timetext::format(RunTime);
            lblStopky.ToolTipText = "Odečet času";
        }
    }

    if (optS.Value) {
        RunTime = m_runBase + runSeconds() * OneSec;
        if (WindowState == 1)
            Caption = timetext::format(RunTime) + " - stopky";
        else
            lblStopky.Caption = timetext::format(RunTime);
    }
}

void FrmTikanda::markRunStart() {
    lastRunCheck = m_svc.clock.now();
    m_runBase = RunTime;
    m_runFromMs = m_svc.runClock.secondStartMs();
}

// The whole seconds a countdown or stopwatch has run since it started or resumed, on the
// run clock (through a suspend, a held-up program, a wall clock set forward or back).
// Counted from the start of the wall-clock second in which the run started: the ticks fall
// just after each second boundary, so every tick of an undisturbed run adds exactly one,
// and the first tick after a stall adds all the seconds that passed.
Seconds FrmTikanda::runSeconds() const {
    return (m_svc.runClock.nowMs() - m_runFromMs) / 1000;
}

Seconds FrmTikanda::Cas() {
    Seconds result = 0;
    if (const auto t =
            timetext::parseTimeOfDay(txtHod.Text + ":" + txtMin.Text + ":" + txtSec.Text))
        result = *t;

    float angle = 0;
    const auto hours = numberOf(txtHod.Text);
    const auto minutes = numberOf(txtMin.Text);
    if (hours && minutes) angle = dial::hourAngle(*hours, *minutes);

    const dial::Point inner = dial::endPoint(280, angle);
    const dial::Point outer = dial::endPoint(300, angle);
    linAlarm.X1 = inner.x;
    linAlarm.Y1 = inner.y;
    linAlarm.X2 = outer.x;
    linAlarm.Y2 = outer.y;
    return result;
}

} // namespace tikanda
