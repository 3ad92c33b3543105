// lookup: the program's own word lookup on one dictionary of an application
// folder, details asked for.

#include "AppFolder.h"
#include "Command.h"
#include "CommandErrors.h"

#include "core/Paths.h"
#include "core/SharedState.h"
#include "core/Utf8.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/Lookup.h"

#include <ostream>

namespace quillet::tool {

namespace dict = quillet::dictionary;

int runLookupCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err)
{
    return runGuarded(
        err, "lookup APPFOLDER ROW WORD",
        [&] {
            if (arguments.size() != 3)
                throw UsageError("lookup takes an application folder, a row and a word");
            const int row = parseRowArgument(arguments[1]);

            core::SharedState state;
            dict::DictionaryFiles files;
            openAppFolderRow(core::pathFromText(arguments[0]), row, state, files, err);

            const core::LookupResult result =
                dict::LookupWord(files, state, core::fromUtf8(arguments[2]), true);
            out << "found: " << (result.found ? "yes" : "no") << "\n"
                << "translation: " << core::toUtf8(result.translation) << "\n"
                << "details: " << core::toUtf8(result.details) << "\n";
            return int{exitOk};
        });
}

}  // namespace quillet::tool
