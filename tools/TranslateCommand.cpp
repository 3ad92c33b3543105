// translate [--language 0|1] APPFOLDER ROW
//
// Each input line (UTF-8) is one clipboard text. A line that ended in CR LF
// is taken with its line break, as text copied together with the end of its
// line. The capture rules hold between consecutive lines as between
// consecutive copies: a line whose captured text equals the last translated
// one is ignored. Nothing else carries over from one line to the next.
//
// Output, one line per input line:
//   {"captured": "...", "ignored": false, "line": "...", "found": true,
//    "details": "...", "possibilities": [{"term": "...", "translation": "..."}]}
// "captured" is the text trimmed of spaces and lower-cased; an ignored line
// has an empty "line" and "details", "found" false and no possibilities, and
// so has a line whose run failed.

#include "TranslateCommand.h"

#include "AppFolder.h"
#include "CommandErrors.h"
#include "JsonText.h"

#include "core/Messages.h"
#include "core/Paths.h"
#include "core/SharedState.h"
#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "platform/Clipboard.h"
#include "translation/CaptureRun.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <string>

namespace quillet::tool {

namespace {

namespace dict = quillet::dictionary;
namespace tr = quillet::translation;

constexpr std::string_view kUsage = "translate [--language 0|1] APPFOLDER ROW";

// Keeps what the details window would show; the search box text is the run's line.
class TextView : public tr::DetailsView
{
public:
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override
    {
        terms.at(static_cast<std::size_t>(slot)) = term;
    }
    void setPossibilityTranslation(int slot, std::u16string_view translation) override
    {
        translations.at(static_cast<std::size_t>(slot)) = translation;
    }

    std::u16string details;
    std::array<std::u16string, tr::kPossibilitySlots> terms;
    std::array<std::u16string, tr::kPossibilitySlots> translations;
};

struct Arguments
{
    std::filesystem::path folder;
    int row = 0;
    std::int16_t language = 1;
};

Arguments parseArguments(const CommandArguments& arguments)
{
    Arguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--language") {
            if (i + 1 >= arguments.size())
                throw UsageError("--language needs a value, 0 or 1");
            const std::string& value = arguments[++i];
            if (value != "0" && value != "1")
                throw UsageError("--language must be 0 (Portuguese) or 1 (English), not '" + value +
                                 "'");
            parsed.language = static_cast<std::int16_t>(value == "1");
        } else if (arguments[i].starts_with("--")) {
            throw UsageError("unknown option '" + arguments[i] + "'");
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (positional.size() != 2)
        throw UsageError("translate takes an application folder and a row");
    parsed.folder = core::pathFromText(positional[0]);
    parsed.row = parseRowArgument(positional[1]);
    return parsed;
}

void printLine(std::ostream& out, std::u16string_view captured, const tr::CaptureRun& run,
               const TextView& view)
{
    out << "{\"captured\": " << jsonString(captured)
        << ", \"ignored\": " << (run.decision.translate ? "false" : "true")
        << ", \"line\": " << jsonString(run.line)
        << ", \"found\": " << (run.found ? "true" : "false")
        << ", \"details\": " << jsonString(run.finished ? view.details : u"")
        << ", \"possibilities\": [";
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(run.possibilityCount); ++slot) {
        out << (slot == 0 ? "" : ", ") << "{\"term\": " << jsonString(view.terms[slot])
            << ", \"translation\": " << jsonString(view.translations[slot]) << "}";
    }
    out << "]}\n";
}

// No clipboard service keeps a longer text than a line may hold.
constexpr std::size_t kLongestLine = platform::kClipboardTextBytes;

// Line `number` of `in` into `bytes`, without its LF; false at the end.
bool readCopiedText(std::istream& in, std::string& bytes, std::size_t number)
{
    bytes.clear();
    std::streambuf& buffer = *in.rdbuf();
    for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
        if (c == '\n')
            return true;
        if (bytes.size() == kLongestLine)
            throw FileError("standard input:" + std::to_string(number),
                            "line longer than " + std::to_string(kLongestLine) +
                                " bytes, more than the program keeps of a copied text");
        bytes.push_back(static_cast<char>(c));
    }
    return !bytes.empty();
}

}  // namespace

int runTranslateCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runTranslateCommand(arguments, std::cin, out, err);
}

int runTranslateCommand(const CommandArguments& arguments, std::istream& in, std::ostream& out,
                        std::ostream& err)
{
    return runGuarded(
        err, kUsage,
        [&] {
            const Arguments parsed = parseArguments(arguments);
            core::SharedState state;
            state.interfaceLanguage = parsed.language;
            core::loadMessages(state);
            dict::DictionaryFiles files;
            openAppFolderRow(parsed.folder, parsed.row, state, files, err);

            TextView view;
            const tr::WordLookup lookup = [&](std::u16string_view word, bool wantDetails) {
                return dict::LookupWord(files, state, word, wantDetails);
            };
            // The splash window has long closed by the time anything is copied.
            state.splashClosed = true;

            std::string bytes;
            for (std::size_t number = 1; readCopiedText(in, bytes, number); ++number) {
                std::u16string clipboard = core::fromUtf8(bytes);
                if (!clipboard.empty() && clipboard.back() == u'\r')
                    clipboard.push_back(u'\n');
                const tr::CaptureRun run =
                    tr::translateClipboardText(clipboard, state, lookup, view);
                printLine(out, core::toLower(core::trimSpacesView(clipboard)), run, view);
            }
            out.flush();
            if (!out)
                throw FileError("standard output", "cannot be written");
            return int{exitOk};
        });
}

}  // namespace quillet::tool
