// Help on the main window: What's-This pop-ups, the "Co to je?" menu of the frames and
// their pictures, the toolbar's topic by pointer position, the help contents, context
// help of menu items and the About box.

#include "core/frm_tikanda.h"

#include <string>

namespace tikanda {

using form::Control;

namespace {

constexpr int kRightButton = 2;
constexpr int kFollowUp = 10;    // a pop-up item asked for its follow-up action
constexpr int kCoToJeTopic = 10; // what "Co to je?" shows for every control
constexpr int kToolbarTopic = 11030;

// What's-This topic of the toolbar button under x (twips from the toolbar's left
// edge). Inclusive bounds, tested in order, so x = 360 belongs to "Start".
int toolbarTopicAt(float x) {
    struct Range {
        float from, to;
        int topic;
    };
    static constexpr Range ranges[] = {
        {0, 360, 11031},     {360, 700, 11032},   {720, 1050, 11033},  {1200, 1530, 11034},
        {1560, 1900, 11035}, {1920, 2270, 11036}, {2400, 2750, 11037}, {2880, 3230, 11038},
    };
    for (const Range& r : ranges)
        if (x >= r.from && x <= r.to) return r.topic;
    return kToolbarTopic;
}

} // namespace

void FrmTikanda::ShowWhatsThis(Control& Obj) {
    m_svc.help.showWhatsThis(Obj.WhatsThisHelpID, &Obj);
}

void FrmTikanda::Pop(int i, int What, int OldWhat, Control& Obj) {
    if (i != 1) return;
    // The topic is switched only while the menu is open, so the title bar's "?" keeps
    // showing the control's own topic.
    Obj.WhatsThisHelpID = What;
    Answer = 0; // the marker must come from this menu
    if (form::MenuItem* chosen = m_svc.popups.popup(mnuRMB, nullptr)) menuClick(*chosen);
    if (Answer == kFollowUp) {
        ShowWhatsThis(Obj);
        Answer = 0;
    }
    Obj.WhatsThisHelpID = OldWhat;
}

void FrmTikanda::fraAlarm_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) Pop(1, kCoToJeTopic, 12015, fraAlarm);
}

void FrmTikanda::fraNastav_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) Pop(1, kCoToJeTopic, 13010, fraNastav);
}

void FrmTikanda::picAlarm_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) Pop(1, kCoToJeTopic, picAlarm.WhatsThisHelpID, picAlarm);
}

void FrmTikanda::picNastav_MouseDown(int Button, int, float, float) {
    if (Button == kRightButton) Pop(1, kCoToJeTopic, picNastav.WhatsThisHelpID, picNastav);
}

void FrmTikanda::mnuCoToJe_Click() {
    Answer = kFollowUp;
}

void FrmTikanda::tlbCas_MouseDown(int Button, int, float x, float) {
    Answer = toolbarTopicAt(x);
    tlbCas.WhatsThisHelpID = Answer;
    // The topic stays in force until the button is released; a right press shows it.
    if (Button == kRightButton) ShowWhatsThis(tlbCas);
}

void FrmTikanda::tlbCas_MouseUp(int, int, float, float) {
    tlbCas.WhatsThisHelpID = kToolbarTopic;
}

void FrmTikanda::mnuIndex_Click() {
    dlgSound.HelpFile = "TIKANDA.HLP";
    m_svc.help.setHelpFile(dlgSound.HelpFile);
    m_svc.help.showContents();
}

void FrmTikanda::About() {
    static const char* const lines[] = {
        "Tikanda 1.3",
        "Tikanda je ochranná známka jejích autorů.",
        "Program pro spuštění alarmu v daný čas, za daný čas a stopky.",
        "",
        "© 2026 Vývojáři Tikandy",
        "Návod: man tikanda a README.md u zdrojů programu",
        "Nápověda v programu: klávesa F1",
    };
    WorkText.clear();
    for (const char* line : lines) {
        if (line != lines[0]) WorkText += "\r\n";
        WorkText += line;
    }
    m_svc.messages.show(WorkText, "Tikanda 1.3", MsgIcon::Information, MsgButtons::Ok);
}

void FrmTikanda::mnuO_Click() {
    About();
}

void FrmTikanda::menuContextHelp(form::MenuItem& item) {
    if (item.HelpContextID != 0) m_svc.help.showTopic(item.HelpContextID);
}

} // namespace tikanda
