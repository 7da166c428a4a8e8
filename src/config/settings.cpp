#include "core/frm_tikanda.h"

namespace tikanda {

using form::Control;

void FrmTikanda::Aktivace(const std::string& Section) {}
bool FrmTikanda::SaveSettings() { return true; }
void FrmTikanda::mnuDefault_Click() {}

} // namespace tikanda
