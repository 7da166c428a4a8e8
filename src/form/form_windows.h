#pragma once
// The three windows as laid out at creation: controls, menus and toolbar with their
// initial states. Behaviour classes derive from these and change them at run time.

#include "form/form_model.h"

#include <array>
#include <map>
#include <string>

namespace tikanda::form {

struct FrmTikandaModel : WindowModel {
    FrmTikandaModel();
    FrmTikandaModel(const FrmTikandaModel&) = delete;
    FrmTikandaModel& operator=(const FrmTikandaModel&) = delete;

    Toolbar tlbCas;
    Control cboText;
    Control picTikanda;
    Control picGreen;
    Control linAlarm, linSec, linMin, linHod;
    Control lblAlarm, lbl1, lblAktualni, lbl2, lblStopky;
    Control shpCifernik;
    Control fraNastav;
    Control txtSec, txtMin, txtHod;
    Control picNastav;
    Control updHod, updMin, updSec;
    std::array<Control, 2> lblTecky;
    Control fraAlarm;
    Control optV, optZa, picAlarm, optS;
    Control cmdStorno, cmdOK;

    // dlgSound: the common dialog's state that outlives one use.
    struct CommonDialog {
        std::string DialogTitle = "Výběr zvuku alarmu";
        std::string Filter = "Zvukový soubor |*.wav";
        std::uint32_t Color = 0; // the colour dialog opens preset to the last choice
        std::string HelpFile;
    } dlgSound;

    MenuItem mnuStopky, mnuStart, mnuPauza, mnuStop, mnuSep0, mnuKonec;
    MenuItem mnuNastaveni, mnuHod, mnuMin, mnuSec, mnuSep1, mnuZvuk, mnuIkona, mnuSep2,
        mnuText, mnuWave, mnuSep3, mnuAnalog, mnuDefault;
    MenuItem mnuAlarm, mnuV, mnuP, mnuS;
    MenuItem mnuBarva, mnuAnalog2, mnuColor;
    MenuItem mnuNapoveda, mnuIndex, mnuSep4, mnuO;
    MenuItem mnuRMB, mnuCoToJe;
    std::vector<MenuItem*> menuBar; // top-level menus in order, hidden ones included

    // Client height as built, in twips; start-up switches reduce it.
    int Height = 3510;

    // The window's "User" settings as last loaded from or saved to the settings store, by
    // key: the save writes only what differs (config/settings.cpp).
    std::map<std::string, std::string> userSettingsSeen;
};

struct FrmAlarmModel : WindowModel {
    FrmAlarmModel();
    FrmAlarmModel(const FrmAlarmModel&) = delete;
    FrmAlarmModel& operator=(const FrmAlarmModel&) = delete;
    std::array<Control, 4> lblAlarm;
};

struct FrmSplashModel : WindowModel {
    FrmSplashModel();
    FrmSplashModel(const FrmSplashModel&) = delete;
    FrmSplashModel& operator=(const FrmSplashModel&) = delete;
    Control Lbl;
};

} // namespace tikanda::form
