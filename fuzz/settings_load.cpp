// Start-up over a settings store whose every value comes from the fuzz input: Form_Load
// (Aktivace "User" with "Default" behind it), a reset to the standard values, an alarm
// that shows the loaded text, the text list, and the save at exit.
//
// Input: one value per line, handed out to the reads in the order they happen; a line
// "~" is an absent key, and so is every read after the input has run out. "\n" within a
// line stands for a line break inside the value.

#include "check.h"
#include "config/settings_values.h"
#include "fakes.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

using namespace tikanda;

namespace {

class FuzzStore : public SettingsStore {
public:
    explicit FuzzStore(std::string_view input) : m_rest(input) {}

    std::string get(const std::string&, const std::string&, const std::string&,
                    const std::string& def) override {
        if (m_rest.empty()) return def;
        const std::size_t nl = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, nl);
        m_rest.remove_prefix(nl == std::string_view::npos ? m_rest.size() : nl + 1);
        if (line == "~") return def;
        std::string value;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
                value += '\n';
                ++i;
            } else {
                value += line[i];
            }
        }
        return value;
    }
    void set(const std::string& a, const std::string& s, const std::string& k,
             const std::string& v) override {
        written[{a, s, k}] = v;
    }
    bool flush() override { return true; }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> written;

private:
    std::string_view m_rest;
};

// The window as the settings must leave it, whatever they held.
void checkLoaded(FrmTikanda& w) {
    FUZZ_CHECK(w.lblAlarm.Caption == w.AlarmText);
    FUZZ_CHECK(w.cboText.Items.size() == 5);
    for (int i = 1; i <= 5; ++i)
        FUZZ_CHECK(w.cboText.Items[std::size_t(i - 1)] == w.Texts[std::size_t(i)]);
    const int zvuk = w.tlbCas.button("Zvuk").Value, min = w.tlbCas.button("Min").Value;
    FUZZ_CHECK(zvuk == 0 || zvuk == 1);
    FUZZ_CHECK(min == 0 || min == 1);
    FUZZ_CHECK(w.program().SoundMode == zvuk);
    FUZZ_CHECK(w.lbl2.ForeColor == w.lbl1.ForeColor);
    FUZZ_CHECK(w.lblAlarm.ForeColor == w.lblStopky.ForeColor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::Rig rig;
    FuzzStore store({reinterpret_cast<const char*>(data), size});
    Services svc{rig.clock,   rig.timers, rig.sound, rig.keys, rig.messages, rig.popups,
                 rig.dialogs, rig.help,   store,     rig.env,  rig.exit,     rig.windows, rig.clock};
    ProgramState program;
    FrmTikanda w(svc, program);

    w.Form_Load();
    FUZZ_CHECK(w.Visible);
    checkLoaded(w);

    // A countdown from 0:00:00 falls due at the first tick and shows the loaded text.
    w.optionChosen(w.optZa);
    w.cmdOK_Click();
    rig.clock.advance(1);
    rig.timers.fireAll();
    FrmAlarm* alarm = w.frmAlarm();
    FUZZ_CHECK(alarm != nullptr);
    FUZZ_CHECK(alarm->lblAlarm[0].Caption == w.AlarmText);
    alarm->Form_Click();
    FUZZ_CHECK(w.frmAlarm() == nullptr);

    // The text list takes the current text to the top.
    w.FillComboSet();
    FUZZ_CHECK(w.Texts[1] == w.AlarmText);
    w.FillCombo();

    // The reset reads everything once more.
    rig.messages.answers.push_back(MsgAnswer::Yes);
    w.mnuDefault_Click();
    checkLoaded(w);

    // The save writes back exactly what the window holds, of what it writes (only the
    // values changed since they were loaded).
    FUZZ_CHECK(w.SaveSettings());
    auto written = [&](const std::string& key) {
        return store.written.contains({"RVTikanda", "User", key});
    };
    auto user = [&](const std::string& key) { return store.written[{"RVTikanda", "User", key}]; };
    if (written("Text")) {
        FUZZ_CHECK(user("Text") == w.AlarmText);
        for (int i = 1; i <= 5; ++i)
            FUZZ_CHECK(user("Text" + std::to_string(i)) == w.Texts[std::size_t(i)]);
    }
    if (written("WAV")) FUZZ_CHECK(user("WAV") == program.SoundFile);
    if (written("ColGreen"))
        FUZZ_CHECK(settingsvalues::decodeColour(user("ColGreen")) == w.picGreen.BackColor);
    if (written("Ikona"))
        FUZZ_CHECK(settingsvalues::decodeSwitch(user("Ikona")) == w.tlbCas.button("Min").Value);
    return 0;
}
