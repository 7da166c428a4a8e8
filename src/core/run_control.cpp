#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::cmdOK_Click() {}
void FrmTikanda::cmdStorno_Click() {}
void FrmTikanda::cmdOK_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::cmdStorno_MouseDown(int Button, int Shift, float x, float y) {}
void FrmTikanda::Pauza() {}
void FrmTikanda::Stopka() {}
void FrmTikanda::TlbSPS(bool F2, bool F3, bool F4) {}
void FrmTikanda::MenuSPS(bool F2, bool F3, bool F4) {}
void FrmTikanda::WinMin(int p) {}
void FrmTikanda::tlbCas_ButtonClick(const std::string& Key) {}
void FrmTikanda::mnuStart_Click() {}
void FrmTikanda::mnuPauza_Click() {}
void FrmTikanda::mnuStop_Click() {}

} // namespace tikanda
