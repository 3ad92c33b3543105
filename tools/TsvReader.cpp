#include "TsvReader.h"

#include "LineReader.h"
#include "ToolError.h"

#include "core/Utf8.h"

namespace quillet::tool {

namespace {

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// In the details field a backslash and n stand for a line break, two
// backslashes for one.
std::u16string unescapeDetails(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() &&
            (text[i + 1] == u'n' || text[i + 1] == u'\\')) {
            result += text[i + 1] == u'n' ? u'\n' : u'\\';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<SourceEntry> readEntries(LineReader& lines)
{
    std::vector<SourceEntry> entries;
    while (lines.next()) {
        std::string_view line = lines.line();
        if (lines.number() == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        if (line.empty())
            continue;
        const std::string where = lines.where();
        if (!core::isValidUtf8(line))
            throw FileError(where, "not valid UTF-8");
        auto fields = splitTabs(line);
        if (fields.size() < 2 || fields.size() > 3)
            throw FileError(where, "expected headword<TAB>translation[<TAB>details], found " +
                                       std::to_string(fields.size()) + " field(s)");
        SourceEntry entry;
        entry.headword = core::fromUtf8(fields[0]);
        entry.translation = core::fromUtf8(fields[1]);
        if (fields.size() == 3)
            entry.details = unescapeDetails(core::fromUtf8(fields[2]));
        entry.origin = lines.number();
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

std::vector<SourceEntry> parseTsv(std::string_view bytes, const std::string& fileName)
{
    LineReader lines(bytes, fileName);
    return readEntries(lines);
}

std::vector<SourceEntry> readTsvFile(const std::filesystem::path& path)
{
    LineReader lines(path);
    return readEntries(lines);
}

}  // namespace quillet::tool
