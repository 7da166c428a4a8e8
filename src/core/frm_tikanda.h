#pragma once
// The main window's behaviour: its variables, procedures and event handlers under the
// names the program gives them. It writes the form model it derives from; the Qt
// binding renders that model and forwards widget events to the dispatch functions at
// the end of this class. Handlers are defined in the folder of their concern:
//   core/    tick.cpp, run_control.cpp, alarm.cpp
//   entry/   time_fields.cpp, modes.cpp
//   config/  settings.cpp, startup.cpp, keyboard.cpp, alarm_texts.cpp, alarm_sound.cpp
//   ui/      clock/face.cpp, modes/window_modes.cpp, colours/colours.cpp, help/help_commands.cpp
//   form/dispatch.cpp (event routing)

#include "core/frm_alarm.h"
#include "core/program_state.h"
#include "core/run.h"
#include "core/time_text.h"
#include "platform/interfaces.h"
#include "form/form_windows.h"

#include <array>
#include <map>
#include <optional>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tikanda {

class FrmSplash : public form::FrmSplashModel {};

class FrmTikanda : public form::FrmTikandaModel {
public:
    FrmTikanda(Services& svc, ProgramState& program);
    ~FrmTikanda();

    // ---- Window variables ----
    Seconds OneSec = 1;      // set at start-up from "00:00:01"
    std::string AlarmText;
    bool NoBar = false;
    std::string WorkText;
    std::string TextBeforeEdit;
    int Answer = 0;
    int Idx = 0;
    std::array<std::string, 6> Texts; // entries 1..5 used

    ProgramState& program() { return m_program; }
    FrmSplash frmSplash;
    // The live alarm window, or nullptr while none is shown.
    FrmAlarm* frmAlarm() const { return m_alarm && !m_alarm->unloaded() ? m_alarm.get() : nullptr; }
    Timer& mainTimer() { return *m_tmrAlarm; }

    // ---- The run (core/run.h; drawn and kept in core/tick.cpp, run_control.cpp) ----
    const Run& run() const { return m_run; }
    RunState runState() const { return m_run.state(); }
    // One reading of the clocks for everything an event or a tick does.
    RunNow runNow() const;
    // Draws the run display (or, minimised, the caption) from the run.
    void drawRun(const RunNow& now);
    // Writes the pending run to the state file when it changed since the last write, or
    // removes the file when nothing is pending any more. Never rewritten by a tick.
    void syncRunState();
    // An end the user chose: the pending run is dropped with the program.
    void dropRun();
    // An end the user did not choose (a logout, a shutdown, a signal, the loss of the
    // display): the settings are saved as at an orderly exit, without question or box, and
    // the pending run is kept for the next start. Before start-up has loaded the settings
    // there is nothing to save. The caller ends the process.
    enum class SessionSave { NotLoaded, Saved, Failed };
    SessionSave SessionEnd();

    // ---- Tick and target time (core/tick.cpp) ----
    void tmrAlarm_Timer();
    Seconds Cas();

    // ---- Run control (core/run_control.cpp) ----
    void cmdOK_Click();
    void cmdStorno_Click();
    void cmdOK_MouseDown(int Button, int Shift, float x, float y);
    void cmdStorno_MouseDown(int Button, int Shift, float x, float y);
    void Pauza();
    void Stopka();
    void TlbSPS(bool F2, bool F3, bool F4);
    void MenuSPS(bool F2, bool F3, bool F4);
    void WinMin(int p);
    void tlbCas_ButtonClick(const std::string& Key);
    void mnuStart_Click();
    void mnuPauza_Click();
    void mnuStop_Click();

    // ---- Alarm (core/alarm.cpp) ----
    void Alarm();
    // Hides and unloads the alarm window if one is shown (main window's key rule).
    void unloadAlarmWindow();

    // ---- Time entry (entry/time_fields.cpp) ----
    void Oznac(form::Control& Obj);
    // Returns the entered time as the time text it showed.
    std::string TimeTest(form::Control& Obj, int Value);
    void txtHod_GotFocus();
    void txtMin_GotFocus();
    void txtSec_GotFocus();
    void txtHod_Change();
    void txtMin_Change();
    void txtSec_Change();
    // Returns the character to insert; 0 swallows it.
    int txtHod_KeyPress(int KeyAscii);
    int txtMin_KeyPress(int KeyAscii);
    int txtSec_KeyPress(int KeyAscii);
    void txtHod_KeyUp(int KeyCode, int Shift);
    void txtMin_KeyUp(int KeyCode, int Shift);
    void txtSec_KeyUp(int KeyCode, int Shift);
    void txtHod_LostFocus();
    void txtMin_LostFocus();
    void txtSec_LostFocus();
    void updHod_Change();
    void updMin_Change();
    void updSec_Change();
    void updHod_MouseDown(int Button, int Shift, float x, float y);
    void updMin_MouseDown(int Button, int Shift, float x, float y);
    void updSec_MouseDown(int Button, int Shift, float x, float y);
    void mnuHod_Click();
    void mnuMin_Click();
    void mnuSec_Click();

    // ---- Modes (entry/modes.cpp) ----
    void NastavTyp(const std::string& MenuText, const std::string& InfoText,
                   const std::string& StopkyText, form::MenuItem& Obj);
    void MenuEnabled(bool p);
    void optV_Click();
    void optZa_Click();
    void optS_Click();
    void optV_KeyDown(int KeyCode, int Shift);
    void optZa_KeyDown(int KeyCode, int Shift);
    void optS_KeyDown(int KeyCode, int Shift);
    void optV_MouseDown(int Button, int Shift, float x, float y);
    void optZa_MouseDown(int Button, int Shift, float x, float y);
    void optS_MouseDown(int Button, int Shift, float x, float y);
    void mnuV_Click();
    void mnuP_Click();
    void mnuS_Click();

    // ---- Clock face (ui/clock/face.cpp) ----
    void TimeSet();
    void mnuAnalog_Click();
    void mnuAnalog2_Click();

    // ---- Window modes (ui/modes/window_modes.cpp) ----
    void PressMin();
    void mnuIkona_Click();
    void PressMnuIkona();
    void Form_Resize();
    // Start-up's compact layouts (NOMENU, NOBAR); returns the height reduction in twips.
    int applyNoMenu();
    int applyNoBar();

    // ---- Colours (ui/colours/colours.cpp) ----
    void ForeCol(form::Control& Obj, const std::string& Txt);
    form::Colour SelectColor(form::Colour HistoryColor);
    void lbl1_MouseDown(int Button, int Shift, float x, float y);
    void lbl2_MouseDown(int Button, int Shift, float x, float y);
    void lblAktualni_MouseDown(int Button, int Shift, float x, float y);
    void lblAlarm_MouseDown(int Button, int Shift, float x, float y);
    void lblStopky_MouseDown(int Button, int Shift, float x, float y);
    void picGreen_MouseDown(int Button, int Shift, float x, float y);
    void mnuColor_Click();

    // ---- Help, About, context menus (ui/help/help_commands.cpp) ----
    void ShowWhatsThis(form::Control& Obj);
    void Pop(int i, int What, int OldWhat, form::Control& Obj);
    void fraAlarm_MouseDown(int Button, int Shift, float x, float y);
    void fraNastav_MouseDown(int Button, int Shift, float x, float y);
    void picAlarm_MouseDown(int Button, int Shift, float x, float y);
    void picNastav_MouseDown(int Button, int Shift, float x, float y);
    void mnuCoToJe_Click();
    void tlbCas_MouseDown(int Button, int Shift, float x, float y);
    void tlbCas_MouseUp(int Button, int Shift, float x, float y);
    void mnuIndex_Click();
    void About();
    void mnuO_Click();
    // F1 on a highlighted menu item: its context topic.
    void menuContextHelp(form::MenuItem& item);

    // ---- Settings (config/settings.cpp) ----
    void Aktivace(const std::string& Section);
    // The save step of Konec; false when the store could not write.
    bool SaveSettings();
    void mnuDefault_Click();

    // ---- Start-up and shutdown (config/startup.cpp) ----
    void Form_Load();
    void Konec();
    void Form_Unload(int& Cancel);
    void mnuKonec_Click();

    // ---- Keyboard commands (config/keyboard.cpp) ----
    void Form_KeyUp(int KeyCode, int Shift);

    // ---- Alarm text list (config/alarm_texts.cpp) ----
    void TextAlarmu();
    void FillComboSet();
    void FillCombo();
    void cboText_KeyUp(int KeyCode, int Shift);
    void cboText_LostFocus();
    void mnuText_Click();

    // ---- Alarm sound (config/alarm_sound.cpp) ----
    void mnuZvuk_Click();
    void PressZvuk();
    void SelectSound();
    void mnuWave_Click();

    // ---- Event routing for the binding and the tests (form/dispatch.cpp) ----
    // Each runs the handlers the event raises, in the toolkit's order.
    void click(form::Control& c);                  // buttons, labels, pictures
    void menuClick(form::MenuItem& item);          // enabled items only
    void toolbarClick(const std::string& key);     // toggles a check button first
    void mouseDown(form::Control& c, int Button, int Shift, float x, float y);
    void mouseUp(form::Control& c, int Button, int Shift, float x, float y);
    // A user edit of a text box or the combo box's edit field.
    void textEdited(form::Control& c, const std::string& text);
    // Key press in a text field; returns false when the character was swallowed.
    bool keyPress(form::Control& c, int KeyAscii);
    void keyDown(form::Control* focused, int KeyCode, int Shift);
    // Window-level key release first (key preview), then the focused control's.
    void keyUp(form::Control* focused, int KeyCode, int Shift);
    // Spin button stepped by +1 or -1.
    void spin(form::Control& upd, int delta);
    // Option button chosen by the user (click, access key, arrow keys).
    void optionChosen(form::Control& opt);
    // The keyboard focus moved between controls of this window, by the user or by
    // the program. Runs the leave and get-focus handlers.
    void SetFocus(form::Control& c);
    // The model holds the one truth for the focus. When the control that holds it has
    // been disabled or hidden (itself or through its container), the focus passes to the
    // next control in tab order that can take it, or to none: the leave handler of the
    // old control and the get-focus handler of the new one run, as for any move. Every
    // routed event and every tick end with this, so no later move runs a leave handler
    // for a control that lost the focus long before.
    void settleFocus();
    void windowStateChanged(int state);
    // The window's close box; returns true when the window may close.
    bool closeRequested();

    // Sets a text box's text and runs its Change handler, as an assignment does.
    void setText(form::Control& c, const std::string& text);

private:
    // The commands, buttons and captions of a running or paused run.
    void showRunning();
    void showPaused();
    // Runs the focused time field's leave check, so that a start uses what it then shows.
    void checkFocusedField();
    // Opens the alarm window for `text`, announced at `at`.
    void openAlarmWindow(const std::string& text, const LocalMoment& at);
    // Puts back the run a copy that ended left behind (start-up, after the settings).
    void restoreRun();
    std::map<std::string, std::string> runRecord(const RunNow& now) const;
    void closeTextEdit();
    void gotFocus(form::Control& c);
    void lostFocus(form::Control& c);

    Services& m_svc;
    ProgramState& m_program;
    Run m_run;
    // The alarm window shown, as the state file keeps it: its text and when it was announced.
    struct ShownAlarm {
        std::string text;
        std::int64_t announcedUtcMs = 0;
    };
    std::optional<ShownAlarm> m_shownAlarm;
    // A restored alarm window (m_shownAlarm), opened at the first tick above the shown main
    // window, announced at this local moment.
    std::optional<LocalMoment> m_alarmToReopen;
    // The record last written to the state file, without its moment of writing.
    std::string m_writtenRun;
    bool m_settingsLoaded = false;
    bool m_runDropped = false; // the program is ending as the user chose: nothing more is written
    std::unique_ptr<Timer> m_tmrAlarm;
    std::unique_ptr<FrmAlarm> m_alarm;
    // Replaced alarm windows that were inside their own tick then; each goes at its tick's end.
    std::vector<std::unique_ptr<FrmAlarm>> m_replacedAlarms;

    friend class FrmTikandaTestAccess;

public:
    Services& services() { return m_svc; }
    // Replaces the alarm window (used by Alarm).
    FrmAlarm& loadAlarmWindow();
};

} // namespace tikanda
