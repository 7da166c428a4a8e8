#include "fakes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tikanda::test {
namespace {

constexpr int Shift = 1, Ctrl = 2, Alt = 4;
constexpr int F2 = 113, F3 = 114, F4 = 115, Esc = 27;

std::string fields(Rig& r) {
    auto& w = r.w;
    auto n = [](auto v) { return std::to_string(v); };
    return "run=" + n(int(w.runState())) + " min=" + n(w.tlbCas.button("Min").Value) +
           " win=" + n(w.WindowState) + " edit=" + n(w.cboText.Visible) +
           " dlg=" + n(r.dialogs.fileDialogs) + " sound=" + n(r.program.SoundMode) +
           n(w.mnuZvuk.Checked) + n(w.tlbCas.button("Zvuk").Value) +
           " exit=" + n(r.exit.codes.size()) + " alarm=" + n(w.frmAlarm() != nullptr) +
           n(r.program.AlarmUp) + " text=" + w.AlarmText;
}

TEST(Keyboard, EveryRowActsOnlyInItsLayoutStateAndShiftState) {
    const struct {
        int menus, run, buttons, sound, alarm; // buttons: Start, Pauza, Stop enabled
        std::vector<std::pair<int, int>> keys; // code, shift state
        const char* changes;
    } rows[] = {
        // Without the menu bar F2, F3 and F4 act while their buttons are enabled, any shift.
        {0, 0, 1, 1, 0, {{F2, Shift}}, "run=1 "},
        {0, 1, 1, 1, 0, {{F3, Alt}}, "run=2 "},
        {0, 2, 1, 1, 0, {{F4, Ctrl | Shift}}, "run=0 "},
        {0, 1, 0, 1, 0, {{F2, 0}, {F3, 0}, {F4, 0}}, ""},
        // ... and Ctrl+D, I, T, W, Z with exactly Ctrl held; W and Z only with sound.
        {0, 0, 1, 1, 0, {{'D', Ctrl}}, "sound=000 text=Výchozí "},
        {0, 0, 1, 1, 0, {{'I', Ctrl}, {'T', Ctrl}, {'W', Ctrl}}, "min=1 edit=1 dlg=1 "},
        {0, 0, 1, 1, 0, {{'Z', Ctrl}}, "sound=000 "},
        {0, 0, 1, 1, 0, {{'D', 0}, {'I', Ctrl | Shift}, {'T', Ctrl | Alt}, {'Z', Alt}}, ""},
        {0, 0, 1, -1, 0, {{'W', Ctrl}, {'Z', Ctrl}}, ""},
        // With the menu bar those are the menus' shortcuts, not the window's.
        {1, 1, 1, 1, 0, {{F3, 0}, {F4, 0}, {'D', Ctrl}, {'I', Ctrl}}, ""},
        {1, 0, 1, 1, 0, {{F2, 0}, {'T', Ctrl}, {'W', Ctrl}, {'Z', Ctrl}}, ""},
        // Escape while a count runs minimises (through the icon option, which that uses up).
        {1, 1, 1, 1, 0, {{Esc, Ctrl | Shift}}, "win=1 "},
        {0, 2, 1, 1, 0, {{Esc, 0}}, ""},
        // Ctrl+Alt+F4 ends at once, and only with exactly Ctrl+Alt.
        {1, 1, 1, 1, 0, {{F4, Ctrl}, {F4, Ctrl | Alt | Shift}, {F4, Ctrl | Alt}}, "exit=1 "},
        // Codes from 1 to F13 close the alarm window (so the alarm's own F16 presses never do),
        // and only with AlarmUp set; the key also goes through the other rows.
        {1, 0, 0, 1, 1, {{1, 0}}, "alarm=00 "},
        {1, 0, 0, 1, 1, {{124, 0}}, "alarm=00 "},
        {1, 0, 0, 1, 1, {{125, 0}, {127, 0}, {186, 0}, {0, 0}}, ""},
        {1, 0, 0, 1, 2, {{'A', 0}}, ""},
        {0, 0, 0, 1, 1, {{'T', Ctrl}}, "edit=1 alarm=00 "},
    };
    for (const auto& row : rows) {
        Rig r;
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        r.settings.values[{"RVTikanda", "Default", "Text"}] = "Výchozí";
        if (!row.menus) r.w.applyNoMenu();
        r.bring(row.run);
        r.w.TlbSPS(row.buttons, row.buttons, row.buttons);
        r.program.SoundMode = row.sound;
        r.program.AlarmUp = row.alarm == 1; // 2: the window without AlarmUp
        if (row.alarm) r.w.loadAlarmWindow();
        const std::string before = fields(r);
        for (auto [code, shift] : row.keys)
            r.w.keyUp(nullptr, code, shift);
        std::istringstream was(before), is(fields(r));
        std::string a, b, changes;
        while (was >> a && is >> b)
            if (a != b) changes += b + " ";
        EXPECT_EQ(changes, row.changes);
        // Nothing asks (Ctrl+D resets without the question) and nothing is saved.
        EXPECT_TRUE(r.messages.shown.empty() && r.settings.writes.empty());
    }
}

} // namespace
} // namespace tikanda::test
