// The analog dial: moving the hands to the system time and switching between the
// digital and the analog face of the display panel.

#include "core/frm_tikanda.h"
#include "ui/clock/dial_geometry.h"

namespace tikanda {

using form::Control;

namespace {

void moveHand(Control& hand, float length, float angle) {
    const dial::Point end = dial::endPoint(length, angle);
    hand.X2 = end.x;
    hand.Y2 = end.y;
}

} // namespace

void FrmTikanda::TimeSet() {
    // One reading of the clock for all three hands, so that a second boundary passing
    // between them cannot mix two different times (e.g. hour 12 with minute 0 at 13:00).
    const int s = m_svc.clock.now().second;
    const int H = s / 3600 % 24, M = s / 60 % 60, S = s % 60;
    moveHand(linHod, dial::kHourLength, dial::hourAngle(H, M));
    moveHand(linMin, dial::kMinuteLength, dial::minuteAngle(M));
    moveHand(linSec, dial::kSecondLength, dial::secondAngle(S));
}

void FrmTikanda::mnuAnalog_Click() {
    mnuAnalog.Checked = !mnuAnalog.Checked;
    const bool analog = mnuAnalog.Checked;
    for (Control* label : {&lblAktualni, &lblStopky, &lbl1, &lbl2})
        label->Visible = !analog;
    shpCifernik.Visible = analog;
    for (Control* line : {&linHod, &linMin, &linSec, &linAlarm})
        line->Visible = analog;
    // The pop-up item names the face that choosing it brings.
    mnuAnalog2.Caption = analog ? "Digitální" : "Analogové";
}

void FrmTikanda::mnuAnalog2_Click() {
    mnuAnalog_Click();
}

} // namespace tikanda
