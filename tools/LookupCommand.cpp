// lookup: the program's own word lookup on one dictionary of an application
// folder, details asked for.

#include "Command.h"
#include "CommandErrors.h"

#include "core/SharedState.h"
#include "core/Utf8.h"
#include "dictionary/Catalogue.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"

#include <filesystem>
#include <ostream>

namespace quillet::tool {

namespace dict = quillet::dictionary;

int runLookupCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runGuarded(err, "lookup APPFOLDER ROW WORD", [&] {
        if (arguments.size() != 3)
            throw UsageError("lookup takes an application folder, a row and a word");
        const int row = dict::parseRow(core::fromUtf8(arguments[1]));
        if (row < 0)
            throw UsageError("ROW must be a whole number from 0 to 50, not '" + arguments[1] + "'");

        const std::filesystem::path folder = arguments[0];
        const std::string catalogue = (folder / "dictionaries.cfg").string();
        if (!std::filesystem::is_directory(folder))
            throw FileError(arguments[0], "no such folder");

        core::SharedState state;
        state.appFolder = core::fromUtf8((folder / "").string());
        state.activeDictionary = static_cast<std::int16_t>(row);
        const dict::CatalogueResult loaded = dict::LoadDictionaryCatalogue(state, folder);
        if (!loaded.usable)
            throw FileError(catalogue, "missing, unreadable or without a usable line");
        if (state.activeDictionary != row)
            throw FileError(catalogue, "has no row " + std::to_string(row));

        dict::DictionaryFiles files;
        const dict::Activation activation = dict::OpenDictionaryFiles(files, state);
        if (!activation.failures.empty()) {
            const dict::OpenFailure& failure = activation.failures.front();
            throw FileError(failure.path.string(), failure.reason);
        }

        const bool found = dict::LookupWord(files, state, core::fromUtf8(arguments[2]), true);
        out << "found: " << (found ? "yes" : "no") << "\n"
            << "translation: " << core::toUtf8(state.lastTranslation) << "\n"
            << "details: " << core::toUtf8(state.lastDetails) << "\n";
        return int{exitOk};
    });
}

}  // namespace quillet::tool
