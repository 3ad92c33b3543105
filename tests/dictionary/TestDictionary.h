#pragma once
// Builds small dictionary file sets for tests, with the engine's own encoder
// and record writer.

#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/Records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace quillet::dictionary::testing {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        // Each test runs in its own process under ctest, so the name must be unique across
        // processes.
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        const std::string unique =
            "quillet-dict-" + std::to_string(random()) + std::to_string(random());
        m_path = base / unique;
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline std::string recordOf(const EntryRecord& record, std::size_t length = kShortRecordLength)
{
    std::string bytes;
    EXPECT_EQ(serializeEntry(record, length, bytes), RecordError::None);
    return bytes;
}

inline std::u16string encoded(std::u16string_view plain)
{
    std::u16string stored;
    EXPECT_EQ(encodeField(plain, stored), EncodeError::None);
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
    return recordOf({encoded(detailsKey(headword)), std::u16string(note)}, kLongRecordLength);
}

inline std::string indexRecord(std::u16string_view key, std::int32_t first)
{
    std::string bytes;
    EXPECT_EQ(serializeIndex({std::u16string(key), first}, bytes), RecordError::None);
    return bytes;
}

inline std::string userRecord(std::u16string_view term, std::u16string_view body,
                              std::size_t length = kShortRecordLength)
{
    return recordOf({std::u16string(term), std::u16string(body)}, length);
}

inline void writeFile(const std::filesystem::path& path, const std::vector<std::string>& records)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& record : records) {
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

struct DictionaryContent
{
    std::vector<std::string> main;
    std::vector<std::string> index;
    std::vector<std::string> details;
    std::vector<std::string> user;
    std::vector<std::string> userDetails;
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

}  // namespace quillet::dictionary::testing
