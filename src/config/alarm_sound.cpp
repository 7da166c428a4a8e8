// The sound switch and the choice of the wave file. The "Zvuk" toolbar toggle, the
// check mark of mnuZvuk and SoundMode always agree unless NOSOUND disabled the sound.

#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::mnuZvuk_Click() {
    mnuZvuk.Checked = !mnuZvuk.Checked;
    program().SoundMode = mnuZvuk.Checked ? 1 : 0;
    auto& zvuk = tlbCas.button("Zvuk");
    zvuk.Value = 1 - zvuk.Value;
}

// The toolbar has already toggled the button; the menu and SoundMode follow it.
void FrmTikanda::PressZvuk() {
    const int pressed = tlbCas.button("Zvuk").Value == 1 ? 1 : 0;
    mnuZvuk.Checked = pressed == 1;
    program().SoundMode = pressed;
}

void FrmTikanda::SelectSound() {
    // The dialog's one filter entry, "description|pattern".
    const std::string& filter = dlgSound.Filter;
    const auto bar = filter.find('|');
    const std::string description = bar == std::string::npos ? filter : filter.substr(0, bar);
    std::string pattern = bar == std::string::npos ? std::string("*.*") : filter.substr(bar + 1);
    if (const auto next = pattern.find('|'); next != std::string::npos) pattern.resize(next);

    // A cancelled or failed dialog leaves the sound file as it was, and so does an
    // empty answer: there is no file to play in it.
    const auto chosen = services().dialogs.openFile(dlgSound.DialogTitle, description, pattern);
    if (chosen && !chosen->empty()) program().SoundFile = *chosen;
}

void FrmTikanda::mnuWave_Click() {
    SelectSound();
}

} // namespace tikanda
