#pragma once
// The help file TIKANDA.HLP: a plain UTF-8 text file with one section per topic.
//
//   # A line starting with '#' is a comment.
//   @contents Obsah nápovědy        <- the contents page (at most one; title optional)
//   Text of the contents page ...
//
//   @topic 13010 Nastavení alarmu   <- topic number (decimal), then its title (optional)
//   Text of the topic ...
//
// A section's text runs to the next "@" line. Within it:
//   - a blank line separates paragraphs; the lines of a paragraph are joined by a space;
//   - a line starting with "- " is a list item; following lines indented by a blank
//     continue the item;
//   - [[13010]] is a link to topic 13010 shown by that topic's title, and
//     [[13010|text]] a link shown as "text".
//
// The parser never fails: whatever it cannot use (text before the first section, an
// unknown "@" line, a bad or repeated topic number, a broken link, invalid UTF-8) is
// skipped or repaired, and each such case is reported in issues().

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tikanda {

struct HelpBlock {
    enum class Kind { Paragraph, ListItem };
    Kind kind = Kind::Paragraph;
    std::string text; // may hold [[N]] and [[N|text]] links
};

struct HelpTopic {
    int number = 0; // the contents page has 0
    std::string title;
    std::vector<HelpBlock> blocks;
};

class HelpFile {
public:
    // Files larger than this are not read (a help file is a few kilobytes).
    static constexpr std::size_t kMaxFileSize = 4u << 20;

    static HelpFile parse(std::string_view text);
    // Reads and parses a file; a missing or unreadable file gives an empty HelpFile
    // whose loadError() says why (in Czech, for the viewer).
    static HelpFile load(const std::string& path);

    const std::string& loadError() const { return m_loadError; }
    // Something worth showing: read without error and with at least one section.
    bool usable() const { return m_loadError.empty() && (m_contents || !m_topics.empty()); }

    const HelpTopic* topic(int number) const;
    const HelpTopic* contents() const { return m_contents ? &*m_contents : nullptr; }
    std::vector<int> topicNumbers() const; // ascending
    // What was skipped or repaired, one line each, with its line number.
    const std::vector<std::string>& issues() const { return m_issues; }

    // HTML for the help window: headline, paragraphs, lists and links "topic:N".
    std::string topicHtml(const HelpTopic& t) const;
    // The contents page; without an "@contents" section, a list of all topics.
    std::string contentsHtml() const;
    // HTML for a What's-This pop-up: bold title and the text, links as plain text.
    std::string whatsThisHtml(const HelpTopic& t) const;

private:
    std::string blocksHtml(const HelpTopic& t, bool links) const;
    std::string inlineHtml(const std::string& text, bool links) const;

    std::optional<HelpTopic> m_contents;
    std::map<int, HelpTopic> m_topics;
    std::vector<std::string> m_issues;
    std::string m_loadError;
};

// Escapes &, <, > and " for HTML text.
std::string htmlEscape(std::string_view text);

} // namespace tikanda
