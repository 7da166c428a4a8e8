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
    // Alarm text, label, image, the list, and whether the edit is open (box shown over
    // hidden toolbar buttons) or closed (box hidden, buttons shown).
    std::string state() const {
        std::string s =
            w.AlarmText + "|" + w.lblAlarm.Caption + "|" + w.tlbCas.button("Text").Image + "|";
        for (const auto& t : list())
            s += t + ",";
        int shown = 0;
        for (const auto& b : w.tlbCas.Buttons)
            shown += b.Visible;
        const int all = int(w.tlbCas.Buttons.size());
        if (w.cboText.Visible) return s + (shown == 0 ? "|open" : "|buttons shown");
        return s + (shown == all ? "|closed" : "|buttons hidden");
    }
    void edit(const std::string& text) {
        w.menuClick(w.mnuText);
        w.textEdited(w.cboText, text);
    }
};

TEST_F(AlarmTexts, ListUpdateKeepsFiveMostRecentlyUsedTexts) {
    const struct {
        const char* text;
        int found;
        List after;
    } steps[] = {
        {"Pozor!", 4, {"Pozor!", "Budíček!", "Alarm!", "Hlášení", "Varování!"}},
        {"Varování!", 5, {"Varování!", "Pozor!", "Budíček!", "Alarm!", "Hlášení"}},
        {"Pozor!", 2, {"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}},
        {"Pozor!", 1, {"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}},
        {"", 0, {"", "Pozor!", "Varování!", "Budíček!", "Alarm!"}},
        {"", 1, {"", "Pozor!", "Varování!", "Budíček!", "Alarm!"}},
        {"pozor!", 0, {"pozor!", "", "Pozor!", "Varování!", "Budíček!"}}, // case-sensitive
        {"Pozor! ", 0, {"Pozor! ", "pozor!", "", "Pozor!", "Varování!"}},
    };
    for (const auto& s : steps) {
        w.AlarmText = s.text;
        w.FillComboSet();
        EXPECT_EQ(w.Answer, s.found) << s.text;
        EXPECT_EQ(list(), s.after) << s.text;
    }
}

TEST_F(AlarmTexts, OpeningTheEditShowsTheBoxOverTheToolbar) {
    w.NoBar = true;
    w.tlbCas.place.left = -20000;
    w.menuClick(w.mnuText);
    EXPECT_EQ(state(), "Budíček!|Budíček!|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|open");
    EXPECT_EQ(w.ActiveControl, &w.cboText);
    EXPECT_EQ(w.cboText.Text, "Budíček!");
    EXPECT_EQ(w.tlbCas.place.left, 0);
    EXPECT_EQ(w.cmdOK.ToolTipText, "Potvrdí zadání textu");
    EXPECT_EQ(w.cmdStorno.ToolTipText, "Vrátí původní text");

    // Focus loss makes the typed text the alarm text at once, and nothing else.
    w.textEdited(w.cboText, "Nový");
    w.SetFocus(w.txtHod);
    EXPECT_EQ(state(), "Nový|Budíček!|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|open");
    w.TextAlarmu(); // opening again keeps the text to return to
    EXPECT_EQ(w.TextBeforeEdit, "Budíček!");
}

TEST_F(AlarmTexts, EnterConfirmsEscapeAndStornoCancel) {
    edit("Pozor!");
    w.keyUp(&w.cboText, 13, 0);
    EXPECT_EQ(state(), "Pozor!|Pozor!|TextY|Pozor!,Budíček!,Alarm!,Hlášení,Varování!,|closed");
    EXPECT_EQ(w.cboText.Items, list());
    const std::string confirmed = state();
    edit("Zahozený");
    w.keyUp(&w.cboText, 27, 1); // any shift state
    EXPECT_EQ(state(), confirmed);
    edit("Zahozený");
    w.SetFocus(w.cmdStorno); // the press on Storno takes the focus first
    ASSERT_EQ(w.AlarmText, "Zahozený");
    w.click(w.cmdStorno);
    EXPECT_EQ(state(), confirmed);
    EXPECT_TRUE(r.messages.shown.empty()); // no exit question
}

} // namespace
} // namespace tikanda::test
