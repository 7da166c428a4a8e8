#include "form/form_windows.h"

#include <stdexcept>

namespace tikanda::form {

const char* const kToolbarImageKeys[10] = {"Start", "Pauza", "Stop", "TextY", "TextB",
                                           "TextG", "Zvuk",  "Min",  "Nastaveni", "O"};

ToolButton& Toolbar::button(const std::string& key) {
    for (auto& b : Buttons)
        if (b.Key == key) return b;
    throw std::out_of_range("no toolbar button " + key);
}

const ToolButton& Toolbar::button(const std::string& key) const {
    return const_cast<Toolbar*>(this)->button(key);
}

Control* WindowModel::find(const std::string& name) const {
    for (auto* c : controls)
        if (c->Name == name) return c;
    return nullptr;
}

namespace {

struct ControlSpec {
    const char* name;
    Kind kind;
    Control* container;
    Rect place;
    const char* caption;
    const char* tip;
    int whatsThis;
    int context;
    int tab;
};

void init(WindowModel& w, Control& c, const ControlSpec& s) {
    c.Name = s.name;
    c.kind = s.kind;
    c.Container = s.container;
    c.place = s.place;
    if (s.kind == Kind::TextBox || s.kind == Kind::ComboBox)
        c.Text = s.caption;
    else
        c.Caption = s.caption;
    c.ToolTipText = s.tip;
    c.WhatsThisHelpID = s.whatsThis;
    c.HelpContextID = s.context;
    c.TabIndex = s.tab;
    w.controls.push_back(&c);
}

void menu(MenuItem& m, const char* name, const char* caption, MenuItem* parent,
          const char* shortcut = "", int context = 0) {
    m.Name = name;
    m.Caption = caption;
    m.Parent = parent;
    m.Shortcut = shortcut;
    m.HelpContextID = context;
    if (parent) parent->Children.push_back(&m);
}

} // namespace

FrmTikandaModel::FrmTikandaModel() {
    Caption = "Tikanda 1.2";
    place = {0, 0, 4080, 3510};
    auto& w = *this;

    init(w, tlbCas, {"tlbCas", Kind::Toolbar, nullptr, {0, 0, 4080, 420}, "", "", 11030, 0, 8});
    init(w, cboText, {"cboText", Kind::ComboBox, &tlbCas, {0, 30, 4080, 315}, "",
                      "Text hlášení alarmu", 13040, 0, 25});
    cboText.Visible = false;
    init(w, picTikanda,
         {"picTikanda", Kind::PictureBox, nullptr, {0, 420, 4095, 3135}, "", "", 0, 0, 9});
    init(w, picGreen, {"picGreen", Kind::PictureBox, &picTikanda, {100, 205, 1020, 2325}, "",
                       "Pravé tlačítko myši nastaví barvu", 13080, 0, 19});
    picGreen.Border = true;
    picGreen.BackColor = systemColour(1);

    auto line = [&](Control& l, const char* name, float x2, float y2, Colour colour, int width) {
        init(w, l, {name, Kind::Line, &picGreen, {}, "", "", 0, 0, -1});
        l.X1 = 480;
        l.Y1 = 720;
        l.X2 = x2;
        l.Y2 = y2;
        l.ForeColor = colour;
        l.BorderWidth = width;
        l.Visible = false;
        l.TabStop = false;
    };
    line(linAlarm, "linAlarm", 180, 720, 0x0000FF, 2);
    line(linSec, "linSec", 480, 1200, 0xFF0000, 1);
    line(linMin, "linMin", 480, 360, 0x000000, 2);
    line(linHod, "linHod", 720, 720, 0x000000, 2);

    init(w, lblAlarm, {"lblAlarm", Kind::Label, &picGreen, {60, 1320, 820, 800}, "Text alarmu.",
                       "Text alarmu", 0, 0, 24});
    lblAlarm.Alignment = Align::Center;
    lblAlarm.WordWrap = true;
    lblAlarm.ForeColor = systemColour(9);
    init(w, lbl1,
         {"lbl1", Kind::Label, &picGreen, {60, 120, 315, 195}, "Čas:", "Systémový čas", 13080, 0, 23});
    lbl1.AutoSize = true;
    lbl1.ForeColor = systemColour(0);
    init(w, lblAktualni, {"lblAktualni", Kind::Label, &picGreen, {60, 360, 735, 195}, "0:00:00",
                          "Pravé tlačítko myši nastaví barvu", 13080, 0, 22});
    lblAktualni.ForeColor = systemColour(9);
    init(w, lbl2, {"lbl2", Kind::Label, &picGreen, {60, 820, 570, 195}, "Alarm v:",
                   "Pravé tlačítko myši nastaví barvu", 14040, 0, 21});
    lbl2.AutoSize = true;
    lbl2.ForeColor = systemColour(0);
    init(w, lblStopky, {"lblStopky", Kind::Label, &picGreen, {60, 1060, 735, 255}, "0:00:00",
                        "Pravé tlačítko myši nastaví barvu", 13080, 0, 20});
    lblStopky.ForeColor = systemColour(9);
    init(w, shpCifernik,
         {"shpCifernik", Kind::Shape, &picGreen, {120, 360, 735, 735}, "", "", 0, 0, -1});
    shpCifernik.BackColor = systemColour(4);
    shpCifernik.ForeColor = systemColour(3);
    shpCifernik.Visible = false;
    shpCifernik.TabStop = false;

    init(w, fraNastav, {"fraNastav", Kind::Frame, &picTikanda, {1200, 120, 2775, 855},
                        "Nastavení alarmu", "", 13010, 3010, 12});
    auto field = [&](Control& t, const char* name, int left, const char* text, const char* tip,
                     int tab) {
        init(w, t, {name, Kind::TextBox, &fraNastav, {left, 360, 310, 320}, text, tip, 13010, 3010,
                    tab});
        t.Alignment = Align::Right;
        t.MaxLength = 3;
        t.ForeColor = systemColour(8);
        t.BackColor = systemColour(5);
    };
    field(txtSec, "txtSec", 2100, "00", "Sec", 2);
    field(txtMin, "txtMin", 1400, "00", "Min", 1);
    field(txtHod, "txtHod", 720, "0", "Hod", 0);
    init(w, picNastav,
         {"picNastav", Kind::PictureBox, &fraNastav, {120, 240, 480, 480}, "", "", 14040, 0, 13});
    picNastav.Picture = "Stopky";
    auto spin = [&](Control& u, const char* name, int left, const char* tip, int tab, Control& buddy,
                    int max) {
        init(w, u, {name, Kind::SpinButton, &fraNastav, {left, 360, 240, 315}, "", tip, 13010, 3010,
                    tab});
        u.TabStop = false;
        u.Buddy = &buddy;
        u.Min = 0;
        u.Max = max;
    };
    spin(updHod, "updHod", 1035, "Hod", 14, txtHod, 23);
    spin(updMin, "updMin", 1715, "Min", 15, txtMin, 59);
    spin(updSec, "updSec", 2415, "Sec", 16, txtSec, 59);
    init(w, lblTecky[0],
         {"lblTecky(0)", Kind::Label, &fraNastav, {1320, 405, 45, 195}, ":", "", 0, 0, 18});
    init(w, lblTecky[1],
         {"lblTecky(1)", Kind::Label, &fraNastav, {2000, 405, 45, 195}, ":", "", 0, 0, 17});

    init(w, fraAlarm, {"fraAlarm", Kind::Frame, &picTikanda, {1200, 1080, 2775, 1455},
                       "Alarm provést", "", 12015, 0, 10});
    init(w, optV, {"optV", Kind::OptionButton, &fraAlarm, {720, 360, 1695, 255},
                   "&v nastaveném čase", "Alarm v zadaném čase", 14020, 4020, 3});
    optV.Value = true;
    init(w, optZa, {"optZa", Kind::OptionButton, &fraAlarm, {720, 720, 1575, 255},
                    "&po uplynutí času", "Provede časový odečet", 14030, 4030, 4});
    init(w, picAlarm,
         {"picAlarm", Kind::PictureBox, &fraAlarm, {120, 240, 480, 480}, "", "", 0, 0, 11});
    picAlarm.Picture = "Majak";
    init(w, optS, {"optS", Kind::OptionButton, &fraAlarm, {720, 1080, 855, 255}, "st&opky",
                   "Režim stopky", 14050, 0, 5});

    init(w, cmdStorno, {"cmdStorno", Kind::CommandButton, &picTikanda, {2880, 2640, 1095, 375},
                        "Storno", "Ukončí program", 13027, 3030, 7});
    init(w, cmdOK, {"cmdOK", Kind::CommandButton, &picTikanda, {1680, 2640, 1095, 375}, "OK",
                    "Spustí časomíru", 13020, 3020, 6});

    // Toolbar buttons: key, style, image, tooltip, help topic, initial state.
    struct B {
        const char* key;
        ButtonStyle style;
        const char* image;
        const char* tip;
        const char* topic;
    };
    const B buttons[] = {
        {"Start", ButtonStyle::Push, "Start", "Start", "11031"},
        {"Pauza", ButtonStyle::Push, "Pauza", "Pauza", "11032"},
        {"Stop", ButtonStyle::Push, "Stop", "Stop", "11033"},
        {"", ButtonStyle::Separator, "", "", ""},
        {"Text", ButtonStyle::Push, "TextG", "Text alarmu", "11034"},
        {"Zvuk", ButtonStyle::Check, "Zvuk", "Zvukový alarm", "11035"},
        {"Min", ButtonStyle::Check, "Min", "Minimalizovat", "11036"},
        {"", ButtonStyle::Separator, "", "", ""},
        {"Nastaveni", ButtonStyle::Push, "Nastaveni", "Výběr zvuku alarmu", "11037"},
        {"", ButtonStyle::Separator, "", "", ""},
        {"O", ButtonStyle::Push, "O", "O aplikaci", "11038"},
    };
    int index = 1;
    for (const auto& b : buttons) {
        ToolButton t;
        t.Index = index++;
        t.Key = b.key;
        t.Style = b.style;
        t.Image = b.image;
        t.ToolTipText = b.tip;
        t.Description = b.topic;
        tlbCas.Buttons.push_back(t);
    }
    tlbCas.button("Pauza").Enabled = false;
    tlbCas.button("Stop").Enabled = false;
    tlbCas.button("Zvuk").Value = 1;

    menu(mnuStopky, "mnuStopky", "&Alarm", nullptr);
    menu(mnuStart, "mnuStart", "&Start", &mnuStopky, "F2", 13020);
    menu(mnuPauza, "mnuPauza", "&Pauza", &mnuStopky, "F3", 13025);
    menu(mnuStop, "mnuStop", "S&top", &mnuStopky, "F4", 13030);
    menu(mnuSep0, "mnuSep0", "-", &mnuStopky);
    menu(mnuKonec, "mnuKonec", "&Konec", &mnuStopky);
    mnuPauza.Enabled = false;
    mnuStop.Enabled = false;

    menu(mnuNastaveni, "mnuNastaveni", "Nasta&vení", nullptr);
    menu(mnuHod, "mnuHod", "&Hodiny", &mnuNastaveni, "Ctrl+H", 13010);
    menu(mnuMin, "mnuMin", "&Minuty", &mnuNastaveni, "Ctrl+M", 13010);
    menu(mnuSec, "mnuSec", "&Sekundy", &mnuNastaveni, "Ctrl+S", 13010);
    menu(mnuSep1, "mnuSep1", "-", &mnuNastaveni);
    menu(mnuZvuk, "mnuZvuk", "&Zvuk", &mnuNastaveni, "Ctrl+Z", 13050);
    mnuZvuk.Checked = true;
    menu(mnuIkona, "mnuIkona", "&Ikona", &mnuNastaveni, "Ctrl+I", 13060);
    menu(mnuSep2, "mnuSep2", "-", &mnuNastaveni);
    menu(mnuText, "mnuText", "&Text alarmu…", &mnuNastaveni, "Ctrl+T", 13040);
    menu(mnuWave, "mnuWave", "Zvuk alarmu…", &mnuNastaveni, "Ctrl+W", 13070);
    menu(mnuSep3, "mnuSep3", "-", &mnuNastaveni);
    menu(mnuAnalog, "mnuAnalog", "Analogové", &mnuNastaveni, "Ctrl+A");
    menu(mnuDefault, "mnuDefault", "Stan&dardní…", &mnuNastaveni, "Ctrl+D");

    menu(mnuAlarm, "mnuAlarm", "&Provést", nullptr);
    menu(mnuV, "mnuV", "&V čase", &mnuAlarm, "Ctrl+V", 14020);
    mnuV.Checked = true;
    menu(mnuP, "mnuP", "&Po čase", &mnuAlarm, "Ctrl+P", 14030);
    menu(mnuS, "mnuS", "St&opky", &mnuAlarm, "Ctrl+O", 14050);

    menu(mnuBarva, "mnuBarva", "&Barva", nullptr);
    mnuBarva.Visible = false;
    menu(mnuAnalog2, "mnuAnalog2", "Analogové", &mnuBarva);
    menu(mnuColor, "mnuColor", "Nastavení barvy…", &mnuBarva);

    menu(mnuNapoveda, "mnuNapoveda", "&Nápověda", nullptr);
    menu(mnuIndex, "mnuIndex", "&Index", &mnuNapoveda, "F1");
    menu(mnuSep4, "mnuSep4", "-", &mnuNapoveda);
    menu(mnuO, "mnuO", "&O aplikaci", &mnuNapoveda, "Ctrl+F1", 4050);

    menu(mnuRMB, "mnuRMB", "RMB", nullptr);
    mnuRMB.Visible = false;
    menu(mnuCoToJe, "mnuCoToJe", "Co to je?", &mnuRMB);

    menuBar = {&mnuStopky, &mnuNastaveni, &mnuAlarm, &mnuBarva, &mnuNapoveda, &mnuRMB};
}

FrmAlarmModel::FrmAlarmModel() {
    Caption = "";
    place = {0, 0, 4200, 2520};
    auto& w = *this;
    init(w, lblAlarm[1], {"lblAlarm(1)", Kind::Label, nullptr, {960, 360, 1110, 195},
                          "Alarm vyhlášen:", "", 0, 0, 0});
    lblAlarm[1].AutoSize = true;
    init(w, lblAlarm[2], {"lblAlarm(2)", Kind::Label, nullptr, {2160, 600, 735, 195}, "0:00:00",
                          "Doba od vyhlášení alarmu", 0, 0, 1});
    lblAlarm[2].Alignment = Align::Right;
    lblAlarm[2].ForeColor = 0x0000FF;
    init(w, lblAlarm[3], {"lblAlarm(3)", Kind::Label, nullptr, {2160, 360, 735, 195}, "12:00:00",
                          "Čas vyhlášení alarmu", 0, 0, 3});
    lblAlarm[3].Alignment = Align::Right;
    init(w, lblAlarm[0], {"lblAlarm(0)", Kind::Label, nullptr, {360, 1080, 3375, 1095},
                          "Text alarmu.", "Ukončete klepnutím myši", 0, 0, 2});
    lblAlarm[0].Alignment = Align::Center;
    lblAlarm[0].Bold = true;
    lblAlarm[0].WordWrap = true;
    for (auto& l : lblAlarm) l.ForeColor = l.Name == "lblAlarm(2)" ? 0x0000FF : 0x000000;
}

FrmSplashModel::FrmSplashModel() {
    place = {0, 0, 2745, 420};
    init(*this, Lbl,
         {"Lbl", Kind::Label, nullptr, {120, 120, 2535, 255}, "Nahrává se Tikanda", "", 0, 0, 0});
    Lbl.Alignment = Align::Center;
}

} // namespace tikanda::form
