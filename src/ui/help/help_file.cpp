#include "ui/help/help_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tikanda {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Replaces every byte that is not part of a well-formed UTF-8 sequence by U+FFFD and
// control characters by a blank. Returns true when anything invalid was found.
bool repairUtf8(std::string& s) {
    std::string out;
    out.reserve(s.size());
    bool bad = false;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            out += (c < 0x20 || c == 0x7F) ? ' ' : char(c);
            ++i;
            continue;
        }
        std::size_t len = 0;
        std::uint32_t cp = 0, min = 0;
        if ((c & 0xE0) == 0xC0) {
            len = 2, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4, cp = c & 0x07, min = 0x10000;
        }
        bool ok = len != 0 && i + len <= n;
        for (std::size_t k = 1; ok && k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                ok = false;
            else
                cp = cp << 6 | (p[i + k] & 0x3F);
        }
        ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (ok) {
            out.append(s, i, len);
            i += len;
        } else {
            out += kReplacement;
            bad = true;
            ++i;
        }
    }
    s = std::move(out);
    return bad;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

// A topic number: 1 to 9 decimal digits.
std::optional<int> parseNumber(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::string lineRef(std::size_t line) {
    return "řádek " + std::to_string(line) + ": ";
}

std::string quoted(std::string_view s) {
    constexpr std::size_t kMax = 40;
    // Shortened at a character boundary, never inside a UTF-8 sequence.
    std::size_t cut = std::min(s.size(), kMax);
    if (cut < s.size())
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80)
            --cut;
    std::string t(s.substr(0, cut));
    if (s.size() > cut) t += "…";
    return "„" + t + "“";
}

// Walks the [[...]] links of a text: calls onText for literal text and onLink for each
// well-formed link. Malformed brackets stay literal text; onBroken is told about them.
template <class Text, class Link, class Broken>
void scanLinks(std::string_view s, Text onText, Link onLink, Broken onBroken) {
    while (!s.empty()) {
        const std::size_t open = s.find("[[");
        if (open == std::string_view::npos) break;
        onText(s.substr(0, open));
        const std::size_t close = s.find("]]", open + 2);
        if (close == std::string_view::npos) {
            onBroken(s.substr(open));
            onText(s.substr(open));
            return;
        }
        const std::string_view inner = s.substr(open + 2, close - open - 2);
        const std::size_t bar = inner.find('|');
        const auto number = parseNumber(inner.substr(0, bar));
        if (number && (bar == std::string_view::npos || bar + 1 < inner.size())) {
            onLink(*number,
                   bar == std::string_view::npos ? std::string_view{} : inner.substr(bar + 1));
        } else {
            onBroken(s.substr(open, close + 2 - open));
            onText(s.substr(open, close + 2 - open));
        }
        s.remove_prefix(close + 2);
    }
    onText(s);
}

} // namespace

std::string htmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

HelpFile HelpFile::parse(std::string_view text) {
    HelpFile f;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    HelpTopic* current = nullptr; // the section being filled
    bool skipping = false;        // inside a section that was rejected
    bool reportedStray = false;   // text before the first section, reported once
    bool inList = false;          // the last block is a list item that may continue
    bool blockOpen = false;       // the last block takes further lines
    std::size_t lineNo = 0;

    auto reject = [&](const std::string& why) {
        f.m_issues.push_back(lineRef(lineNo) + why + " – oddíl přeskočen");
        current = nullptr;
        skipping = true;
    };
    auto startSection = [&](HelpTopic& t) {
        current = &t;
        skipping = false;
        blockOpen = inList = false;
    };

    while (!text.empty() || lineNo == 0) {
        const std::size_t nl = text.find('\n');
        std::string line(trimRight(text.substr(0, nl)));
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        ++lineNo;
        if (repairUtf8(line))
            f.m_issues.push_back(lineRef(lineNo) + "neplatné znaky UTF-8 nahrazeny");

        if (!line.empty() && line[0] == '#') continue;

        if (!line.empty() && line[0] == '@') {
            std::string_view rest(line);
            const std::size_t sp = rest.find_first_of(" \t");
            const std::string_view word = rest.substr(0, sp);
            rest = sp == std::string_view::npos ? std::string_view{} : trimLeft(rest.substr(sp));
            if (word == "@contents") {
                if (f.m_contents) {
                    reject("druhý obsah");
                    continue;
                }
                f.m_contents = HelpTopic{0, rest.empty() ? "Obsah" : std::string(rest), {}};
                startSection(*f.m_contents);
            } else if (word == "@topic") {
                const std::size_t sp2 = rest.find_first_of(" \t");
                const std::string_view num = rest.substr(0, sp2);
                const std::string_view title =
                    sp2 == std::string_view::npos ? std::string_view{} : trimLeft(rest.substr(sp2));
                const auto number = parseNumber(num);
                if (!number) {
                    reject("neplatné číslo tématu " + quoted(num));
                    continue;
                }
                if (f.m_topics.count(*number)) {
                    reject("téma " + std::to_string(*number) + " už je definováno");
                    continue;
                }
                HelpTopic& t = f.m_topics[*number];
                t.number = *number;
                t.title = title.empty() ? "Téma " + std::to_string(*number) : std::string(title);
                startSection(t);
            } else {
                reject("neznámý příkaz " + quoted(word));
            }
            continue;
        }

        if (skipping) continue;
        if (!current) {
            if (!line.empty() && !reportedStray) {
                f.m_issues.push_back(lineRef(lineNo) + "text před prvním oddílem přeskočen");
                reportedStray = true;
            }
            continue;
        }
        if (line.empty()) {
            blockOpen = inList = false;
            continue;
        }
        const bool indented = line[0] == ' ' || line[0] == '\t';
        const std::string_view body = trimLeft(line);
        if (body.substr(0, 2) == "- ") {
            current->blocks.push_back(
                {HelpBlock::Kind::ListItem, std::string(trimLeft(body.substr(2)))});
            blockOpen = inList = true;
        } else if (blockOpen && (!inList || indented)) {
            current->blocks.back().text += ' ';
            current->blocks.back().text += body;
        } else {
            current->blocks.push_back({HelpBlock::Kind::Paragraph, std::string(body)});
            blockOpen = true;
            inList = false;
        }
    }

    // Links are checked once every topic is known.
    auto checkLinks = [&f](const HelpTopic& t) {
        const std::string where =
            t.number == 0 ? std::string("obsah") : "téma " + std::to_string(t.number);
        for (const HelpBlock& b : t.blocks)
            scanLinks(
                b.text, [](std::string_view) {},
                [&](int n, std::string_view) {
                    if (!f.m_topics.count(n))
                        f.m_issues.push_back(where + ": odkaz na chybějící téma " +
                                             std::to_string(n));
                },
                [&](std::string_view raw) {
                    f.m_issues.push_back(where + ": chybný odkaz " + quoted(raw) +
                                         " ponechán jako text");
                });
    };
    if (f.m_contents) checkLinks(*f.m_contents);
    for (const auto& [n, t] : f.m_topics)
        checkLinks(t);
    return f;
}

HelpFile HelpFile::load(const std::string& path) {
    namespace fs = std::filesystem;
    HelpFile f;
    const std::string where = tikanda::quoted(path); // qualified: not std::quoted
    // The path is UTF-8 on every system (Windows would read a narrow path in its ANSI
    // code page). Its kind is asked first: a folder opens as a stream on some systems and
    // fails to open on others, and either way it is there but cannot be read.
    const fs::path file(std::u8string(path.begin(), path.end()));
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) {
        f.m_loadError = "Soubor nápovědy " + where + " nebyl nalezen.";
        return f;
    }
    std::ifstream in;
    if (!fs::is_directory(status)) in.open(file, std::ios::binary);
    if (!in.is_open()) {
        f.m_loadError = "Soubor nápovědy " + where + " nelze přečíst.";
        return f;
    }
    std::string data;
    char buf[8192];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        data.append(buf, std::size_t(in.gcount()));
        if (data.size() > kMaxFileSize) {
            f.m_loadError = "Soubor nápovědy " + where + " je příliš velký.";
            return f;
        }
    }
    if (in.bad()) {
        f.m_loadError = "Soubor nápovědy " + where + " nelze přečíst.";
        return f;
    }
    f = parse(data);
    if (!f.usable())
        f.m_loadError = "Soubor nápovědy " + where + " je poškozen: neobsahuje žádné téma.";
    return f;
}

const HelpTopic* HelpFile::topic(int number) const {
    const auto it = m_topics.find(number);
    return it == m_topics.end() ? nullptr : &it->second;
}

std::vector<int> HelpFile::topicNumbers() const {
    std::vector<int> v;
    for (const auto& [n, t] : m_topics)
        v.push_back(n);
    return v;
}

std::string HelpFile::inlineHtml(const std::string& text, bool links) const {
    std::string out;
    scanLinks(
        text, [&](std::string_view s) { out += htmlEscape(s); },
        [&](int n, std::string_view label) {
            std::string shown(label);
            if (shown.empty()) {
                const HelpTopic* t = topic(n);
                shown = t ? t->title : "Téma " + std::to_string(n);
            }
            if (links)
                out += "<a href=\"topic:" + std::to_string(n) + "\">" + htmlEscape(shown) + "</a>";
            else
                out += htmlEscape(shown);
        },
        [](std::string_view) {});
    return out;
}

std::string HelpFile::blocksHtml(const HelpTopic& t, bool links) const {
    std::string out;
    bool inList = false;
    for (const HelpBlock& b : t.blocks) {
        const bool item = b.kind == HelpBlock::Kind::ListItem;
        if (item && !inList) out += "<ul>";
        if (!item && inList) out += "</ul>";
        inList = item;
        out += item ? "<li>" : "<p>";
        out += inlineHtml(b.text, links);
        out += item ? "</li>" : "</p>";
    }
    if (inList) out += "</ul>";
    return out;
}

std::string HelpFile::topicHtml(const HelpTopic& t) const {
    return "<h2>" + htmlEscape(t.title) + "</h2>" + blocksHtml(t, true);
}

std::string HelpFile::contentsHtml() const {
    if (m_contents) return topicHtml(*m_contents);
    std::string out = "<h2>Obsah</h2><ul>";
    for (const auto& [n, t] : m_topics)
        out +=
            "<li><a href=\"topic:" + std::to_string(n) + "\">" + htmlEscape(t.title) + "</a></li>";
    return out + "</ul>";
}

std::string HelpFile::whatsThisHtml(const HelpTopic& t) const {
    return "<p><b>" + htmlEscape(t.title) + "</b></p>" + blocksHtml(t, false);
}

} // namespace tikanda
