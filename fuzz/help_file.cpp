// The help file reader: any bytes parse, every topic and the contents render, and what
// comes out is well-formed UTF-8 whose markup comes from the renderer alone.

#include "ui/help/help_file.h"
#include "check.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tikanda;

namespace {

bool validUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    for (std::size_t i = 0; i < s.size();) {
        const unsigned c = p[i];
        std::size_t len = c < 0x80             ? 1
                          : (c & 0xE0) == 0xC0 ? 2
                          : (c & 0xF0) == 0xE0 ? 3
                          : (c & 0xF8) == 0xF0 ? 4
                                               : 0;
        if (len == 0 || i + len > s.size()) return false;
        std::uint32_t cp = len == 1 ? c : c & (0x7Fu >> len);
        for (std::size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        const std::uint32_t min[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < min[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

// Every '<' opens one of the renderer's own tags.
bool onlyOwnTags(std::string_view html) {
    static const std::string_view tags[] = {"<h2>",
                                            "</h2>",
                                            "<p>",
                                            "</p>",
                                            "<ul>",
                                            "</ul>",
                                            "<li>",
                                            "</li>",
                                            "<b>",
                                            "</b>",
                                            "<a href=\"topic:",
                                            "</a>"};
    for (std::size_t i = html.find('<'); i != std::string_view::npos; i = html.find('<', i + 1)) {
        bool known = false;
        for (auto t : tags)
            known = known || html.substr(i, t.size()) == t;
        if (!known) return false;
    }
    return true;
}

void checkHtml(const std::string& html) {
    FUZZ_CHECK(validUtf8(html));
    FUZZ_CHECK(onlyOwnTags(html));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HelpFile f = HelpFile::parse(text);

    int previous = -1;
    for (int n : f.topicNumbers()) {
        FUZZ_CHECK(n > previous);
        previous = n;
        const HelpTopic* t = f.topic(n);
        FUZZ_CHECK(t != nullptr && t->number == n);
        FUZZ_CHECK(validUtf8(t->title));
        for (const auto& b : t->blocks)
            FUZZ_CHECK(validUtf8(b.text));
        checkHtml(f.topicHtml(*t));
        checkHtml(f.whatsThisHtml(*t));
    }
    if (const HelpTopic* c = f.contents()) {
        checkHtml(f.topicHtml(*c));
        checkHtml(f.whatsThisHtml(*c));
    }
    checkHtml(f.contentsHtml());
    for (const auto& issue : f.issues())
        FUZZ_CHECK(validUtf8(issue));
    FUZZ_CHECK(f.usable() == (f.contents() != nullptr || !f.topicNumbers().empty()));
    return 0;
}
