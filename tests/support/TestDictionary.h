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
#include <vector>

namespace quillet::testsupport {

inline std::string recordOf(const dictionary::EntryRecord& record,
                            std::size_t length = dictionary::kShortRecordLength)
{
    std::string bytes;
    if (dictionary::serializeEntry(record, length, bytes) != dictionary::RecordError::None)
        throw std::invalid_argument("test record does not fit");
    return bytes;
}

inline std::u16string encoded(std::u16string_view plain)
{
    std::u16string stored;
    if (dictionary::encodeField(plain, stored) != dictionary::EncodeError::None)
        throw std::invalid_argument("test text cannot be encoded");
    return stored;
}

// A main-file record: both fields encoded.
inline std::string mainRecord(std::u16string_view term, std::u16string_view body)
{
    return recordOf({encoded(term), encoded(body)});
}

// A details record for `headword`: the key encoded, the note plain.
inline std::string detailsRecord(std::u16string_view headword, std::u16string_view note)
{
    return recordOf({encoded(dictionary::detailsKey(headword)), std::u16string(note)},
                    dictionary::kLongRecordLength);
}

inline std::string indexRecord(std::u16string_view key, std::int32_t first)
{
    std::string bytes;
    if (dictionary::serializeIndex({std::u16string(key), first}, bytes) !=
        dictionary::RecordError::None)
        throw std::invalid_argument("test index record does not fit");
    return bytes;
}

// User records are stored plain.
inline std::string userRecord(std::u16string_view term, std::u16string_view body,
                              std::size_t length = dictionary::kShortRecordLength)
{
    return recordOf({std::u16string(term), std::u16string(body)}, length);
}

inline void writeFile(const std::filesystem::path& path, const std::vector<std::string>& records)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& record : records)
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
}

inline void writeTextFile(const std::filesystem::path& path, std::string_view text)
{
    writeFile(path, {std::string(text)});
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Raw records per file, for tests that shape the files byte by byte.
struct DictionaryContent
{
    std::vector<std::string> main{};
    std::vector<std::string> index{};
    std::vector<std::string> details{};
    std::vector<std::string> user{};
    std::vector<std::string> userDetails{};
};

inline void writeDictionary(const std::filesystem::path& folder, const std::string& stem,
                            const DictionaryContent& content)
{
    writeFile(folder / (stem + ".qlc"), content.main);
    writeFile(folder / (stem + ".ind"), content.index);
    writeFile(folder / (stem + ".pdt"), content.details);
    writeFile(folder / (stem + ".dcu"), content.user);
    writeFile(folder / (stem + ".dtu"), content.userDetails);
}

struct Entry
{
    std::u16string term;
    std::u16string body;
};

// Plain texts per file; `main` must be sorted by headword.
struct PlainDictionary
{
    std::vector<Entry> main;
    std::vector<Entry> details;  // headword and note
    std::vector<Entry> user;
    std::vector<Entry> userDetails;
};

// One index block covers the whole main file.
inline void writePlainDictionary(const std::filesystem::path& folder, const std::string& stem,
                                 const PlainDictionary& plain)
{
    DictionaryContent content;
    for (const Entry& entry : plain.main)
        content.main.push_back(mainRecord(entry.term, entry.body));
    content.index.push_back(indexRecord(u"a", 1));
    for (const Entry& entry : plain.details)
        content.details.push_back(detailsRecord(entry.term, entry.body));
    for (const Entry& entry : plain.user)
        content.user.push_back(userRecord(entry.term, entry.body));
    for (const Entry& entry : plain.userDetails)
        content.userDetails.push_back(
            userRecord(entry.term, entry.body, dictionary::kLongRecordLength));
    writeDictionary(folder, stem, content);
}

struct NotedEntry
{
    std::u16string headword;
    std::u16string translation;
    std::u16string note;
};

// Details records aligned with the main records, one per headword.
inline PlainDictionary alignedDictionary(const std::vector<NotedEntry>& entries)
{
    PlainDictionary plain;
    for (const NotedEntry& entry : entries) {
        plain.main.push_back({entry.headword, entry.translation});
        plain.details.push_back({entry.headword, entry.note});
    }
    return plain;
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
                         alignedDictionary({
                             {u"cat", u"gato", u"gato: animal doméstico"},
                             {u"house", u"casa, lar", u"house (n.): casa; (v.) alojar"},
                             {u"housing", u"habitação", u"housing (n.): habitação"},
                             {u"word", u"palavra", u"word (n.): palavra, termo"},
                         }));
    writePlainDictionary(folder, "poreng",
                         alignedDictionary({
                             {u"casa", u"house, home", u"casa (s.f.): house"},
                             {u"gato", u"cat", u"gato (s.m.): cat"},
                         }));
}

}  // namespace quillet::testsupport
