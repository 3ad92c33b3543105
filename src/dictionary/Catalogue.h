#pragma once
// The catalogue of installed dictionaries, "dictionaries.cfg" in the
// application folder: one line per dictionary, fields split at every "|" and
// kept exactly as read (no trimming), in the order of core::CatalogueField:
//   Portuguese name | English name | file stem | row, a whole number 0..50 |
//   "S": pronunciation | "S": details aligned
// Further fields are ignored. The file is read as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252; a trailing carriage return of a line is dropped.
// Lines with fewer than six fields, another row text or an unusable file stem
// are skipped; lines may come in any order; a later line for the same row
// replaces an earlier one. A file that is not regular or exceeds 1 MiB is
// unusable.

#include "core/SharedState.h"
#include "dictionary/DictionaryFiles.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::platform {
class Dialogs;
}

namespace quillet::dictionary {

inline constexpr std::u16string_view kCatalogueFileName = u"dictionaries.cfg";

struct ChooserEntry
{
    int row = 0;
    std::u16string name;  // in the interface language
};

struct CatalogueResult
{
    // False when the file is missing, unreadable or has no usable line: the
    // program must show messages 3 and 4 and end.
    bool usable = false;
    std::vector<ChooserEntry> entries;  // in row order
    int selected = -1;                  // position in `entries` of the active row
    // The user's own catalogue when it had no usable line and the one in
    // appFolder was read instead; empty otherwise.
    std::filesystem::path unusableUserCatalogue;
    // The catalogue file read, usable or not; empty for text parsed directly.
    std::filesystem::path path;
};

// The row number of a catalogue field, or -1 when it is not a whole number 0..50.
int parseRow(std::u16string_view field);

// A file stem names files inside the application folder and nowhere else: not
// empty, not "." or "..", and without a path separator ("/" or backslash), NUL or
// any other control character.
bool isUsableStem(std::u16string_view stem);

// Parses catalogue text (already decoded) into state.dictionaryTable, which is
// cleared first. When state.activeDictionary names no row present it becomes
// the lowest row present.
CatalogueResult loadCatalogueText(core::SharedState& state, std::u16string_view text);

// Decodes catalogue bytes: UTF-8 when valid, otherwise Windows-1252.
std::u16string decodeCatalogueBytes(std::string_view bytes);

// Reads `folder` / "dictionaries.cfg" and does loadCatalogueText.
CatalogueResult LoadDictionaryCatalogue(core::SharedState& state,
                                        const std::filesystem::path& folder);
// The same for the user's catalogue when state.userFolder holds one (a user
// adds dictionaries without writing to the installed folder) with a usable
// line, otherwise for the one in state.appFolder.
CatalogueResult LoadDictionaryCatalogue(core::SharedState& state);

// The folder of a dictionary's main, index and details files: the user's
// folder when the main file lies there (a dictionary the user added), else
// the application folder. Its user files always lie in the user's folder.
std::filesystem::path dictionaryFolder(const core::SharedState& state, std::u16string_view stem);

// Shows the missing-catalogue box (message 3, title message 4, critical icon).
void showCatalogueMissing(platform::Dialogs& dialogs, const core::SharedState& state);

// The start-up activation failure: the coded error report "A07" / "QL".
void reportActivationFailure(platform::Dialogs& dialogs, const core::SharedState& state);

// The name of `row` in the interface language.
std::u16string dictionaryName(const core::SharedState& state, int row);

// What the windows must show after an activation.
struct Activation
{
    std::vector<OpenFailure> failures;  // empty: all five files opened
    bool pronunciationEnabled = false;  // the pronunciation flag is exactly "S"
};

// Opens the five files of state.activeDictionary (its file stem): the
// read-only three from state.userFolder when its main file is there,
// otherwise from state.appFolder; the user's two from state.userFolder.
// An empty userFolder stands for appFolder. At start-up a failure of a
// read-only file means: release always-on-top, report "A07"/"QL" and end the
// program; the user's files are reported (UserFileReport.h) and done without.
Activation OpenDictionaryFiles(DictionaryFiles& files, core::SharedState& state);

// The chooser's OK: makes `row` active, forgets the last captured text and
// reopens the files; failures are to be ignored by the caller. The caller also
// stops the clipboard timer, clears the clipboard, resets the main window to
// its idle look and hides the chooser.
Activation switchDictionary(DictionaryFiles& files, core::SharedState& state, int row);

}  // namespace quillet::dictionary
