#pragma once
// Record-level access to the user files (.dcu words, .dtu notes). Terms are
// compared exactly, after leading and trailing spaces are removed from both
// sides. A record whose term is empty is deleted and matches no word.

#include "dictionary/DictionaryFiles.h"
#include "dictionary/RecordFile.h"
#include "dictionary/Records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::dictionary {

// Number of the first record whose term equals `word`, or 0 when none does
// (also for an empty word).
std::int32_t findFirstUserRecord(const RecordFile& file, std::u16string_view word);

struct UserEntry
{
    std::u16string translation;
    std::u16string note;  // empty: the word has no user note
};

// A word's user entry, the one rule for the lookup, the editor's load and
// saveUserEntry: the first word record with the word gives the translation,
// the last note record with it gives the note, so a word with several note
// records shows the note the editor loads and rewrites. Nothing when no word
// record has the word; the note is read only when `wantNote` is set.
std::optional<UserEntry> readUserEntry(DictionaryFiles& files, std::u16string_view word,
                                       bool wantNote);

// Whether `record` can be written to `file`: fits the record length, and every
// character has a Windows-1252 byte.
RecordError checkUserRecord(const RecordFile& file, const EntryRecord& record);

// Writes `record` as record `number` (0: append after the last record).
RecordError writeUserRecord(RecordFile& file, std::int32_t number, const EntryRecord& record);

enum class UserEntryTarget { Word, Note };

struct UserSaveResult
{
    RecordError error = RecordError::None;
    UserEntryTarget failed = UserEntryTarget::Word;  // which record was refused
    // TooLong: the most characters the refused record's body (translation or
    // note) can hold beside this word, the word's surrounding spaces counted.
    std::size_t room = 0;
    // NotWindows1252: the first character, word first, the code page cannot
    // hold; a surrogate pair is one character, a lone surrogate its own.
    char32_t character = 0;
};

// Saves a user entry as the editor does: the word record (term = word, body =
// translation; an empty translation deletes it) rewritten in place or
// appended, then likewise the note record, the one readUserEntry reads. Both
// records are checked before either is written, so a refusal leaves both
// files unchanged. The caller supplies the texts already in the case to
// store. Running copies of the program take turns under a lock of the user
// files, and each re-reads them first, so none overwrites an entry another
// saved.
UserSaveResult saveUserEntry(DictionaryFiles& files, std::u16string_view word,
                             std::u16string_view translation, std::u16string_view note);

}  // namespace quillet::dictionary
