#include "config/settings_values.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace tikanda::test {
namespace {

namespace sv = settingsvalues;
using form::systemColour;
using Key = std::tuple<std::string, std::string, std::string>;

const std::string kFactoryWav = "/opt/tikanda/CILILINK.WAV";

void putUser(Rig& r, const std::string& key, const std::string& value) {
    r.settings.values[{"RVTikanda", "User", key}] = value;
}

std::vector<Key> writesTo(const Rig& r, const std::string& section) {
    std::vector<Key> out;
    for (const auto& w : r.settings.writes)
        if (std::get<1>(w) == section) out.push_back(w);
    return out;
}

std::vector<std::string> keysOf(const std::vector<Key>& writes) {
    std::vector<std::string> out;
    for (const auto& w : writes)
        out.push_back(std::get<2>(w));
    return out;
}

const std::vector<std::string> kAllKeys = {
    "ColLbl", "ColAktualni", "ColGreen", "ColStopky", "Text", "Text1", "Text2",
    "Text3",  "Text4",       "Text5",    "WAV",       "Zvuk", "Ikona"};

TEST(SettingsValues, ColoursAsSignedDecimalText) {
    EXPECT_EQ(sv::encodeColour(systemColour(0)), "-2147483648");
    EXPECT_EQ(sv::encodeColour(systemColour(1)), "-2147483647");
    EXPECT_EQ(sv::encodeColour(systemColour(9)), "-2147483639");
    EXPECT_EQ(sv::encodeColour(0x0000FF), "255");
    EXPECT_EQ(sv::encodeColour(0xFFFFFF), "16777215");
    EXPECT_EQ(sv::encodeColour(0), "0");
    for (form::Colour c : {systemColour(0), systemColour(24), 0x00C0C0C0u, 0u, 0x7FFFFFFFu})
        EXPECT_EQ(sv::decodeColour(sv::encodeColour(c)), c);
}

TEST(SettingsValues, OnlyDecimalIntegersInThe32BitRangeDecode) {
    EXPECT_EQ(sv::parseInt32("2147483647"), 2147483647);
    EXPECT_EQ(sv::parseInt32("-2147483648"), INT32_MIN);
    EXPECT_EQ(sv::parseInt32(" 42 "), 42);
    EXPECT_EQ(sv::parseInt32("+7"), 7);
    EXPECT_EQ(sv::parseInt32("-0"), 0);
    EXPECT_EQ(sv::parseInt32(std::string(5000, '0') + "12"), 12);
    for (std::string bad :
         {"", " ", "-", "+", "2147483648", "-2147483649", "99999999999999999999", "12a", "a12",
          "1 2", "0x10", "1e3", "1.0", "--1", "\xff\xfe", "\xc3\x28"})
        EXPECT_FALSE(sv::parseInt32(bad).has_value()) << bad;
    EXPECT_FALSE(sv::parseInt32(std::string("1\0", 2)).has_value());
    EXPECT_FALSE(sv::parseInt32(std::string(10'000'000, '9')).has_value());

    EXPECT_EQ(sv::decodeSwitch("1"), 1);
    EXPECT_EQ(sv::decodeSwitch("0"), 0);
    EXPECT_FALSE(sv::decodeSwitch("2").has_value());
    EXPECT_FALSE(sv::decodeSwitch("-1").has_value());
    EXPECT_EQ(sv::encodeSwitch(true), "1");
    EXPECT_EQ(sv::encodeSwitch(false), "0");
}

TEST(Aktivace, UserWritesTheFactoryValuesToDefaultFirstAndInOrder) {
    Rig r;
    r.settings.values[{"RVTikanda", "Default", "Text"}] = "edited by hand";
    r.settings.values[{"RVTikanda", "Default", "Zvuk"}] = "1";
    r.w.Aktivace("User");

    const auto writes = writesTo(r, "Default");
    EXPECT_EQ(writes.size(), r.settings.writes.size()); // nothing else is written
    EXPECT_EQ(keysOf(writes), kAllKeys);
    for (const auto& w : writes)
        EXPECT_EQ(std::get<0>(w), "RVTikanda");
    const std::vector<std::string> values = {"-2147483648",
                                             "-2147483639",
                                             "-2147483647",
                                             "-2147483639",
                                             "Budíček!",
                                             "Budíček!",
                                             "Alarm!",
                                             "Hlášení",
                                             "Pozor!",
                                             "Varování!",
                                             kFactoryWav,
                                             "0",
                                             "0"};
    for (std::size_t i = 0; i < kAllKeys.size(); ++i)
        EXPECT_EQ(r.settings.def(kAllKeys[i]), values[i]) << kAllKeys[i];
}

TEST(Aktivace, DefaultSectionIsNotRewrittenByAReset) {
    Rig r;
    r.w.Aktivace("Default");
    r.w.Aktivace("user"); // the comparison is exact
    EXPECT_TRUE(r.settings.writes.empty());
}

TEST(Aktivace, FirstRunTakesEverythingFromDefault) {
    Rig r;
    r.w.lblStopky.ForeColor = 0x112233; // stands for a value left from earlier
    r.w.Aktivace("User");

    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
    EXPECT_EQ(r.program.SoundFile, kFactoryWav);
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, 0);
    EXPECT_FALSE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.picGreen.BackColor, systemColour(1));
    EXPECT_EQ(r.w.lbl1.ForeColor, systemColour(0));
    EXPECT_EQ(r.w.lbl2.ForeColor, systemColour(0));
    EXPECT_EQ(r.w.lblAktualni.ForeColor, systemColour(9));
    EXPECT_EQ(r.w.lblStopky.ForeColor, 0x112233u); // "Default" takes the current colour
    EXPECT_EQ(r.w.lblAlarm.ForeColor, 0x112233u);
    EXPECT_EQ(r.w.AlarmText, "Budíček!");
    EXPECT_EQ(r.w.lblAlarm.Caption, "Budíček!");
    EXPECT_EQ(r.w.tlbCas.button("Text").Image, "TextB");
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu"); // left to start-up
    const std::array<std::string, 6> texts = {"",        "Budíček!", "Alarm!",
                                              "Hlášení", "Pozor!",   "Varování!"};
    EXPECT_EQ(r.w.Texts, texts);
}

TEST(Aktivace, UserValuesWinAndMissingKeysComeFromDefault) {
    Rig r;
    putUser(r, "ColLbl", "255");
    putUser(r, "ColAktualni", "-2147483643");
    putUser(r, "ColGreen", "65280");
    putUser(r, "ColStopky", "16711680");
    putUser(r, "Text", "");
    putUser(r, "Text1", "Čaj");
    putUser(r, "Text3", "");
    putUser(r, "WAV", "/home/u/zvon.wav");
    putUser(r, "Zvuk", "1");
    putUser(r, "Ikona", "1");
    r.w.Aktivace("User");

    EXPECT_EQ(r.w.lbl1.ForeColor, 0x0000FFu);
    EXPECT_EQ(r.w.lbl2.ForeColor, 0x0000FFu);
    EXPECT_EQ(r.w.lblAktualni.ForeColor, systemColour(5));
    EXPECT_EQ(r.w.picGreen.BackColor, 0x00FF00u);
    EXPECT_EQ(r.w.lblStopky.ForeColor, 0xFF0000u);
    EXPECT_EQ(r.w.lblAlarm.ForeColor, 0xFF0000u);
    EXPECT_EQ(r.w.AlarmText, "");
    EXPECT_EQ(r.w.lblAlarm.Caption, "");
    EXPECT_EQ(r.w.tlbCas.button("Text").Image, "TextG");
    EXPECT_EQ(r.w.Texts[1], "Čaj");
    EXPECT_EQ(r.w.Texts[2], "Alarm!"); // absent from "User"
    EXPECT_EQ(r.w.Texts[3], "");       // present but empty
    EXPECT_EQ(r.program.SoundFile, "/home/u/zvon.wav");
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 1);
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, 1);
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.WindowState, 0); // nothing runs, so nothing minimises
}

TEST(Aktivace, BadNumbersFallBackToDefaultThenToTheBuiltInValue) {
    const std::vector<std::string> bad = {"",
                                          "rudá",
                                          "99999999999999999999",
                                          "\xff\xfe\xfd",
                                          std::string("\0\x01\x02", 3),
                                          std::string(1'000'000, '7'),
                                          "0x00FF00"};
    for (const auto& value : bad) {
        // The section's value is bad, "Default" holds a usable one.
        Rig r;
        r.w.lbl1.ForeColor = 0x123456; // "Default" receives the current colours
        r.w.lblAktualni.ForeColor = 0x010203;
        r.w.picGreen.BackColor = 0x040506;
        r.w.lblStopky.ForeColor = 0x070809;
        for (const char* k : {"ColLbl", "ColAktualni", "ColGreen", "ColStopky", "Zvuk", "Ikona"})
            putUser(r, k, value);
        r.w.Aktivace("User");
        EXPECT_EQ(r.w.lbl1.ForeColor, 0x123456u);
        EXPECT_EQ(r.w.lblAktualni.ForeColor, 0x010203u);
        EXPECT_EQ(r.w.picGreen.BackColor, 0x040506u);
        EXPECT_EQ(r.w.lblStopky.ForeColor, 0x070809u);
        EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
        EXPECT_EQ(r.w.tlbCas.button("Min").Value, 0);

        // Both bad: the built-in values, whatever the controls show now.
        Rig b;
        b.w.lbl1.ForeColor = 0x123456;
        b.w.lblStopky.ForeColor = 0x123456;
        b.w.tlbCas.button("Min").Value = 1;
        for (const char* k : {"ColLbl", "ColAktualni", "ColGreen", "ColStopky", "Zvuk", "Ikona"})
            b.settings.values[{"RVTikanda", "Default", k}] = value;
        b.w.Aktivace("Default");
        EXPECT_EQ(b.w.lbl1.ForeColor, systemColour(0));
        EXPECT_EQ(b.w.lblAktualni.ForeColor, systemColour(9));
        EXPECT_EQ(b.w.picGreen.BackColor, systemColour(1));
        EXPECT_EQ(b.w.lblStopky.ForeColor, systemColour(9));
        EXPECT_EQ(b.w.tlbCas.button("Zvuk").Value, 0);
        EXPECT_EQ(b.w.tlbCas.button("Min").Value, 0);
    }
}

TEST(Aktivace, BadSwitchInTheSectionTakesTheDefaultSwitch) {
    // Start-up always writes "0" to "Default"; a hand-made "Default" shows the order.
    Rig r;
    r.settings.values[{"RVTikanda", "Default", "Ikona"}] = "1";
    r.settings.values[{"RVTikanda", "Default", "Zvuk"}] = "1";
    r.settings.values[{"RVTikanda", "Jiný", "Ikona"}] = "2";
    r.settings.values[{"RVTikanda", "Jiný", "Zvuk"}] = "zapnuto";
    r.w.Aktivace("Jiný");
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, 1);
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 1);
}

TEST(Aktivace, OddTextsLoadAsTheyCome) {
    Rig r;
    const std::string odd = std::string("a\0b\xff", 4);
    const std::string huge(2'000'000, 'x');
    putUser(r, "Text", odd);
    putUser(r, "Text5", huge);
    putUser(r, "WAV", "\xc3\x28");
    r.w.Aktivace("User");
    EXPECT_EQ(r.w.AlarmText, odd);
    EXPECT_EQ(r.w.lblAlarm.Caption, odd);
    EXPECT_EQ(r.w.Texts[5], huge);
    EXPECT_EQ(r.program.SoundFile, "\xc3\x28");
}

TEST(Aktivace, FactorySoundPathUsesThePlatformSeparator) {
    Rig r;
    r.env.dir = "/";
    r.w.Aktivace("User");
    EXPECT_EQ(r.settings.def("WAV"), "//CILILINK.WAV"); // stored as built
}

TEST(Reset, QuestionAndAnoLoadsDefault) {
    Rig r;
    putUser(r, "Zvuk", "1");
    putUser(r, "WAV", "/home/u/zvon.wav");
    putUser(r, "Text", "Čaj");
    r.w.Form_Load();
    ASSERT_EQ(r.w.tlbCas.button("Zvuk").Value, 1);
    r.program.SoundMode = 1;
    r.w.lbl1.ForeColor = 0x0000FF;
    r.w.picGreen.BackColor = 0x00FF00;
    r.settings.writes.clear();
    r.messages.shown.clear();

    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuDefault);

    ASSERT_EQ(r.messages.shown.size(), 1u);
    const auto& m = r.messages.shown[0];
    EXPECT_EQ(m.text, "Opravdu chcete použít standardní nastavení?\n\n"
                      "Tip: Pokud chcete zachovat nynější nastavení po 'Ano'\n"
                      "ukončete program <Ctrl+Alt+F4> a znovu jej spusťte.\n");
    EXPECT_EQ(m.title, "Tikanda 1.3");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_TRUE(m.defaultNo);

    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
    EXPECT_EQ(r.program.SoundFile, kFactoryWav);
    EXPECT_EQ(r.w.lbl1.ForeColor, systemColour(0));
    EXPECT_EQ(r.w.lbl2.ForeColor, systemColour(0));
    EXPECT_EQ(r.w.picGreen.BackColor, systemColour(1));
    EXPECT_EQ(r.w.AlarmText, "Budíček!");
    // The tooltip keeps naming the text from before; the store is not written.
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu: Čaj");
    EXPECT_TRUE(r.settings.writes.empty());
    EXPECT_EQ(r.settings.user("Text"), "Čaj");
}

TEST(Reset, WithSoundOffLeavesTheSoundAlone) {
    Rig r;
    putUser(r, "WAV", "/home/u/zvon.wav");
    r.w.Form_Load();
    r.program.SoundMode = 0;
    r.w.AlarmText = "Čaj";

    r.messages.answers = {MsgAnswer::Yes};
    r.w.mnuDefault_Click();
    EXPECT_EQ(r.program.SoundMode, 0);
    EXPECT_EQ(r.program.SoundFile, "/home/u/zvon.wav");
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
    EXPECT_EQ(r.w.AlarmText, "Budíček!");
}

TEST(Reset, NeChangesNothing) {
    Rig r;
    r.w.Form_Load();
    r.w.lbl1.ForeColor = 0x0000FF;
    r.w.AlarmText = "Čaj";
    r.w.tlbCas.button("Min").Value = 1;
    const auto writes = r.settings.writes.size();

    r.messages.answers = {MsgAnswer::No};
    r.w.mnuDefault_Click();
    EXPECT_EQ(r.w.lbl1.ForeColor, 0x0000FFu);
    EXPECT_EQ(r.w.AlarmText, "Čaj");
    EXPECT_EQ(r.w.tlbCas.button("Min").Value, 1);
    EXPECT_EQ(r.settings.writes.size(), writes);
}

TEST(Save, WritesUserInOrderAndReportsTheFlush) {
    Rig r;
    r.w.lbl1.ForeColor = 255;
    r.w.lblAktualni.ForeColor = systemColour(9);
    r.w.picGreen.BackColor = systemColour(0);
    r.w.lblStopky.ForeColor = 0xC0C0C0;
    r.w.AlarmText = "";
    r.w.Texts = {"ignored", "a", "b", "", "d", "e"};
    r.program.SoundMode = 0;
    r.program.SoundFile = "/x/y.wav";
    r.w.tlbCas.button("Zvuk").Value = 0;
    r.w.tlbCas.button("Min").Value = 1;

    EXPECT_TRUE(r.w.SaveSettings());
    EXPECT_EQ(r.settings.flushes, 1);
    EXPECT_EQ(keysOf(writesTo(r, "User")), kAllKeys);
    EXPECT_EQ(r.settings.writes.size(), kAllKeys.size());
    const std::vector<std::string> values = {
        "255", "-2147483639", "-2147483648", "12632256", "",  "a", "b",
        "",    "d",           "e",           "/x/y.wav", "0", "1"};
    for (std::size_t i = 0; i < kAllKeys.size(); ++i)
        EXPECT_EQ(r.settings.user(kAllKeys[i]), values[i]) << kAllKeys[i];

    r.settings.failFlush = true;
    EXPECT_FALSE(r.w.SaveSettings());
}

TEST(Save, NoSoundNeitherLoadsNorSavesTheSoundSettings) {
    Rig r;
    r.env.cmd = "tikanda NOSOUND";
    putUser(r, "Zvuk", "1");
    putUser(r, "WAV", "/home/u/zvon.wav");
    r.w.Form_Load();
    EXPECT_EQ(r.program.SoundFile, "");
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);

    r.settings.writes.clear();
    ASSERT_TRUE(r.w.SaveSettings());
    for (const auto& w : r.settings.writes) {
        EXPECT_NE(std::get<2>(w), "WAV");
        EXPECT_NE(std::get<2>(w), "Zvuk");
    }
    EXPECT_EQ(r.settings.user("Zvuk"), "1");
    EXPECT_EQ(r.settings.user("WAV"), "/home/u/zvon.wav");
    EXPECT_EQ(r.settings.user("Ikona"), "0");
}

} // namespace
} // namespace tikanda::test
