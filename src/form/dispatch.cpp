// Routing of window events to the main window's named handlers, in the order the
// toolkit raises them. The Qt binding and the tests both enter here.

#include "core/frm_tikanda.h"
#include "entry/leading_number.h"
#include "form/focus.h"

#include <algorithm>

namespace tikanda {

using form::Control;
using form::MenuItem;

namespace {

// Every routed event ends with the focus settled (see FrmTikanda::settleFocus), the run
// display drawn from the run (a restored window shows its run at once, not at the next
// tick) and a changed run written down.
class Step {
public:
    explicit Step(FrmTikanda& w) : m_w(w) {}
    ~Step() {
        m_w.settleFocus();
        if (m_w.run().pending() && m_w.WindowState != 1) m_w.drawRun(m_w.runNow());
        m_w.syncRunState();
    }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

private:
    FrmTikanda& m_w;
};

} // namespace

void FrmTikanda::settleFocus() {
    // The handlers of a move may disable or hide further controls; each round moves the
    // focus on by at least one control, so the rounds are bounded.
    for (std::size_t round = 0; round <= controls.size(); ++round) {
        if (!ActiveControl || form::canHoldFocus(*ActiveControl)) return;
        Control& old = *ActiveControl;
        Control* next = form::nextFocus(*this, old);
        ActiveControl = next;
        lostFocus(old);
        if (next && ActiveControl == next) gotFocus(*next);
    }
}

void FrmTikanda::click(Control& c) {
    Step step(*this);
    if (!c.effectivelyEnabled() || !c.effectivelyVisible()) return;
    if (&c == &cmdOK)
        cmdOK_Click();
    else if (&c == &cmdStorno)
        cmdStorno_Click();
    else if (&c == &optV || &c == &optZa || &c == &optS)
        optionChosen(c);
}

void FrmTikanda::menuClick(MenuItem& m) {
    Step step(*this);
    if (!m.Enabled) return;
    struct Route {
        MenuItem FrmTikanda::*item;
        void (FrmTikanda::*handler)();
    };
    static const Route routes[] = {
        {&FrmTikanda::mnuStart, &FrmTikanda::mnuStart_Click},
        {&FrmTikanda::mnuPauza, &FrmTikanda::mnuPauza_Click},
        {&FrmTikanda::mnuStop, &FrmTikanda::mnuStop_Click},
        {&FrmTikanda::mnuKonec, &FrmTikanda::mnuKonec_Click},
        {&FrmTikanda::mnuHod, &FrmTikanda::mnuHod_Click},
        {&FrmTikanda::mnuMin, &FrmTikanda::mnuMin_Click},
        {&FrmTikanda::mnuSec, &FrmTikanda::mnuSec_Click},
        {&FrmTikanda::mnuZvuk, &FrmTikanda::mnuZvuk_Click},
        {&FrmTikanda::mnuIkona, &FrmTikanda::mnuIkona_Click},
        {&FrmTikanda::mnuText, &FrmTikanda::mnuText_Click},
        {&FrmTikanda::mnuWave, &FrmTikanda::mnuWave_Click},
        {&FrmTikanda::mnuAnalog, &FrmTikanda::mnuAnalog_Click},
        {&FrmTikanda::mnuDefault, &FrmTikanda::mnuDefault_Click},
        {&FrmTikanda::mnuV, &FrmTikanda::mnuV_Click},
        {&FrmTikanda::mnuP, &FrmTikanda::mnuP_Click},
        {&FrmTikanda::mnuS, &FrmTikanda::mnuS_Click},
        {&FrmTikanda::mnuAnalog2, &FrmTikanda::mnuAnalog2_Click},
        {&FrmTikanda::mnuColor, &FrmTikanda::mnuColor_Click},
        {&FrmTikanda::mnuIndex, &FrmTikanda::mnuIndex_Click},
        {&FrmTikanda::mnuO, &FrmTikanda::mnuO_Click},
        {&FrmTikanda::mnuCoToJe, &FrmTikanda::mnuCoToJe_Click},
    };
    for (const auto& r : routes)
        if (&(this->*r.item) == &m) {
            (this->*r.handler)();
            return;
        }
}

void FrmTikanda::toolbarClick(const std::string& key) {
    Step step(*this);
    auto& b = tlbCas.button(key);
    if (!b.Enabled || !b.Visible || !tlbCas.effectivelyEnabled()) return;
    // A toggle button changes its state before the click handler sees it.
    if (b.Style == form::ButtonStyle::Check) b.Value = 1 - b.Value;
    tlbCas_ButtonClick(key);
}

void FrmTikanda::mouseDown(Control& c, int Button, int Shift, float x, float y) {
    Step step(*this);
    if (!c.effectivelyEnabled() || !c.effectivelyVisible()) return;
    struct Route {
        Control FrmTikanda::*control;
        void (FrmTikanda::*handler)(int, int, float, float);
    };
    static const Route routes[] = {
        {&FrmTikanda::cmdOK, &FrmTikanda::cmdOK_MouseDown},
        {&FrmTikanda::cmdStorno, &FrmTikanda::cmdStorno_MouseDown},
        {&FrmTikanda::updHod, &FrmTikanda::updHod_MouseDown},
        {&FrmTikanda::updMin, &FrmTikanda::updMin_MouseDown},
        {&FrmTikanda::updSec, &FrmTikanda::updSec_MouseDown},
        {&FrmTikanda::optV, &FrmTikanda::optV_MouseDown},
        {&FrmTikanda::optZa, &FrmTikanda::optZa_MouseDown},
        {&FrmTikanda::optS, &FrmTikanda::optS_MouseDown},
        {&FrmTikanda::lbl1, &FrmTikanda::lbl1_MouseDown},
        {&FrmTikanda::lbl2, &FrmTikanda::lbl2_MouseDown},
        {&FrmTikanda::lblAktualni, &FrmTikanda::lblAktualni_MouseDown},
        {&FrmTikanda::lblAlarm, &FrmTikanda::lblAlarm_MouseDown},
        {&FrmTikanda::lblStopky, &FrmTikanda::lblStopky_MouseDown},
        {&FrmTikanda::picGreen, &FrmTikanda::picGreen_MouseDown},
        {&FrmTikanda::fraAlarm, &FrmTikanda::fraAlarm_MouseDown},
        {&FrmTikanda::fraNastav, &FrmTikanda::fraNastav_MouseDown},
        {&FrmTikanda::picAlarm, &FrmTikanda::picAlarm_MouseDown},
        {&FrmTikanda::picNastav, &FrmTikanda::picNastav_MouseDown},
    };
    if (&c == &tlbCas) {
        tlbCas_MouseDown(Button, Shift, x, y);
        return;
    }
    for (const auto& r : routes)
        if (&(this->*r.control) == &c) {
            (this->*r.handler)(Button, Shift, x, y);
            return;
        }
}

void FrmTikanda::mouseUp(Control& c, int Button, int Shift, float x, float y) {
    Step step(*this);
    if (&c == &tlbCas) tlbCas_MouseUp(Button, Shift, x, y);
}

void FrmTikanda::setText(Control& c, const std::string& text) {
    if (c.Text == text) return; // an assignment of the same text raises no change
    c.Text = text;
    if (&c == &txtHod)
        txtHod_Change();
    else if (&c == &txtMin)
        txtMin_Change();
    else if (&c == &txtSec)
        txtSec_Change();
}

void FrmTikanda::textEdited(Control& c, const std::string& text) {
    Step step(*this);
    if (!c.effectivelyEnabled()) return;
    std::string t = text;
    if (c.MaxLength > 0) {
        // At most MaxLength characters (UTF-8 aware).
        std::size_t chars = 0, i = 0;
        for (; i < t.size(); ++i)
            if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && chars++ == std::size_t(c.MaxLength))
                break;
        t.resize(i);
    }
    c.SelStart = int(t.size());
    c.SelLength = 0;
    setText(c, t);
}

bool FrmTikanda::keyPress(Control& c, int KeyAscii) {
    Step step(*this);
    if (&c == &txtHod) return txtHod_KeyPress(KeyAscii) != 0;
    if (&c == &txtMin) return txtMin_KeyPress(KeyAscii) != 0;
    if (&c == &txtSec) return txtSec_KeyPress(KeyAscii) != 0;
    return true;
}

void FrmTikanda::keyDown(Control* focused, int KeyCode, int Shift) {
    Step step(*this);
    if (focused == &optV)
        optV_KeyDown(KeyCode, Shift);
    else if (focused == &optZa)
        optZa_KeyDown(KeyCode, Shift);
    else if (focused == &optS)
        optS_KeyDown(KeyCode, Shift);
}

void FrmTikanda::keyUp(Control* focused, int KeyCode, int Shift) {
    Step step(*this);
    Form_KeyUp(KeyCode, Shift); // key preview: the window sees the key first
    if (focused == &txtHod)
        txtHod_KeyUp(KeyCode, Shift);
    else if (focused == &txtMin)
        txtMin_KeyUp(KeyCode, Shift);
    else if (focused == &txtSec)
        txtSec_KeyUp(KeyCode, Shift);
    else if (focused == &cboText)
        cboText_KeyUp(KeyCode, Shift);
}

void FrmTikanda::spin(Control& upd, int delta) {
    Step step(*this);
    if (!upd.effectivelyEnabled() || upd.Buddy == nullptr) return;
    Control& buddy = *upd.Buddy;
    const int current = std::clamp(roundHalfEven16(leadingNumber(buddy.Text)), upd.Min, upd.Max);
    const int next = std::clamp(current + delta, upd.Min, upd.Max);
    const std::string text = std::to_string(next);
    if (next == current && buddy.Text == text) return; // stopped at the end of the range
    setText(buddy, text);
    if (&upd == &updHod)
        updHod_Change();
    else if (&upd == &updMin)
        updMin_Change();
    else if (&upd == &updSec)
        updSec_Change();
}

void FrmTikanda::optionChosen(Control& opt) {
    if (!opt.effectivelyEnabled() || opt.Value) return;
    for (Control* c : controls)
        if (c->kind == form::Kind::OptionButton && c->Container == opt.Container) c->Value = false;
    opt.Value = true;
    if (&opt == &optV)
        optV_Click();
    else if (&opt == &optZa)
        optZa_Click();
    else if (&opt == &optS)
        optS_Click();
}

void FrmTikanda::SetFocus(Control& c) {
    Step step(*this);
    if (!c.effectivelyEnabled() || !c.effectivelyVisible()) return;
    if (ActiveControl == &c) return;
    Control* old = ActiveControl;
    ActiveControl = &c;
    if (old) lostFocus(*old);
    if (ActiveControl == &c) gotFocus(c);
}

void FrmTikanda::gotFocus(Control& c) {
    if (&c == &txtHod)
        txtHod_GotFocus();
    else if (&c == &txtMin)
        txtMin_GotFocus();
    else if (&c == &txtSec)
        txtSec_GotFocus();
    else if (c.kind == form::Kind::OptionButton)
        optionChosen(c); // an option button that receives the focus becomes selected
}

void FrmTikanda::lostFocus(Control& c) {
    if (&c == &txtHod)
        txtHod_LostFocus();
    else if (&c == &txtMin)
        txtMin_LostFocus();
    else if (&c == &txtSec)
        txtSec_LostFocus();
    else if (&c == &cboText)
        cboText_LostFocus();
}

void FrmTikanda::windowStateChanged(int state) {
    Step step(*this);
    if (WindowState == state) return;
    WindowState = state;
    Form_Resize();
}

bool FrmTikanda::closeRequested() {
    Step step(*this);
    int Cancel = 0;
    Form_Unload(Cancel);
    return Cancel == 0;
}

} // namespace tikanda
