#pragma once
// Builds small dictionary file sets for tests with the engine's own encoder
// and record writer. Plain C++: a fixture that cannot be built throws
// std::invalid_argument, which GoogleTest and Qt Test both report as a failure.

#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/Records.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet::testsupport {

inline void require(bool fixtureBuilt)
{
    if (!fixtureBuilt)
        throw std::invalid_argument("the test's dictionary fixture cannot be built");
}

inline std::string recordOf(const dictionary::EntryRecord& record,
                            std::size_t length = dictionary::kShortRecordLength)
{
    std::string bytes;
    require(dictionary::serializeEntry(record, length, bytes) == dictionary::RecordError::None);
    return bytes;
}

inline std::u16string encoded(std::u16string_view plain)
{
    std::u16string stored;
    require(dictionary::encodeField(plain, stored) == dictionary::EncodeError::None);
    return stored;
}

// Main records have both fields encoded, details records only the key, user
// records neither.
inline std::string mainRecord(std::u16string_view term, std::u16string_view body)
{
    return recordOf({encoded(term), encoded(body)});
}

inline std::string detailsRecord(std::u16string_view headword, std::u16string_view note)
{
    return recordOf({encoded(dictionary::detailsKey(headword)), std::u16string(note)},
                    dictionary::kLongRecordLength);
}

inline std::string userRecord(std::u16string_view term, std::u16string_view body,
                              std::size_t length = dictionary::kShortRecordLength)
{
    return recordOf({std::u16string(term), std::u16string(body)}, length);
}

inline std::string indexRecord(std::u16string_view key, std::int32_t first)
{
    std::string bytes;
    require(dictionary::serializeIndex({std::u16string(key), first}, bytes) ==
            dictionary::RecordError::None);
    return bytes;
}

inline void writeTextFile(const std::filesystem::path& path, std::string_view text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Records per file, in the order main, index, details, user, user details;
// files not given are empty.
using DictionaryContent = std::vector<std::vector<std::string>>;

inline void writeDictionary(const std::filesystem::path& folder, const std::string& stem,
                            DictionaryContent content)
{
    content.resize(5);
    const char* extensions[] = {".qlc", ".ind", ".pdt", ".dcu", ".dtu"};
    for (std::size_t file = 0; file < content.size(); ++file) {
        std::ofstream out(folder / (stem + extensions[file]), std::ios::binary | std::ios::trunc);
        for (const std::string& record : content[file]) out << record;
    }
}

// A term and its text.
using Entry = std::pair<std::u16string, std::u16string>;

// Plain texts per file; `main` must be sorted by headword. One index block
// covers the whole main file.
struct PlainDictionary
{
    std::vector<Entry> main{};
    std::vector<Entry> details{};  // headword and note
    std::vector<Entry> user{};
    std::vector<Entry> userDetails{};
};

inline void writePlainDictionary(const std::filesystem::path& folder, const std::string& stem,
                                 const PlainDictionary& plain)
{
    DictionaryContent content(5);
    content[1].push_back(indexRecord(u"a", 1));
    for (const auto& [term, body] : plain.main) content[0].push_back(mainRecord(term, body));
    for (const auto& [headword, note] : plain.details)
        content[2].push_back(detailsRecord(headword, note));
    for (const auto& [term, body] : plain.user) content[3].push_back(userRecord(term, body));
    for (const auto& [term, note] : plain.userDetails)
        content[4].push_back(userRecord(term, note, dictionary::kLongRecordLength));
    writeDictionary(folder, stem, content);
}

// A complete installation: the two page files, the catalogue and two small
// dictionaries with aligned details: row 0 English-Portuguese with speech,
// row 1 Portuguese-English without.
inline void writeInstallation(const std::filesystem::path& folder)
{
    writeTextFile(folder / "quillet.htm", "<html>pt</html>");
    writeTextFile(folder / "quillete.htm", "<html>en</html>");
    writeTextFile(folder / "dictionaries.cfg",
                  "Ingl\xC3\xAAs-Portugu\xC3\xAAs|English-Portuguese|engpor|0|S|S\r\n"
                  "Portugu\xC3\xAAs-Ingl\xC3\xAAs|Portuguese-English|poreng|1|N|S\r\n");
    writePlainDictionary(folder, "engpor",
                         {{{u"cat", u"gato"},
                           {u"house", u"casa, lar"},
                           {u"housing", u"habitação"},
                           {u"word", u"palavra"}},
                          {{u"cat", u"gato: animal doméstico"},
                           {u"house", u"house (n.): casa; (v.) alojar"},
                           {u"housing", u"housing (n.): habitação"},
                           {u"word", u"word (n.): palavra, termo"}}});
    writePlainDictionary(folder, "poreng",
                         {{{u"casa", u"house, home"}, {u"gato", u"cat"}},
                          {{u"casa", u"casa (s.f.): house"}, {u"gato", u"gato (s.m.): cat"}}});
}

}  // namespace quillet::testsupport
