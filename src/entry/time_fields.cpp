// The hours, minutes and seconds fields with their spin buttons. The fields are the
// only store of the entered time; every change shows it again in lblStopky.

#include "core/frm_tikanda.h"
#include "entry/leading_number.h"

namespace tikanda {

using form::Control;

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length of a UTF-8 text in characters.
int charCount(const std::string& s) {
    int count = 0;
    for (char c : s)
        if (!isContinuationByte(c)) ++count;
    return count;
}

// The last `count` characters of a UTF-8 text.
std::string lastChars(const std::string& s, int count) {
    std::size_t start = s.size();
    while (start > 0 && count > 0) {
        --start;
        if (!isContinuationByte(s[start])) --count;
    }
    return s.substr(start);
}

// The minute digits of a time text H:mm:ss (5th and 4th characters from the end).
std::string minuteDigits(const std::string& time) {
    return time.size() >= 5 ? time.substr(time.size() - 5, 2) : std::string();
}

// The second digits of a time text (the last two characters).
std::string secondDigits(const std::string& time) {
    return time.size() >= 2 ? time.substr(time.size() - 2) : std::string();
}

// The entered time as a time text, shown in the run display. While a run is running or
// paused the display holds the run (the value a pause keeps and a resume reads back), so
// nothing the entry fields do writes it then.
std::string refreshDisplay(FrmTikanda& w) {
    std::string entered = timetext::format(w.Cas());
    if (w.runState() == RunState::Stopped) w.lblStopky.Caption = entered;
    return entered;
}

// After a third character or Enter the field keeps its last two characters and the
// focus moves on to `next`.
void moveOn(FrmTikanda& w, Control& field, int KeyCode, Control& next) {
    const bool tooLong = charCount(field.Text) > 2;
    if (!tooLong && KeyCode != vk::Enter) return;
    if (tooLong) w.setText(field, lastChars(field.Text, 2));
    w.SetFocus(next);
}

} // namespace

// Selections in the model count bytes of the UTF-8 text.
void FrmTikanda::Oznac(Control& Obj) {
    Obj.SelStart = 0;
    Obj.SelLength = int(Obj.Text.size());
}

// Returns the entered time as the time text it showed.
std::string FrmTikanda::TimeTest(Control& Obj, int Value) {
    const int n = roundHalfEven16(leadingNumber(Obj.Text));
    if (n > Value) setText(Obj, std::to_string(Value));
    // n is tested as read: a field just set to its maximum is not tested again.
    if (n <= 0) setText(Obj, "0");
    return refreshDisplay(*this);
}

void FrmTikanda::txtHod_GotFocus() {
    Oznac(txtHod);
}
void FrmTikanda::txtMin_GotFocus() {
    Oznac(txtMin);
}
void FrmTikanda::txtSec_GotFocus() {
    Oznac(txtSec);
}

void FrmTikanda::txtHod_Change() {
    refreshDisplay(*this);
}
void FrmTikanda::txtMin_Change() {
    refreshDisplay(*this);
}
void FrmTikanda::txtSec_Change() {
    refreshDisplay(*this);
}

// Enter is swallowed so that it inserts nothing and does not beep.
int FrmTikanda::txtHod_KeyPress(int KeyAscii) {
    return KeyAscii == vk::Enter ? 0 : KeyAscii;
}
int FrmTikanda::txtMin_KeyPress(int KeyAscii) {
    return KeyAscii == vk::Enter ? 0 : KeyAscii;
}
int FrmTikanda::txtSec_KeyPress(int KeyAscii) {
    return KeyAscii == vk::Enter ? 0 : KeyAscii;
}

void FrmTikanda::txtHod_KeyUp(int KeyCode, int) {
    moveOn(*this, txtHod, KeyCode, txtMin);
}
void FrmTikanda::txtMin_KeyUp(int KeyCode, int) {
    moveOn(*this, txtMin, KeyCode, txtSec);
}

void FrmTikanda::txtSec_KeyUp(int KeyCode, int) {
    // From the seconds the focus goes to the option button of the selected mode.
    Control& next = optV.Value ? optV : optZa.Value ? optZa : optS;
    moveOn(*this, txtSec, KeyCode, next);
}

void FrmTikanda::txtHod_LostFocus() {
    TimeTest(txtHod, 23);
}

// Minutes and seconds are re-written with the two digits of the entered time (the run
// display's, when stopped).
void FrmTikanda::txtMin_LostFocus() {
    setText(txtMin, minuteDigits(TimeTest(txtMin, 59)));
}

void FrmTikanda::txtSec_LostFocus() {
    setText(txtSec, secondDigits(TimeTest(txtSec, 59)));
}

// The spin button has already written its new number into the field.
void FrmTikanda::updHod_Change() {
    refreshDisplay(*this);
}

void FrmTikanda::updMin_Change() {
    setText(txtMin, minuteDigits(refreshDisplay(*this)));
}

void FrmTikanda::updSec_Change() {
    setText(txtSec, secondDigits(refreshDisplay(*this)));
}

void FrmTikanda::updHod_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(updHod);
}
void FrmTikanda::updMin_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(updMin);
}
void FrmTikanda::updSec_MouseDown(int Button, int, float, float) {
    if (Button == mouse::Right) ShowWhatsThis(updSec);
}

void FrmTikanda::mnuHod_Click() {
    SetFocus(txtHod);
}
void FrmTikanda::mnuMin_Click() {
    SetFocus(txtMin);
}
void FrmTikanda::mnuSec_Click() {
    SetFocus(txtSec);
}

} // namespace tikanda
