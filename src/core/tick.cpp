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
    const RunNow now = runNow();

    if (WindowState != 1) {
        lblAktualni.Caption = timetext::format(now.wall.second);
        lblAktualni.ToolTipText = m_svc.clock.shortDate(now.wall.day);
        if (shpCifernik.Visible) TimeSet();
    }

    // A restored alarm window comes back above the main window, shown by now.
    if (m_alarmToReopen) {
        const LocalMoment at = *m_alarmToReopen;
        const std::string text = m_shownAlarm ? m_shownAlarm->text : AlarmText;
        m_alarmToReopen.reset();
        if (m_program.SoundMode == 1) m_svc.sound.play(m_program.SoundFile);
        m_svc.keys.sendKey(vk::F16);
        m_svc.screenSaver.simulateUserActivity();
        openAlarmWindow(text, at);
        m_program.AlarmUp = true;
        syncRunState();
        return;
    }

    if (m_run.state() != RunState::Running) return;
    if (m_run.due(now)) Alarm();
    drawRun(now);
}

void FrmTikanda::drawRun(const RunNow& now) {
    const bool minimised = WindowState == 1;
    const Seconds value = m_run.value(now);
    switch (m_run.mode()) {
    case RunMode::TimeOfDay:
        if (minimised) {
            if (m_run.pending()) Caption = "V " + timetext::format(value) + " alarm: " + AlarmText;
        } else {
            if (m_run.pending()) lblStopky.Caption = timetext::format(value);
            // A target earlier than now is tomorrow's; one that has arrived is 0:00:00 to go.
            const Seconds toGo = value >= now.wall.second ? value - now.wall.second
                                                          : value + kDay - now.wall.second;
            lblStopky.ToolTipText = timetext::format(m_run.pending() ? toGo : 0);
        }
        break;
    case RunMode::Countdown:
        if (minimised) {
            Caption = "Za " + timetext::format(value) + " alarm: " + AlarmText;
        } else {
            lblStopky.Caption = timetext::format(value);
            lblStopky.ToolTipText = "Odečet času";
        }
        break;
    case RunMode::Stopwatch:
        if (minimised)
            Caption = timetext::format(value) + " - stopky";
        else
            lblStopky.Caption = timetext::format(value);
        break;
    }
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
