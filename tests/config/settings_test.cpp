#include "fakes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tikanda::test {
namespace {

using namespace std::string_literals;

const char* const kNumericKeys[] = {"ColLbl",    "ColAktualni", "ColGreen",
                                    "ColStopky", "Zvuk",        "Ikona"};

// Stores "key=value;" pairs in one section.
void put(Rig& r, const std::string& section, const std::string& pairs) {
    for (std::size_t at = 0, end; (end = pairs.find(';', at)) != std::string::npos; at = end + 1) {
        const std::size_t eq = pairs.find('=', at);
        r.settings.values[{"RVTikanda", section, pairs.substr(at, eq - at)}] =
            pairs.substr(eq + 1, end - eq - 1);
    }
}

// The keys written to one section, in the order of writing, as "key=value;".
std::string written(Rig& r, const std::string& section) {
    std::string out;
    for (const auto& [app, s, key] : r.settings.writes)
        if (s == section) out += key + "=" + r.settings.get(app, s, key, "<absent>") + ";";
    return out;
}

// Colours of lbl1, lbl2, lblAktualni, picGreen, lblStopky and lblAlarm in hex, then the
// pressed states of "Zvuk" and "Min".
std::string numbers(Rig& r) {
    std::ostringstream s;
    for (form::Colour c : {r.w.lbl1.ForeColor, r.w.lbl2.ForeColor, r.w.lblAktualni.ForeColor,
                           r.w.picGreen.BackColor, r.w.lblStopky.ForeColor, r.w.lblAlarm.ForeColor})
        s << std::hex << c << ' ';
    s << std::dec << r.w.tlbCas.button("Zvuk").Value << ' ' << r.w.tlbCas.button("Min").Value;
    return s.str();
}

// The texts: alarm text, its label and image, the list, the sound file and SoundMode.
std::string texts(Rig& r) {
    std::string s =
        r.w.AlarmText + "|" + r.w.lblAlarm.Caption + "|" + r.w.tlbCas.button("Text").Image + "|";
    for (int i = 1; i <= 5; ++i)
        s += r.w.Texts[std::size_t(i)] + ",";
    return s + "|" + r.program.SoundFile + "|" + std::to_string(r.program.SoundMode);
}

TEST(Aktivace, FirstRunRewritesDefaultInOrderAndLoadsEverythingFromIt) {
    Rig r;
    put(r, "Default", "Text=edited by hand;");
    r.w.lblStopky.ForeColor = 0x112233; // "Default" takes the current colours
    r.w.Aktivace("User");
    EXPECT_EQ(r.settings.writes.size(), 13u); // nothing but "Default" is written
    EXPECT_EQ(written(r, "Default"),
              "ColLbl=-2147483648;ColAktualni=-2147483639;ColGreen=-2147483647;ColStopky=1122867;"
              "Text=Budíček!;Text1=Budíček!;Text2=Alarm!;Text3=Hlášení;Text4=Pozor!;"
              "Text5=Varování!;WAV=/opt/tikanda/CILILINK.WAV;Zvuk=0;Ikona=0;");
    EXPECT_EQ(numbers(r), "80000000 80000000 80000009 80000001 112233 112233 0 0");
    EXPECT_EQ(texts(r), "Budíček!|Budíček!|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|"
                        "/opt/tikanda/CILILINK.WAV|0");
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu"); // left to start-up

    // Loading any other section (the name is compared exactly) writes nothing.
    Rig d;
    d.w.Aktivace("Default");
    d.w.Aktivace("user");
    EXPECT_TRUE(d.settings.writes.empty());
}

TEST(Aktivace, UserValuesWinMissingKeysComeFromDefaultAndTheSaveWritesThemBack) {
    Rig r;
    const std::string odd("a\0b\xff", 4);
    put(r, "User",
        "ColLbl=255;ColAktualni=-2147483643;ColStopky=16711680;Text=;Text1=Čaj;Text3=;Text4=" +
            odd + ";WAV=\xc3\x28;Zvuk=1;Ikona=1;");
    r.w.Aktivace("User");
    EXPECT_EQ(numbers(r), "ff ff 80000005 80000001 ff0000 ff0000 1 1");
    EXPECT_EQ(texts(r), "||TextG|Čaj,Alarm!,," + odd + ",Varování!,|\xc3\x28|1");
    EXPECT_TRUE(r.w.mnuIkona.Checked);
    EXPECT_EQ(r.w.WindowState, 0); // nothing runs, so nothing minimises

    r.settings.writes.clear();
    r.w.lbl1.ForeColor = 0xC0C0C0;
    r.w.tlbCas.button("Zvuk").Value = 0;
    EXPECT_TRUE(r.w.SaveSettings());
    EXPECT_EQ(r.settings.flushes, 1);
    EXPECT_EQ(written(r, "User"),
              "ColLbl=12632256;ColAktualni=-2147483643;ColGreen=-2147483647;ColStopky=16711680;"
              "Text=;Text1=Čaj;Text2=Alarm!;Text3=;Text4=" +
                  odd + ";Text5=Varování!;WAV=\xc3\x28;Zvuk=0;Ikona=1;");
    r.settings.failFlush = true;
    EXPECT_FALSE(r.w.SaveSettings());
}

TEST(Aktivace, BadNumbersFallBackToDefaultThenToTheBuiltInValue) {
    for (const std::string& value :
         {""s, "rudá"s, "2147483648"s, "-2147483649"s, "99999999999999999999"s, "12a"s, "1.0"s,
          "0x00FF00"s, "\xff\xfe\xfd"s, "\0\x01\x02"s, std::string(1'000'000, '7')}) {
        SCOPED_TRACE(value.substr(0, 20));
        Rig r; // the section's values are bad, "Default" holds usable ones
        for (const char* key : kNumericKeys) {
            r.settings.values[{"RVTikanda", "Jiný", key}] = value;
            put(r, "Default", std::string(key) + "=1;");
        }
        r.w.Aktivace("Jiný");
        EXPECT_EQ(numbers(r), "1 1 1 1 1 1 1 1");

        Rig b; // both bad: the built-in values, whatever the controls show now
        b.w.lbl1.ForeColor = b.w.lblStopky.ForeColor = 0x123456;
        b.w.tlbCas.button("Min").Value = 1;
        for (const char* key : kNumericKeys)
            b.settings.values[{"RVTikanda", "Default", key}] = value;
        b.w.Aktivace("Default");
        EXPECT_EQ(numbers(b), "80000000 80000000 80000009 80000001 80000009 80000009 0 0");
    }
}

TEST(Reset, AsksAndLoadsDefaultOnlyOnAno) {
    Rig r;
    put(r, "User", "Zvuk=1;WAV=/home/u/zvon.wav;Text=Čaj;");
    r.w.Form_Load();
    r.w.lbl1.ForeColor = 0x0000FF;
    r.settings.writes.clear();
    const std::string before = numbers(r) + texts(r);
    r.w.menuClick(r.w.mnuDefault); // "Ne"
    EXPECT_EQ(numbers(r) + texts(r), before);

    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuDefault);
    ASSERT_EQ(r.messages.shown.size(), 2u);
    const auto& m = r.messages.shown[1];
    EXPECT_EQ(m.text, "Opravdu chcete použít standardní nastavení?\n\n"
                      "Tip: Pokud chcete zachovat nynější nastavení po 'Ano'\n"
                      "ukončete program <Ctrl+Alt+F4> a znovu jej spusťte.\n");
    EXPECT_EQ(std::make_tuple(m.title, m.icon, m.buttons, m.defaultNo),
              std::make_tuple("Tikanda 1.3"s, MsgIcon::Exclamation, MsgButtons::YesNo, true));
    EXPECT_EQ(numbers(r), "80000000 80000000 80000009 80000001 80000009 80000009 0 0");
    EXPECT_EQ(texts(r), "Budíček!|Budíček!|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|"
                        "/opt/tikanda/CILILINK.WAV|0");
    // The tooltip keeps naming the text from before; the store is not written.
    EXPECT_EQ(r.w.tlbCas.button("Text").ToolTipText, "Text alarmu: Čaj");
    EXPECT_TRUE(r.settings.writes.empty());

    // With the sound off a reset leaves the switch and the file alone.
    Rig off;
    put(off, "User", "WAV=/home/u/zvon.wav;");
    off.w.Form_Load();
    off.messages.answers = {MsgAnswer::Yes};
    off.w.mnuDefault_Click();
    EXPECT_EQ(off.program.SoundFile, "/home/u/zvon.wav");
    EXPECT_EQ(off.program.SoundMode, 0);
}

TEST(Save, NoSoundNeitherLoadsNorSavesTheSoundSettings) {
    Rig r;
    r.env.cmd = "tikanda NOSOUND";
    put(r, "User", "Zvuk=1;WAV=/home/u/zvon.wav;");
    r.w.Form_Load();
    EXPECT_EQ(r.program.SoundFile, "");
    EXPECT_EQ(r.w.tlbCas.button("Zvuk").Value, 0);
    ASSERT_TRUE(r.w.SaveSettings());
    EXPECT_EQ(r.settings.user("Zvuk"), "1");
    EXPECT_EQ(r.settings.user("WAV"), "/home/u/zvon.wav");
    EXPECT_EQ(r.settings.user("Ikona"), "0");
}

} // namespace
} // namespace tikanda::test
