// Recolouring the display panel through the pop-up menu "Barva" and the colour dialog.

#include "fakes.h"
#include "ui/colours/system_colours.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int kLeft = 1, kRight = 2;

TEST(Colours, ChosenColourGoesToTheControlAndItsPartnerAndPresetsTheNextDialog) {
    Rig rig;
    auto& w = rig.w;
    rig.popups.choices = {"mnuColor", "mnuColor", "mnuColor"};
    rig.dialogs.colours = {0x123456, std::nullopt, 0x0000CC};
    w.mouseDown(w.lbl2, kRight, 0, 10, 10);
    w.mouseDown(w.lblAktualni, kRight, 0, 0, 0); // cancelled
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);

    ASSERT_EQ(rig.popups.shown.size(), 3u);
    EXPECT_EQ(rig.popups.shown[0],
              std::make_pair(std::string("mnuBarva"), std::string("mnuAnalog2")));
    // Black the first time, then the last colour chosen in this run.
    EXPECT_EQ(rig.dialogs.colourPresets, (std::vector<std::uint32_t>{0, 0x123456, 0x123456}));
    EXPECT_EQ(w.lbl1.ForeColor, 0x123456u);
    EXPECT_EQ(w.lbl2.ForeColor, 0x123456u);
    EXPECT_EQ(w.lblAktualni.ForeColor, form::systemColour(9)); // cancel keeps it
    EXPECT_EQ(w.picGreen.BackColor, 0x0000CCu);
    EXPECT_EQ(w.picGreen.ForeColor, form::FrmTikandaModel().picGreen.ForeColor);
    EXPECT_EQ(w.Answer, 0);
}

TEST(Colours, DismissedMenuOrLeftClickOpensNoDialogButCopiesThePartner) {
    Rig rig;
    auto& w = rig.w;
    for (auto* c : {&w.lbl1, &w.lbl2, &w.lblAktualni, &w.lblAlarm, &w.lblStopky, &w.picGreen})
        w.mouseDown(*c, kLeft, 0, 0, 0);
    EXPECT_TRUE(rig.popups.shown.empty());
    w.lblAlarm.ForeColor = 0x00FF00;
    w.mouseDown(w.lblAlarm, kRight, 0, 0, 0); // no choice: dismissed
    EXPECT_EQ(w.lblStopky.ForeColor, 0x00FF00u);
    w.lbl1.ForeColor = 0x111111;
    w.mouseDown(w.lbl1, kRight, 0, 0, 0);
    EXPECT_EQ(w.lbl2.ForeColor, 0x111111u);
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
}

TEST(Colours, NoDialogForTheFaceSwitchOrEarlierMarkers) {
    Rig rig;
    auto& w = rig.w;
    rig.dialogs.colours = {0x123456};
    // The face switch from the pop-up; "Co to je?" chosen on a frame, then a colour menu
    // dismissed; a marker left behind by any other use of Answer.
    rig.popups.choices = {"mnuAnalog2", "mnuCoToJe", ""};
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    EXPECT_TRUE(w.shpCifernik.Visible);
    w.mouseDown(w.fraAlarm, kRight, 0, 0, 0);
    w.mouseDown(w.lblAktualni, kRight, 0, 0, 0);
    w.Answer = 10;
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
    EXPECT_EQ(w.picGreen.BackColor, form::systemColour(1));
}

TEST(SystemColours, ClassicDesktopSchemeAndStrayValues) {
    const std::pair<form::Colour, std::uint32_t> cases[] = {
        {form::systemColour(1), 0x808000},   // desktop teal (0xBBGGRR)
        {form::systemColour(3), 0x808080},   // inactive caption grey
        {form::systemColour(4), 0xC0C0C0},   // menu silver
        {form::systemColour(9), 0xFFFFFF},   // caption text white
        {form::systemColour(25), 0},         // outside the table
        {form::systemColour(0x7FFFFFFF), 0}, // far outside
        {0x02123456, 0x123456},              // stray top byte
    };
    for (auto [colour, rgb] : cases)
        EXPECT_EQ(colours::resolve(colour), rgb) << std::hex << colour;
    EXPECT_EQ(colours::systemColourRgb(-1), 0u);
}

} // namespace
} // namespace tikanda::test
