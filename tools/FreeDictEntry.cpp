#include "FreeDictEntry.h"

#include "core/TextUtil.h"

#include <algorithm>

namespace quillet::tool {

namespace {

std::u16string collapseSpaces(std::u16string_view text)
{
    std::u16string result;
    for (char16_t c : text) {
        if (c == u' ' && (result.empty() || result.back() == u' '))
            continue;
        result += c;
    }
    while (!result.empty() && result.back() == u' ') result.pop_back();
    return result;
}

// A transcription is a "/.../" run that starts a word of the heading.
std::u16string withoutTranscription(std::u16string_view line)
{
    std::u16string result;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == u'/' && (i == 0 || line[i - 1] == u' ')) {
            std::size_t close = line.find(u'/', i + 1);
            if (close != std::u16string_view::npos) {
                i = close + 1;
                continue;
            }
        }
        result += line[i++];
    }
    return collapseSpaces(result);
}

std::u16string_view withoutNumber(std::u16string_view line)
{
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= u'0' && line[digits] <= u'9') ++digits;
    if (digits > 0 && line.substr(digits, 2) == u". ")
        return core::trimSpacesView(line.substr(digits + 2));
    return line;
}

}  // namespace

FreeDictEntry parseFreeDictEntry(std::u16string_view text)
{
    FreeDictEntry entry;
    bool first = true;
    while (!text.empty()) {
        std::size_t end = text.find(u'\n');
        std::u16string_view line = text.substr(0, end);
        text.remove_prefix(end == std::u16string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        if (first) {
            entry.heading = withoutTranscription(line);
            first = false;
            continue;
        }
        std::u16string trimmed = collapseSpaces(core::trimSpacesView(line));
        if (!trimmed.empty())
            entry.lines.push_back(std::move(trimmed));
    }
    return entry;
}

std::u16string joinSenses(const std::vector<std::u16string>& lines)
{
    std::vector<std::u16string_view> senses;
    for (const std::u16string& line : lines) {
        std::u16string_view rest = withoutNumber(line);
        while (!rest.empty()) {
            std::size_t comma = rest.find(u", ");
            std::u16string_view sense = core::trimSpacesView(rest.substr(0, comma));
            rest.remove_prefix(comma == std::u16string_view::npos ? rest.size() : comma + 2);
            if (!sense.empty() && std::find(senses.begin(), senses.end(), sense) == senses.end())
                senses.push_back(sense);
        }
    }
    std::u16string joined;
    for (std::u16string_view sense : senses) {
        if (!joined.empty())
            joined += u", ";
        joined += sense;
    }
    return joined;
}

std::u16string detailsText(const FreeDictEntry& entry)
{
    std::u16string text = entry.heading;
    for (const std::u16string& line : entry.lines) {
        if (!text.empty())
            text += u'\n';
        text += line;
    }
    return text;
}

}  // namespace quillet::tool
