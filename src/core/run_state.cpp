// The run as the state file keeps it: written at every change of the run, put back at
// start-up, dropped with an end the user chose.

#include "core/frm_tikanda.h"

namespace tikanda {

namespace {

std::string field(const std::map<std::string, std::string>& rec, const char* key) {
    const auto it = rec.find(key);
    return it == rec.end() ? std::string() : it->second;
}

// Without the moment of writing, and without the value of a run that counts from an
// anchor: what is left changes only when the run does.
std::string lasting(std::map<std::string, std::string> rec) {
    rec.erase("runMs");
    rec.erase("utcMs");
    if (rec.contains("anchorMs")) rec.erase("value");
    return encodeRecord(rec);
}

} // namespace

RunNow FrmTikanda::runNow() const {
    return {m_svc.runClock.nowMs(), m_svc.runClock.secondStartMs(), m_svc.clock.now(),
            m_svc.clock.utcMs()};
}

std::map<std::string, std::string> FrmTikanda::runRecord(const RunNow& now) const {
    auto rec = m_run.record(now, m_svc.runClock.bootId());
    rec["hod"] = txtHod.Text;
    rec["min"] = txtMin.Text;
    rec["sec"] = txtSec.Text;
    rec["text"] = AlarmText;
    if (m_shownAlarm) {
        rec["alarm"] = "1";
        rec["alarmText"] = m_shownAlarm->text;
        rec["announcedUtcMs"] = std::to_string(m_shownAlarm->announcedUtcMs);
    }
    return rec;
}

void FrmTikanda::syncRunState() {
    if (m_runDropped) return;
    if (!m_run.pending() && !m_shownAlarm) {
        if (!m_writtenRun.empty()) m_svc.runStore.remove();
        m_writtenRun.clear();
        return;
    }
    const auto rec = runRecord(runNow());
    std::string now = lasting(rec);
    if (now == m_writtenRun) return;
    m_svc.runStore.save(encodeRecord(rec));
    m_writtenRun = std::move(now);
}

void FrmTikanda::dropRun() {
    m_runDropped = true;
    m_svc.runStore.remove();
    m_writtenRun.clear();
}

void FrmTikanda::restoreRun() {
    const auto text = m_svc.runStore.taken();
    if (!text) return;
    const auto rec = decodeRecord(*text);
    const auto version = rec ? recordNumber(*rec, "version") : std::nullopt;
    if (version && *version > kRunRecordVersion) {
        m_svc.runStore.setAside(false);
        return;
    }
    const RunNow now = runNow();
    Run run;
    const auto announced = rec ? recordNumber(*rec, "announcedUtcMs") : std::nullopt;
    const bool alarm = rec && field(*rec, "alarm") == "1";
    if (!version || !run.restore(*rec, now, m_svc.runClock.bootId()) || (alarm && !announced)) {
        m_svc.runStore.setAside(true);
        return;
    }
    // The taken file is this copy's now: rewritten in its terms, or removed.
    m_writtenRun = "taken";

    // The mode through its routine, so that menus and captions follow; then the fields.
    const std::string mode = field(*rec, "mode");
    optionChosen(mode == "V" ? optV : mode == "Za" ? optZa : optS);
    setText(txtHod, field(*rec, "hod"));
    setText(txtMin, field(*rec, "min"));
    setText(txtSec, field(*rec, "sec"));
    AlarmText = field(*rec, "text");
    lblAlarm.Caption = AlarmText;

    m_run = run;
    if (!alarm) m_run.release(now); // held only while its alarm window is open
    if (m_run.pending()) {
        showRunning();
        if (m_run.state() == RunState::Paused) showPaused();
        drawRun(now);
    }
    if (alarm) {
        // Announced that long before now, by the wall clock.
        const Seconds ago = std::max<std::int64_t>(0, (now.utcMs - *announced) / 1000);
        const Seconds at = now.wall.serial() - ago;
        m_shownAlarm = ShownAlarm{field(*rec, "alarmText"), *announced};
        m_alarmToReopen = momentOf(at);
    }
    syncRunState();
}

} // namespace tikanda
