#include "dictionary/UserRecords.h"

#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "dictionary/FileLock.h"

namespace quillet::dictionary {

namespace {

// The record of the word's user note: the last note record with the word.
std::int32_t findUserNote(const RecordFile& notes, std::u16string_view word)
{
    const std::u16string_view trimmed = core::trimSpacesView(word);
    if (trimmed.empty())
        return 0;
    for (std::int32_t number = notes.recordCount(); number >= 1; --number)
        if (plainFieldEquals(parseEntryView(notes.recordBytes(number)).term, trimmed))
            return number;
    return 0;
}

UserSaveResult refusal(RecordError error, UserEntryTarget target, const RecordFile& file,
                       const EntryRecord& record)
{
    UserSaveResult result{error, target};
    // Refused for its length, every character passed the code page: one byte each.
    const std::size_t capacity = entryTextCapacity(file.recordLength());
    if (error == RecordError::TooLong && record.term.size() < capacity)
        result.room = capacity - record.term.size();
    if (error == RecordError::NotWindows1252)
        result.character = core::firstNotInWindows1252(record.term + record.body);
    return result;
}

}  // namespace

std::int32_t findFirstUserRecord(const RecordFile& file, std::u16string_view word)
{
    const std::u16string_view trimmed = core::trimSpacesView(word);
    if (trimmed.empty())
        return 0;
    const std::int32_t count = file.recordCount();
    for (std::int32_t number = 1; number <= count; ++number)
        if (plainFieldEquals(parseEntryView(file.recordBytes(number)).term, trimmed))
            return number;
    return 0;
}

std::optional<UserEntry> readUserEntry(DictionaryFiles& files, std::u16string_view word,
                                       bool wantNote)
{
    const std::int32_t number = findFirstUserRecord(files.user(), word);
    if (number == 0)
        return std::nullopt;
    UserEntry entry{parseEntry(files.user().recordBytes(number)).body, {}};
    if (wantNote)
        if (const std::int32_t note = findUserNote(files.userDetails(), word); note > 0)
            entry.note = parseEntry(files.userDetails().recordBytes(note)).body;
    return entry;
}

RecordError checkUserRecord(const RecordFile& file, const EntryRecord& record)
{
    std::string bytes;
    return serializeEntry(record, file.recordLength(), bytes);
}

RecordError writeUserRecord(RecordFile& file, std::int32_t number, const EntryRecord& record)
{
    return file.write(number == 0 ? file.recordCount() + 1 : number, record);
}

UserSaveResult saveUserEntry(DictionaryFiles& files, std::u16string_view word,
                             std::u16string_view translation, std::u16string_view note)
{
    const EntryRecord wordRecord{translation.empty() ? std::u16string() : std::u16string(word),
                                 std::u16string(translation)};
    const EntryRecord noteRecord{note.empty() ? std::u16string() : std::u16string(word),
                                 std::u16string(note)};
    if (const RecordError error = checkUserRecord(files.user(), wordRecord);
        error != RecordError::None)
        return refusal(error, UserEntryTarget::Word, files.user(), wordRecord);
    if (const RecordError error = checkUserRecord(files.userDetails(), noteRecord);
        error != RecordError::None)
        return refusal(error, UserEntryTarget::Note, files.userDetails(), noteRecord);
    if (!files.user().isWritable())
        return {RecordError::NotOpen, UserEntryTarget::Word};
    if (!files.userDetails().isWritable())
        return {RecordError::NotOpen, UserEntryTarget::Note};
    // Another running copy may have saved since these files were read: under
    // the word file's lock, which guards both, re-read them so an entry is
    // found where it is now and an append lands at the real end.
    const FileLock lock(files.user().path());
    if (!files.user().refresh())
        return {RecordError::WriteFailed, UserEntryTarget::Word};
    if (!files.userDetails().refresh())
        return {RecordError::WriteFailed, UserEntryTarget::Note};
    const std::int32_t wordNumber = findFirstUserRecord(files.user(), word);
    const std::int32_t noteNumber = findUserNote(files.userDetails(), word);
    if (const RecordError error = writeUserRecord(files.user(), wordNumber, wordRecord);
        error != RecordError::None)
        return {error, UserEntryTarget::Word};
    if (const RecordError error = writeUserRecord(files.userDetails(), noteNumber, noteRecord);
        error != RecordError::None)
        return {error, UserEntryTarget::Note};
    return {};
}

}  // namespace quillet::dictionary
