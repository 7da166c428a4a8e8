#include "fakes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tikanda::test {
namespace {

using namespace std::string_literals;

// Stores "key=value;" pairs in one section.
void put(Rig& r, const std::string& section, const std::string& pairs) {
    for (std::size_t at = 0, end; (end = pairs.find(';', at)) != std::string::npos; at = end + 1) {
        const std::size_t eq = pairs.find('=', at);
        r.settings.values[{"RVTikanda", section, pairs.substr(at, eq - at)}] =
            pairs.substr(eq + 1, end - eq - 1);
    }
}

// The keys written to one section from the write `from` on, in the order of writing, as
// "key=value;".
std::string written(Rig& r, const std::string& section, std::size_t from = 0) {
    std::string out;
    for (std::size_t i = from; i < r.settings.writes.size(); ++i)
        if (const auto& [app, s, key] = r.settings.writes[i]; s == section)
            out += key + "=" + r.settings.get(app, s, key, "<absent>") + ";";
    return out;
}

// Colours of lbl1, lbl2, lblAktualni, picGreen, lblStopky and lblAlarm in hex, the states
// of "Zvuk" and "Min" (button, check mark), the alarm text, its label and image, the list, the
// sound file and SoundMode.
std::string state(Rig& r) {
    std::ostringstream s;
    for (form::Colour c : {r.w.lbl1.ForeColor, r.w.lbl2.ForeColor, r.w.lblAktualni.ForeColor,
                           r.w.picGreen.BackColor, r.w.lblStopky.ForeColor, r.w.lblAlarm.ForeColor})
        s << std::hex << c << ' ';
    s << std::dec << r.w.tlbCas.button("Zvuk").Value << r.w.mnuZvuk.Checked << ' '
      << r.w.tlbCas.button("Min").Value << r.w.mnuIkona.Checked << '|' << r.w.AlarmText << '|'
      << r.w.lblAlarm.Caption << '|' << r.w.tlbCas.button("Text").Image << '|';
    for (int i = 1; i <= 5; ++i)
        s << r.w.Texts[std::size_t(i)] << ',';
    s << '|' << r.program.SoundFile << '|' << r.program.SoundMode;
    return s.str();
}

TEST(Aktivace, RewritesDefaultLoadsUserOverItAndTheResetLoadsDefault) {
    Rig r;
    const std::string odd("a\0b\xff", 4);
    put(r, "Default", "Text=edited by hand;Text2=edited;");
    put(r, "User",
        "ColLbl=255;ColAktualni=-2147483643;ColStopky=16711680;Text=;Text1=Čaj;Text3=;Text4=" +
            odd + ";WAV=\xc3\x28;Zvuk=1;Ikona=1;");
    r.w.picGreen.BackColor = 0x112233; // "Default" takes the current colours
    r.w.Aktivace("User");
    EXPECT_EQ(r.settings.writes.size(), 13u); // nothing but "Default" is written
    EXPECT_EQ(written(r, "Default"),
              "ColLbl=-2147483648;ColAktualni=-2147483639;ColGreen=1122867;ColStopky=-2147483639;"
              "Text=Budíček!;Text1=Budíček!;Text2=Alarm!;Text3=Hlášení;Text4=Pozor!;"
              "Text5=Varování!;WAV=/opt/tikanda/CILILINK.WAV;Zvuk=0;Ikona=0;");
    EXPECT_EQ(state(r), "ff ff 80000005 112233 ff0000 ff0000 11 11|||TextG|Čaj,Alarm!,," + odd +
                            ",Varování!,|\xc3\x28|1");

    // The reset asks first, "Ne" being the default; "Ano" loads "Default" as rewritten above.
    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuDefault);
    const auto& m = r.messages.shown.at(0);
    EXPECT_TRUE(m.buttons == MsgButtons::YesNo && m.defaultNo);
    EXPECT_EQ(state(r), "80000000 80000000 80000009 112233 80000009 80000009 00 00|Budíček!|"
                        "Budíček!|TextB|Budíček!,Alarm!,Hlášení,Pozor!,Varování!,|"
                        "/opt/tikanda/CILILINK.WAV|0");
    // With the sound now off, a reset leaves the sound file alone.
    r.program.SoundFile = "/home/u/zvon.wav";
    r.messages.answers = {MsgAnswer::Yes};
    r.w.menuClick(r.w.mnuDefault);
    EXPECT_EQ(r.program.SoundFile, "/home/u/zvon.wav");
}

TEST(Aktivace, BadNumbersFallBackToDefaultThenToTheBuiltInValue) {
    for (const std::string& value :
         {""s, "rudá"s, "2147483648"s, "-2147483649"s, "99999999999999999999"s, "12a"s, "1.0"s,
          "0x00FF00"s, "\xff\xfe\xfd"s, "\0\x01\x02"s, std::string(1'000'000, '7'),
          // numbers that are no colour: neither RGB nor a system colour index
          "-1"s, "16777216"s, "-2147483623"s}) {
        SCOPED_TRACE(value.substr(0, 20));
        Rig r, b; // r: the section's values bad, "Default" usable; b: both bad
        b.w.lbl1.ForeColor = b.w.lblStopky.ForeColor = 0x123456; // not kept either
        b.w.tlbCas.button("Min").Value = 1;
        for (const char* key :
             {"ColLbl", "ColAktualni", "ColGreen", "ColStopky", "Zvuk", "Ikona"}) {
            r.settings.values[{"RVTikanda", "user", key}] = value;
            r.settings.values[{"RVTikanda", "Default", key}] = "1";
            b.settings.values[{"RVTikanda", "Default", key}] = value;
        }
        r.w.Aktivace("user"); // compared exactly with "User", so "Default" is not rewritten
        b.w.Aktivace("Default");
        const std::string noTexts = "|||TextG|,,,,,||"; // neither section holds any
        EXPECT_EQ(state(r), "1 1 1 1 1 1 11 11" + noTexts + "1");
        EXPECT_TRUE(r.settings.writes.empty());
        EXPECT_EQ(state(b),
                  "80000000 80000000 80000009 80000001 80000009 80000009 00 00" + noTexts + "0");
    }
}

// The save writes to "User" only what changed since the last load or save, so that it keeps
// the values another copy of the program saved meanwhile. Each case starts over the same
// "User" section (the sound on), acts, and saves: what that save writes.
TEST(SaveSettings, WritesToUserOnlyTheValuesChangedSinceTheLastLoadOrSave) {
    const std::string odd("a\0b\xff", 4);
    const std::string factoryColours =
        "ColLbl=-2147483648;ColAktualni=-2147483639;ColGreen=-2147483647;ColStopky=-2147483639;";
    const std::string factoryTexts =
        "Text=Budíček!;Text1=Budíček!;Text2=Alarm!;Text3=Hlášení;Text4=Pozor!;Text5=Varování!;";
    auto reset = [](Rig& r) {
        r.messages.answers = {MsgAnswer::Yes};
        r.w.menuClick(r.w.mnuDefault);
    };
    const struct {
        const char* name;
        const char* commandLine;
        std::function<void(Rig&)> act;
        std::string written;
    } cases[] = {
        {"nothing", "", [](Rig&) {}, ""},
        {"the sound switched off", "", [](Rig& r) { r.w.toolbarClick("Zvuk"); }, "Zvuk=0;"},
        {"the panel colour and the minimise switch", "",
         [](Rig& r) {
             r.w.picGreen.BackColor = 0x112233;
             r.w.toolbarClick("Min");
         },
         "ColGreen=1122867;Ikona=1;"},
        // The list is one value with the current text: never mixed from two copies.
        {"a text of the list", "", [](Rig& r) { r.w.Texts[2] = "Čaj 2"; },
         "Text=;Text1=Čaj;Text2=Čaj 2;Text3=;Text4=" + odd + ";Text5=Varování!;"},
        {"another copy saved meanwhile", "",
         [](Rig& r) {
             put(r, "User", "Zvuk=0;Text1=jiný;ColLbl=5;");
             r.w.lblAktualni.ForeColor = 0xC0C0C0;
         },
         "ColAktualni=12632256;"},
        {"a reset, the sound on", "", reset,
         factoryColours + factoryTexts + "WAV=/opt/tikanda/CILILINK.WAV;Zvuk=0;Ikona=0;"},
        {"the sound off, then a reset", "",
         [&](Rig& r) {
             r.w.toolbarClick("Zvuk");
             reset(r);
         },
         factoryColours + factoryTexts + "Zvuk=0;Ikona=0;"},
        {"NOSOUND, a reset", "nosound", reset, factoryColours + factoryTexts + "Ikona=0;"},
        {"a second save", "",
         [](Rig& r) {
             r.w.lbl1.ForeColor = 0xC0C0C0;
             r.w.SaveSettings();
             r.w.toolbarClick("Min");
         },
         "Ikona=1;"},
        {"a failed save", "",
         [](Rig& r) {
             r.w.lbl1.ForeColor = 0xC0C0C0;
             r.settings.failFlush = true;
             r.w.SaveSettings();
             r.settings.failFlush = false;
         },
         "ColLbl=12632256;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.env.cmd = c.commandLine;
        put(r, "User",
            "ColLbl=255;Text=;Text1=Čaj;Text3=;Text4=" + odd + ";WAV=/home/u/zvon.wav;Zvuk=1;");
        r.w.Form_Load();
        c.act(r);
        const std::size_t from = r.settings.writes.size();
        EXPECT_TRUE(r.w.SaveSettings());
        EXPECT_EQ(written(r, "User", from), c.written);
    }
}

} // namespace
} // namespace tikanda::test
