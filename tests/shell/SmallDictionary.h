#pragma once
// Writes a complete installation for start-up tests: the two page files, the
// catalogue and a small English-Portuguese dictionary made with the engine's
// own encoder and record writer. Details records are aligned with the main
// records, as the catalogue line says.

#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/Records.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillet::testing {

struct SmallEntry
{
    std::u16string headword;
    std::u16string translation;
    std::u16string note;
};

inline std::u16string encodedField(std::u16string_view plain)
{
    std::u16string stored;
    if (dictionary::encodeField(plain, stored) != dictionary::EncodeError::None)
        throw std::invalid_argument("field cannot be encoded");
    return stored;
}

inline void appendRecord(std::ofstream& out, const dictionary::EntryRecord& record,
                         std::size_t length)
{
    std::string bytes;
    if (dictionary::serializeEntry(record, length, bytes) != dictionary::RecordError::None)
        throw std::invalid_argument("record does not fit");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void writeTextFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// `entries` must be sorted by headword; one index block covers them all.
inline void writeSmallDictionary(const std::filesystem::path& folder, const std::string& stem,
                                 const std::vector<SmallEntry>& entries)
{
    std::ofstream main(folder / (stem + ".qlc"), std::ios::binary | std::ios::trunc);
    std::ofstream details(folder / (stem + ".pdt"), std::ios::binary | std::ios::trunc);
    for (const SmallEntry& entry : entries) {
        appendRecord(main, {encodedField(entry.headword), encodedField(entry.translation)},
                     dictionary::kShortRecordLength);
        appendRecord(details, {encodedField(dictionary::detailsKey(entry.headword)), entry.note},
                     dictionary::kLongRecordLength);
    }
    std::ofstream index(folder / (stem + ".ind"), std::ios::binary | std::ios::trunc);
    std::string bytes;
    if (dictionary::serializeIndex({u"a", 1}, bytes) != dictionary::RecordError::None)
        throw std::invalid_argument("index record does not fit");
    index.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    writeTextFile(folder / (stem + ".dcu"), "");
    writeTextFile(folder / (stem + ".dtu"), "");
}

// Pages, catalogue and two dictionaries: row 0 English-Portuguese with
// speech, row 1 Portuguese-English without; both with aligned details.
inline void writeInstallation(const std::filesystem::path& folder)
{
    writeTextFile(folder / "quillet.htm", "<html>pt</html>");
    writeTextFile(folder / "quillete.htm", "<html>en</html>");
    writeTextFile(folder / "dictionaries.cfg",
                  "Ingl\xC3\xAAs-Portugu\xC3\xAAs|English-Portuguese|engpor|0|S|S\r\n"
                  "Portugu\xC3\xAAs-Ingl\xC3\xAAs|Portuguese-English|poreng|1|N|S\r\n");
    writeSmallDictionary(folder, "engpor",
                         {
                             {u"cat", u"gato", u"gato: animal doméstico"},
                             {u"house", u"casa, lar", u"house (n.): casa; (v.) alojar"},
                             {u"housing", u"habitação", u"housing (n.): habitação"},
                             {u"word", u"palavra", u"word (n.): palavra, termo"},
                         });
    writeSmallDictionary(folder, "poreng",
                         {
                             {u"casa", u"house, home", u"casa (s.f.): house"},
                             {u"gato", u"cat", u"gato (s.m.): cat"},
                         });
}

inline std::string readTextFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillet::testing
