#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

using List = std::vector<std::string>;

class AlarmTexts : public ::testing::Test {
protected:
    Rig r;
    FrmTikanda& w = r.w;

    void SetUp() override {
        // The factory list as loading leaves it.
        w.Texts = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
        w.AlarmText = "Budíček!";
        w.lblAlarm.Caption = w.AlarmText;
        w.tlbCas.button("Text").Image = "TextB";
        w.FillCombo();
    }
    List list() const { return List(w.Texts.begin() + 1, w.Texts.end()); }
    bool toolbarButtonsVisible(bool visible) const {
        for (const auto& b : w.tlbCas.Buttons)
            if (b.Visible != visible) return false;
        return true;
    }
    // Opens the edit, types the text into the box and presses Enter in it.
    void confirm(const std::string& text) {
        w.menuClick(w.mnuText);
        w.textEdited(w.cboText, text);
        w.keyUp(&w.cboText, 13, 0);
    }
};

TEST_F(AlarmTexts, FillComboListsTheEntriesAndShowsTheAlarmText) {
    w.Texts[3] = "";
    w.AlarmText = "Jiný";
    w.FillCombo();
    EXPECT_EQ(w.cboText.Items, (List{"Budíček!", "Alarm!", "", "Pozor!", "Varování!"}));
    EXPECT_EQ(w.cboText.Text, "Jiný");
}

TEST_F(AlarmTexts, ListUpdateMovesAFoundTextToTheTop) {
    w.AlarmText = "Pozor!";
    w.FillComboSet();
    EXPECT_EQ(w.Answer, 4);
    EXPECT_EQ(list(), (List{"Pozor!", "Budíček!", "Alarm!", "Hlášení", "Varování!"}));

    w.AlarmText = "Varování!";
    w.FillComboSet();
    EXPECT_EQ(w.Answer, 5);
    EXPECT_EQ(list(), (List{"Varování!", "Pozor!", "Budíček!", "Alarm!", "Hlášení"}));

    w.AlarmText = "Pozor!";
    w.FillComboSet();
    EXPECT_EQ(w.Answer, 2);
    EXPECT_EQ(list(), (List{"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}));

    w.FillComboSet();
    EXPECT_EQ(w.Answer, 1);
    EXPECT_EQ(list(), (List{"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}));
}

TEST_F(AlarmTexts, ListUpdatePushesOutTheOldestForANewText) {
    // Whole texts compared case-sensitively: these are all new.
    for (const char* t : {"pozor!", "POZOR!", "Pozor", "Pozor! "}) {
        SetUp();
        w.AlarmText = t;
        w.FillComboSet();
        EXPECT_EQ(w.Answer, 0) << t;
        EXPECT_EQ(list(), (List{t, "Budíček!", "Alarm!", "Hlášení", "Pozor!"}));
    }

    // The empty text is an entry like any other.
    SetUp();
    w.AlarmText = "";
    w.FillComboSet();
    EXPECT_EQ(w.Answer, 0);
    EXPECT_EQ(list(), (List{"", "Budíček!", "Alarm!", "Hlášení", "Pozor!"}));
    w.FillComboSet();
    EXPECT_EQ(w.Answer, 1);
    EXPECT_EQ(list(), (List{"", "Budíček!", "Alarm!", "Hlášení", "Pozor!"}));
}

TEST_F(AlarmTexts, OpeningTheEditShowsTheBoxOverTheToolbar) {
    w.SetFocus(w.txtHod);
    w.menuClick(w.mnuText);
    EXPECT_TRUE(w.cboText.Visible);
    EXPECT_EQ(w.ActiveControl, &w.cboText);
    EXPECT_EQ(w.cboText.Text, "Budíček!");
    EXPECT_TRUE(toolbarButtonsVisible(false));
    EXPECT_EQ(w.TextBeforeEdit, "Budíček!");
    EXPECT_EQ(w.cmdOK.ToolTipText, "Potvrdí zadání textu");
    EXPECT_EQ(w.cmdStorno.ToolTipText, "Vrátí původní text");
    EXPECT_EQ(w.RunState, 0);
}

TEST_F(AlarmTexts, FocusLossMakesTheTypedTextTheAlarmTextAtOnce) {
    w.menuClick(w.mnuText);
    w.textEdited(w.cboText, "Nový");
    w.SetFocus(w.txtHod);
    EXPECT_EQ(w.AlarmText, "Nový");
    EXPECT_EQ(w.lblAlarm.Caption, "Budíček!");
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");
    EXPECT_EQ(list(), (List{"Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"}));

    // Opening again while the edit is open keeps the text to return to.
    w.TextAlarmu();
    EXPECT_EQ(w.TextBeforeEdit, "Budíček!");
    EXPECT_EQ(w.ActiveControl, &w.cboText);
}

// Confirming and cancelling run through the OK and Storno handlers.
TEST_F(AlarmTexts, ConfirmingKeepsAMostRecentlyUsedListOfFive) {
    confirm("Pozor!");
    EXPECT_EQ(list(), (List{"Pozor!", "Budíček!", "Alarm!", "Hlášení", "Varování!"}));
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextY");
    EXPECT_EQ(w.AlarmText, "Pozor!");
    EXPECT_EQ(w.lblAlarm.Caption, "Pozor!");
    EXPECT_FALSE(w.cboText.Visible);
    EXPECT_TRUE(toolbarButtonsVisible(true));
    EXPECT_EQ(w.cboText.Items, list());

    confirm("Konec směny");
    EXPECT_EQ(list(), (List{"Konec směny", "Pozor!", "Budíček!", "Alarm!", "Hlášení"}));
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextY");

    confirm("Konec směny");
    EXPECT_EQ(list(), (List{"Konec směny", "Pozor!", "Budíček!", "Alarm!", "Hlášení"}));
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");

    confirm("");
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextG");
    confirm("");
    EXPECT_EQ(w.tlbCas.button("Text").Image, "TextB");
    EXPECT_EQ(w.cmdOK.ToolTipText, "Spustí časomíru");
    EXPECT_EQ(w.cmdStorno.ToolTipText, "Ukončí program");
}

TEST_F(AlarmTexts, EscapeAndStornoCancelEvenAfterTheFocusLossCopiedTheText) {
    w.menuClick(w.mnuText);
    w.textEdited(w.cboText, "Zahozený");
    w.keyUp(&w.cboText, 27, 0);
    EXPECT_FALSE(w.cboText.Visible);
    EXPECT_EQ(w.AlarmText, "Budíček!");

    w.menuClick(w.mnuText);
    w.textEdited(w.cboText, "Zahozený");
    w.SetFocus(w.cmdStorno); // the press on Storno takes the focus first
    EXPECT_EQ(w.AlarmText, "Zahozený");
    w.click(w.cmdStorno);
    EXPECT_EQ(w.AlarmText, "Budíček!");
    EXPECT_EQ(w.lblAlarm.Caption, "Budíček!");
    EXPECT_EQ(list(), (List{"Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"}));
    EXPECT_TRUE(toolbarButtonsVisible(true));
    EXPECT_TRUE(r.messages.shown.empty()); // no exit question
}

TEST_F(AlarmTexts, WithoutToolbarTheStripComesIntoViewForTheEdit) {
    w.NoBar = true;
    w.tlbCas.place.left = -20000;
    w.menuClick(w.mnuText);
    EXPECT_EQ(w.tlbCas.place.left, 0);
    w.keyUp(&w.cboText, 13, 0);
    EXPECT_EQ(w.tlbCas.place.left, -20000);

    w.NoBar = false;
    w.tlbCas.place.left = 0;
    w.menuClick(w.mnuText);
    EXPECT_EQ(w.tlbCas.place.left, 0);
}

} // namespace
} // namespace tikanda::test
