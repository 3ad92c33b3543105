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
// has an empty "line" and "details", "found" false and no possibilities.

#include "TranslateCommand.h"

#include "CommandErrors.h"
#include "JsonText.h"

#include "core/Messages.h"
#include "core/SharedState.h"
#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"
#include "translation/Capture.h"
#include "translation/ResultDisplay.h"
#include "translation/Translator.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <string>

namespace quillet::tool {

namespace {

namespace dict = quillet::dictionary;
namespace tr = quillet::translation;

constexpr std::string_view kUsage = "translate [--language 0|1] APPFOLDER ROW";

// Keeps what the windows would show.
class TextView : public tr::ResultView
{
public:
    void setSearchBoxText(std::u16string_view text) override { searchBox = text; }
    void setSearchBoxWidth(int) override {}
    void repaintSearchBox() override {}
    void setDetailsButtonVisible(bool) override {}
    void setBusyPointer(bool) override {}
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override
    {
        terms.at(static_cast<std::size_t>(slot)) = term;
    }
    void setPossibilityTranslation(int slot, std::u16string_view translation) override
    {
        translations.at(static_cast<std::size_t>(slot)) = translation;
    }
    void repaintDetails() override {}

    std::u16string searchBox;
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
                throw UsageError("--language must be 0 (Portuguese) or 1 (English), not '" +
                                 value + "'");
            parsed.language = static_cast<std::int16_t>(value == "1");
        } else if (arguments[i].starts_with("--")) {
            throw UsageError("unknown option '" + arguments[i] + "'");
        } else {
            positional.push_back(arguments[i]);
        }
    }
    if (positional.size() != 2)
        throw UsageError("translate takes an application folder and a row");
    parsed.folder = positional[0];
    parsed.row = dict::parseRow(core::fromUtf8(positional[1]));
    if (parsed.row < 0)
        throw UsageError("ROW must be a whole number from 0 to 50, not '" + positional[1] + "'");
    return parsed;
}

void printLine(std::ostream& out, std::u16string_view captured, bool ignored,
               std::u16string_view line, bool found, std::u16string_view details,
               const TextView& view, int possibilities)
{
    out << "{\"captured\": " << jsonString(captured)
        << ", \"ignored\": " << (ignored ? "true" : "false") << ", \"line\": " << jsonString(line)
        << ", \"found\": " << (found ? "true" : "false") << ", \"details\": " << jsonString(details)
        << ", \"possibilities\": [";
    for (int slot = 0; slot < possibilities; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        out << (slot == 0 ? "" : ", ") << "{\"term\": " << jsonString(view.terms[index])
            << ", \"translation\": " << jsonString(view.translations[index]) << "}";
    }
    out << "]}\n";
}

}  // namespace

int runTranslateCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runTranslateCommand(arguments, std::cin, out, err);
}

int runTranslateCommand(const CommandArguments& arguments, std::istream& in, std::ostream& out,
                        std::ostream& err)
{
    return runGuarded(err, kUsage, [&] {
        const Arguments parsed = parseArguments(arguments);
        if (!std::filesystem::is_directory(parsed.folder))
            throw FileError(parsed.folder.string(), "no such folder");
        const std::string catalogue = (parsed.folder / "dictionaries.cfg").string();

        core::SharedState state;
        state.interfaceLanguage = parsed.language;
        core::loadMessages(state);
        state.appFolder = core::fromUtf8((parsed.folder / "").string());
        state.activeDictionary = static_cast<std::int16_t>(parsed.row);
        const dict::CatalogueResult loaded = dict::LoadDictionaryCatalogue(state, parsed.folder);
        if (!loaded.usable)
            throw FileError(catalogue, "missing, unreadable or without a usable line");
        if (state.activeDictionary != parsed.row)
            throw FileError(catalogue, "has no row " + std::to_string(parsed.row));

        dict::DictionaryFiles files;
        const dict::Activation activation = dict::OpenDictionaryFiles(files, state);
        if (!activation.failures.empty()) {
            const dict::OpenFailure& failure = activation.failures.front();
            throw FileError(failure.path.string(), failure.reason);
        }

        TextView view;
        tr::ResultDisplay display(view, state);
        const tr::WordLookup lookup = [&](std::u16string_view word, bool wantDetails) {
            return dict::LookupWord(files, state, word, wantDetails);
        };
        // The splash window has long closed by the time anything is copied.
        state.splashClosed = true;

        std::string bytes;
        while (std::getline(in, bytes)) {
            std::u16string clipboard = core::fromUtf8(bytes);
            if (!clipboard.empty() && clipboard.back() == u'\r')
                clipboard.push_back(u'\n');

            const tr::CaptureDecision decision = tr::decideCapture(clipboard, state);
            if (!decision.translate) {
                printLine(out, core::toLower(core::trimSpacesView(clipboard)), true, u"", false,
                          u"", view, 0);
                continue;
            }
            state.lastTranslation.clear();
            state.lastDetails.clear();
            std::u16string searchText = decision.capturedText;
            const std::u16string line = tr::translateSearchText(searchText, state, lookup, display);
            tr::recordCapture(state, decision);
            printLine(out, decision.capturedText, false, line, display.found(), view.details, view,
                      display.possibilityCount());
        }
        out.flush();
        if (!out)
            throw FileError("standard output", "cannot be written");
        return int{exitOk};
    });
}

}  // namespace quillet::tool
