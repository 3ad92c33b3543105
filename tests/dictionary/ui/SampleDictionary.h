#pragma once
// Small dictionary file sets for the window tests, written with the engine's
// own encoder and record writer into a temporary folder.

#include "core/SharedState.h"
#include "dictionary/Catalogue.h"
#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"
#include "dictionary/Records.h"
#include "platform/qt/QtText.h"

#include <QTemporaryDir>
#include <QtGlobal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace quillet::dictionary::uitest {

struct Entry
{
    std::u16string term;
    std::u16string body;
};

inline std::string recordBytes(const EntryRecord& record, std::size_t length)
{
    std::string bytes;
    if (serializeEntry(record, length, bytes) != RecordError::None)
        qFatal("sample record does not fit");
    return bytes;
}

inline std::u16string encodedField(std::u16string_view plain)
{
    std::u16string stored;
    if (encodeField(plain, stored) != EncodeError::None)
        qFatal("sample text cannot be encoded");
    return stored;
}

struct SampleContent
{
    std::vector<Entry> main;     // plain headwords and translations
    std::vector<Entry> details;  // plain headwords and notes
    std::vector<Entry> user;
    std::vector<Entry> userDetails;
};

inline void writeRecords(const std::filesystem::path& path, const std::vector<std::string>& records)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& record : records)
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
}

inline std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One index block holding the whole main file.
inline void writeSample(const std::filesystem::path& folder, const std::string& stem,
                        const SampleContent& content)
{
    std::vector<std::string> main;
    for (const Entry& entry : content.main)
        main.push_back(
            recordBytes({encodedField(entry.term), encodedField(entry.body)}, kShortRecordLength));
    std::vector<std::string> details;
    for (const Entry& entry : content.details)
        details.push_back(
            recordBytes({encodedField(detailsKey(entry.term)), entry.body}, kLongRecordLength));
    std::vector<std::string> user;
    for (const Entry& entry : content.user)
        user.push_back(recordBytes({entry.term, entry.body}, kShortRecordLength));
    std::vector<std::string> userDetails;
    for (const Entry& entry : content.userDetails)
        userDetails.push_back(recordBytes({entry.term, entry.body}, kLongRecordLength));

    std::string index;
    if (serializeIndex({u"a", 1}, index) != RecordError::None)
        qFatal("sample index does not fit");

    writeRecords(folder / (stem + ".qlc"), main);
    writeRecords(folder / (stem + ".ind"), {index});
    writeRecords(folder / (stem + ".pdt"), details);
    writeRecords(folder / (stem + ".dcu"), user);
    writeRecords(folder / (stem + ".dtu"), userDetails);
}

inline std::filesystem::path folderOf(const QTemporaryDir& dir)
{
    return std::filesystem::path(dir.path().toStdString());
}

// appFolder as the program keeps it: ending with the separator.
inline std::u16string appFolderOf(const QTemporaryDir& dir)
{
    return platform::toU16(dir.path() + QLatin1Char('/'));
}

}  // namespace quillet::dictionary::uitest
