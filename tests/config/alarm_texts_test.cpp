#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tikanda::test {
namespace {

using namespace std::string_literals;
using List = std::vector<std::string>;

// Alarm text, label, image, the list, then the number of toolbar buttons shown and, while
// the edit is open, "box".
std::string state(const FrmTikanda& w) {
    std::string s =
        w.AlarmText + "|" + w.lblAlarm.Caption + "|" + w.tlbCas.button("Text").Image + "|";
    for (std::size_t i = 1; i <= 5; ++i)
        s += w.Texts[i] + ",";
    const auto shown = std::ranges::count_if(w.tlbCas.Buttons, &form::ToolButton::Visible);
    return s + "|" + std::to_string(shown) + (w.cboText.Visible ? " box" : "");
}

TEST(AlarmTexts, ListUpdateKeepsFiveMostRecentlyUsedTexts) {
    Rig r;
    r.w.Texts = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};
    const std::tuple<std::string, int, List> steps[] = {
        {"Pozor!", 4, {"Pozor!", "Budíček!", "Alarm!", "Hlášení", "Varování!"}},
        {"Varování!", 5, {"Varování!", "Pozor!", "Budíček!", "Alarm!", "Hlášení"}},
        {"Pozor!", 2, {"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}},
        {"Pozor!", 1, {"Pozor!", "Varování!", "Budíček!", "Alarm!", "Hlášení"}},
        {"", 0, {"", "Pozor!", "Varování!", "Budíček!", "Alarm!"}},
    };
    for (const auto& [text, found, after] : steps) {
        r.w.AlarmText = text;
        r.w.FillComboSet();
        EXPECT_EQ(r.w.Answer, found) << text;
        EXPECT_EQ(List(r.w.Texts.begin() + 1, r.w.Texts.end()), after) << text;
    }
}

TEST(AlarmTexts, TheEditOpensOverTheToolbarEnterConfirmsEscapeAndStornoCancel) {
    Rig r;
    auto& w = r.w;
    w.Aktivace("User"); // the factory texts
    w.applyNoBar();     // the toolbar strip off-screen
    w.menuClick(w.mnuText);
    const std::string list = "|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|";
    EXPECT_EQ(state(w), "Budíček!|Budíček!" + list + "0 box");
    EXPECT_EQ(std::make_tuple(w.ActiveControl, w.cboText.Text, w.tlbCas.place.left),
              std::make_tuple(&w.cboText, "Budíček!"s, 0));
    // Focus loss makes the typed text the alarm text at once, and nothing else; opening
    // again keeps the text to return to.
    w.textEdited(w.cboText, "Nový");
    w.SetFocus(w.txtHod);
    EXPECT_EQ(state(w), "Nový|Budíček!" + list + "0 box");
    w.TextAlarmu();
    w.keyUp(&w.cboText, 27, 1); // Escape, any shift state
    EXPECT_EQ(state(w), "Budíček!|Budíček!" + list + "11");

    w.menuClick(w.mnuText);
    w.textEdited(w.cboText, "Pozor!");
    w.keyUp(&w.cboText, 13, 0); // Enter
    const std::string confirmed =
        "Pozor!|Pozor!|TextY|Pozor!,Budíček!,Alarm!,Hlášení,Varování!,|11";
    EXPECT_EQ(state(w), confirmed);
    EXPECT_EQ(w.cboText.Items, List(w.Texts.begin() + 1, w.Texts.end()));
    w.menuClick(w.mnuText);
    w.textEdited(w.cboText, "Zahozený");
    w.SetFocus(w.cmdStorno); // the press on Storno takes the focus first
    w.click(w.cmdStorno);
    EXPECT_EQ(state(w), confirmed);
    EXPECT_TRUE(r.messages.shown.empty()); // no exit question
}

} // namespace
} // namespace tikanda::test
