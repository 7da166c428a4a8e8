// Recolouring the display panel through the pop-up menu "Barva" and the colour dialog.

#include "fakes.h"
#include "ui/colours/system_colours.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

constexpr int kLeft = 1, kRight = 2;

TEST(Colours, OnlyTheColourItemOpensTheDialogPresetToItsLastChoiceAndPartnersFollow) {
    Rig rig;
    auto& w = rig.w;
    w.mouseDown(w.lbl2, kLeft, 0, 0, 0); // a left press opens nothing
    rig.popups.choices = {"mnuColor", "mnuColor", "", "", "mnuColor", "mnuColor"};
    rig.dialogs.colours = {0x123456, std::nullopt, 0x00FF00, 0x0000CC};
    w.mouseDown(w.lbl2, kRight, 0, 10, 10);      // lbl1 follows
    w.mouseDown(w.lblAktualni, kRight, 0, 0, 0); // the dialog cancelled
    w.lblAlarm.ForeColor = 0x111111;
    w.mouseDown(w.lblAlarm, kRight, 0, 0, 0); // the menu dismissed: the partner still follows
    EXPECT_EQ(w.lblStopky.ForeColor, 0x111111u);
    w.Answer = 10; // a marker left by any other use of Answer is no choice
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);
    w.mouseDown(w.lblStopky, kRight, 0, 0, 0); // lblAlarm follows
    w.mouseDown(w.picGreen, kRight, 0, 0, 0);  // its back colour

    EXPECT_EQ(rig.popups.shown,
              (std::vector(6, std::pair<std::string, std::string>("mnuBarva", "mnuAnalog2"))));
    // Black the first time, then the last colour chosen in this run.
    EXPECT_EQ(rig.dialogs.colourPresets,
              (std::vector<std::uint32_t>{0, 0x123456, 0x123456, 0x00FF00}));
    EXPECT_EQ(std::vector<form::Colour>({w.lbl1.ForeColor, w.lbl2.ForeColor,
                                         w.lblAktualni.ForeColor, w.lblStopky.ForeColor,
                                         w.lblAlarm.ForeColor, w.picGreen.BackColor}),
              std::vector<form::Colour>(
                  {0x123456, 0x123456, form::systemColour(9), 0x00FF00, 0x00FF00, 0x0000CC}));
}

TEST(SystemColours, ClassicDesktopSchemeAndStrayValues) {
    const std::pair<form::Colour, std::uint32_t> cases[] = {
        {form::systemColour(1), 0x808000},   // desktop teal (0xBBGGRR)
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
