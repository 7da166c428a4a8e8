// Recolouring the display panel through the pop-up menu "Barva" and the colour dialog.

#include "fakes.h"
#include "ui/colours/system_colours.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int kLeft = 1, kRight = 2;

TEST(Colours, LeftClicksOpenNothing) {
    Rig rig;
    for (auto* c : {&rig.w.lbl1, &rig.w.lbl2, &rig.w.lblAktualni, &rig.w.lblAlarm, &rig.w.lblStopky,
                    &rig.w.picGreen})
        rig.w.mouseDown(*c, kLeft, 0, 0, 0);
    EXPECT_TRUE(rig.popups.shown.empty());
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
}

TEST(Colours, ChosenColourGoesToTheLabelAndItsPartner) {
    Rig rig;
    auto& w = rig.w;
    rig.popups.choices = {"mnuColor"};
    rig.dialogs.colours = {0x123456};
    w.mouseDown(w.lbl2, kRight, 0, 10, 10);

    ASSERT_EQ(rig.popups.shown.size(), 1u);
    EXPECT_EQ(rig.popups.shown[0],
              std::make_pair(std::string("mnuBarva"), std::string("mnuAnalog2")));
    ASSERT_EQ(rig.dialogs.colourPresets.size(), 1u);
    EXPECT_EQ(rig.dialogs.colourPresets[0], 0u); // black the first time
    EXPECT_EQ(w.lbl1.ForeColor, 0x123456u);
    EXPECT_EQ(w.lbl2.ForeColor, 0x123456u);
    EXPECT_EQ(w.Answer, 0);
}

TEST(Colours, DialogOpensPresetToTheLastChoiceOfThisRun) {
    Rig rig;
    auto& w = rig.w;
    rig.popups.choices = {"mnuColor", "mnuColor", "mnuColor"};
    rig.dialogs.colours = {0x00AA00, std::nullopt, 0x0000CC};
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    w.mouseDown(w.lblAktualni, kRight, 0, 0, 0); // cancelled
    w.mouseDown(w.lblStopky, kRight, 0, 0, 0);

    EXPECT_EQ(rig.dialogs.colourPresets, (std::vector<std::uint32_t>{0, 0x00AA00, 0x00AA00}));
    EXPECT_EQ(w.picGreen.BackColor, 0x00AA00u);
    EXPECT_EQ(w.picGreen.ForeColor, form::FrmTikandaModel().picGreen.ForeColor);
    EXPECT_EQ(w.lblAktualni.ForeColor, form::systemColour(9)); // cancel keeps it
    EXPECT_EQ(w.lblStopky.ForeColor, 0x0000CCu);
    EXPECT_EQ(w.lblAlarm.ForeColor, 0x0000CCu);
    EXPECT_EQ(w.Answer, 0);
}

TEST(Colours, DismissedMenuStillCopiesThePartnerColour) {
    Rig rig;
    auto& w = rig.w;
    w.lblAlarm.ForeColor = 0x00FF00;
    w.mouseDown(w.lblAlarm, kRight, 0, 0, 0); // no choice: dismissed
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
    EXPECT_EQ(w.lblAlarm.ForeColor, 0x00FF00u);
    EXPECT_EQ(w.lblStopky.ForeColor, 0x00FF00u);

    w.lbl1.ForeColor = 0x111111;
    w.mouseDown(w.lbl1, kRight, 0, 0, 0);
    EXPECT_EQ(w.lbl2.ForeColor, 0x111111u);
}

TEST(Colours, FaceSwitchFromThePopupOpensNoDialog) {
    Rig rig;
    auto& w = rig.w;
    rig.popups.choices = {"mnuAnalog2"};
    rig.dialogs.colours = {0x123456};
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    EXPECT_TRUE(w.mnuAnalog.Checked);
    EXPECT_TRUE(w.shpCifernik.Visible);
    EXPECT_EQ(w.mnuAnalog2.Caption, "Digitální");
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
    EXPECT_EQ(w.picGreen.BackColor, form::systemColour(1));
}

TEST(Colours, EarlierMarkersDoNotOpenTheDialog) {
    Rig rig;
    auto& w = rig.w;
    // "Co to je?" chosen on a frame, then a colour menu dismissed.
    rig.popups.choices = {"mnuCoToJe", ""};
    w.mouseDown(w.fraAlarm, kRight, 0, 0, 0);
    w.mouseDown(w.lblAktualni, kRight, 0, 0, 0);
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());

    // A marker left behind by any other use of Answer is not taken for a choice either.
    w.Answer = 10;
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    EXPECT_TRUE(rig.dialogs.colourPresets.empty());
    EXPECT_EQ(w.picGreen.BackColor, form::systemColour(1));
}

TEST(SystemColours, ClassicDesktopScheme) {
    using colours::resolve;
    using form::systemColour;
    EXPECT_EQ(resolve(systemColour(0)), 0xC0C0C0u);  // scroll bar silver
    EXPECT_EQ(resolve(systemColour(1)), 0x808000u);  // desktop teal (0xBBGGRR)
    EXPECT_EQ(resolve(systemColour(2)), 0x800000u);  // active caption navy
    EXPECT_EQ(resolve(systemColour(3)), 0x808080u);  // inactive caption grey
    EXPECT_EQ(resolve(systemColour(4)), 0xC0C0C0u);  // menu silver
    EXPECT_EQ(resolve(systemColour(5)), 0xFFFFFFu);  // window white
    EXPECT_EQ(resolve(systemColour(8)), 0x000000u);  // window text black
    EXPECT_EQ(resolve(systemColour(9)), 0xFFFFFFu);  // caption text white
    EXPECT_EQ(resolve(systemColour(24)), 0xE1FFFFu); // tooltip background
    EXPECT_EQ(resolve(systemColour(25)), 0u);        // outside the table
    EXPECT_EQ(resolve(systemColour(0x7FFFFFFF)), 0u);
    EXPECT_EQ(resolve(0x00123456), 0x123456u);
    EXPECT_EQ(resolve(0x02123456), 0x123456u); // stray top byte
    EXPECT_EQ(colours::systemColourRgb(-1), 0u);
}

} // namespace
} // namespace tikanda::test
