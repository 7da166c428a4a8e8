// The settings store: the factory values written to "Default" at every start, loading
// from a section with "Default" behind it, the save at exit (of the values changed) and the
// reset command.

#include "config/settings_values.h"
#include "core/frm_tikanda.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tikanda {

using form::Colour;
namespace sv = settingsvalues;

namespace {

const char* const kApp = "RVTikanda";
const char* const kDefault = "Default";
const char* const kTitle = "Tikanda 1.3";

// The alarm texts a first run starts with: "Text", then "Text1" to "Text5".
const char* const kFactoryText = "Budíček!";
const char* const kFactoryTexts[6] = {"", "Budíček!", "Alarm!", "Hlášení", "Pozor!", "Varování!"};

// The colours of the controls as built, used when neither section holds a usable value.
const Colour kFactoryColLbl = form::systemColour(0);
const Colour kFactoryColAktualni = form::systemColour(9);
const Colour kFactoryColGreen = form::systemColour(1);
const Colour kFactoryColStopky = form::systemColour(9);

std::string textKey(int i) {
    return "Text" + std::to_string(i);
}

// Reads key K of section S, falling back to the "Default" value when S lacks it.
class SectionReader {
public:
    SectionReader(SettingsStore& store, const std::string& section)
        : m_store(store), m_section(section) {}

    std::string text(const std::string& key) {
        return m_store.get(kApp, m_section, key, m_store.get(kApp, kDefault, key, ""));
    }

    // A numeric value that does not decode takes the "Default" value, failing that the
    // built-in one: a damaged store must not leave the window with a meaningless state.
    template <typename T, typename Decode>
    T number(const std::string& key, Decode decode, T factory) {
        if (auto v = decode(text(key))) return *v;
        if (auto v = decode(m_store.get(kApp, kDefault, key, ""))) return *v;
        return factory;
    }

    Colour colour(const std::string& key, Colour factory) {
        return number<Colour>(key, sv::decodeColour, factory);
    }
    int switchState(const std::string& key) { return number<int>(key, sv::decodeSwitch, 0); }

private:
    SettingsStore& m_store;
    std::string m_section;
};

struct Setting {
    std::string key, value;
};
using SettingGroup = std::vector<Setting>;

// What the save writes to "User", in its order, in groups: a group is written whole when
// one of its values changed. The alarm text and the five texts of the list are one group, so
// that the list never mixes the orders of two copies of the program.
std::vector<SettingGroup> userSettings(FrmTikanda& w) {
    std::vector<SettingGroup> groups = {
        {{"ColLbl", sv::encodeColour(w.lbl1.ForeColor)}},
        {{"ColAktualni", sv::encodeColour(w.lblAktualni.ForeColor)}},
        {{"ColGreen", sv::encodeColour(w.picGreen.BackColor)}},
        {{"ColStopky", sv::encodeColour(w.lblStopky.ForeColor)}}};
    SettingGroup texts = {{"Text", w.AlarmText}};
    for (int i = 1; i <= 5; ++i)
        texts.push_back({textKey(i), w.Texts[std::size_t(i)]});
    groups.push_back(std::move(texts));
    // Without sound from the command line the stored sound settings stay as they were.
    if (w.program().SoundMode >= 0) {
        groups.push_back({{"WAV", w.program().SoundFile}});
        groups.push_back({{"Zvuk", sv::encodeSwitch(w.tlbCas.button("Zvuk").Value != 0)}});
    }
    groups.push_back({{"Ikona", sv::encodeSwitch(w.tlbCas.button("Min").Value != 0)}});
    return groups;
}

} // namespace

void FrmTikanda::Aktivace(const std::string& Section) {
    SettingsStore& store = m_svc.settings;
    const std::string factoryWav = m_svc.env.dataDir() + m_svc.env.pathSeparator() + "CILILINK.WAV";

    if (Section == "User") {
        auto put = [&](const std::string& key, const std::string& value) {
            store.set(kApp, kDefault, key, value);
        };
        put("ColLbl", sv::encodeColour(lbl1.ForeColor));
        put("ColAktualni", sv::encodeColour(lblAktualni.ForeColor));
        put("ColGreen", sv::encodeColour(picGreen.BackColor));
        put("ColStopky", sv::encodeColour(lblStopky.ForeColor));
        put("Text", kFactoryText);
        for (int i = 1; i <= 5; ++i)
            put(textKey(i), kFactoryTexts[i]);
        put("WAV", factoryWav);
        put("Zvuk", "0");
        put("Ikona", "0");
    }

    SectionReader read(store, Section);
    auto& zvuk = tlbCas.button("Zvuk");
    auto& min = tlbCas.button("Min");

    if (m_program.SoundMode > 0) {
        zvuk.Value = read.switchState("Zvuk");
        m_program.SoundFile = read.text("WAV");
    }
    min.Value = read.switchState("Ikona");

    picGreen.BackColor = read.colour("ColGreen", kFactoryColGreen);
    lbl1.ForeColor = read.colour("ColLbl", kFactoryColLbl);
    lbl2.ForeColor = lbl1.ForeColor;
    lblAktualni.ForeColor = read.colour("ColAktualni", kFactoryColAktualni);
    lblStopky.ForeColor = read.colour("ColStopky", kFactoryColStopky);
    lblAlarm.ForeColor = lblStopky.ForeColor;

    AlarmText = read.text("Text");
    lblAlarm.Caption = AlarmText;
    tlbCas.button("Text").Image = AlarmText.empty() ? "TextG" : "TextB";

    for (int i = 1; i <= 5; ++i)
        Texts[std::size_t(i)] = read.text(textKey(i));
    FillCombo();

    if (m_program.SoundMode > 0) PressZvuk();
    PressMin();

    // Loaded from "User", the values are this copy's own; loaded from elsewhere (a reset),
    // each one loaded counts as changed.
    for (const SettingGroup& group : userSettings(*this))
        for (const auto& [key, value] : group) {
            if (Section == "User")
                userSettingsSeen[key] = value;
            else if (m_program.SoundMode > 0 || (key != "WAV" && key != "Zvuk"))
                userSettingsSeen.erase(key);
        }
}

// Writes to "User" only the values changed since they were last loaded or saved, so that
// the save keeps what another copy of the program saved meanwhile.
bool FrmTikanda::SaveSettings() {
    SettingsStore& store = m_svc.settings;
    const std::vector<SettingGroup> groups = userSettings(*this);
    for (const SettingGroup& group : groups) {
        const bool changed = std::ranges::any_of(group, [&](const Setting& s) {
            const auto seen = userSettingsSeen.find(s.key);
            return seen == userSettingsSeen.end() || seen->second != s.value;
        });
        if (changed)
            for (const auto& [key, value] : group)
                store.set(kApp, "User", key, value);
    }
    if (!store.flush()) return false;
    for (const SettingGroup& group : groups)
        for (const auto& [key, value] : group)
            userSettingsSeen[key] = value;
    return true;
}

void FrmTikanda::mnuDefault_Click() {
    const MsgAnswer a =
        m_svc.messages.show("Opravdu chcete použít standardní nastavení?\n"
                            "\n"
                            "Tip: Pokud chcete zachovat nynější nastavení po 'Ano'\n"
                            "ukončete program <Ctrl+Alt+F4> a znovu jej spusťte.\n",
                            kTitle, MsgIcon::Exclamation, MsgButtons::YesNo, true);
    if (a == MsgAnswer::Yes) Aktivace("Default");
}

} // namespace tikanda
