// quillet-dict: builds, inspects and tries out dictionary file sets.

#include "Command.h"
#include "TranslateCommand.h"

#include <iostream>
#include <string_view>

namespace {

using quillet::tool::Command;

// One line per command. Commands defined in their own source file declare
// their function in Command.h and add a line here.
constexpr Command kCommands[] = {
    {"build", "--tsv FILE --out DIR --stem STEM",
     "build a dictionary from UTF-8 lines headword<TAB>translation[<TAB>details]",
     quillet::tool::runBuildCommand},
    {"import-dictd", "--index F.index --dict F.dict.dz --out DIR --stem STEM",
     "build a dictionary from a FreeDict dictd database", quillet::tool::runImportDictdCommand},
    {"dump", "FILE", "print every record of a .qlc, .ind, .pdt, .dcu or .dtu file as JSON Lines",
     quillet::tool::runDumpCommand},
    {"lookup", "APPFOLDER ROW WORD",
     "look WORD up in row ROW of APPFOLDER/dictionaries.cfg, as the program does",
     quillet::tool::runLookupCommand},
    {"translate", "[--language 0|1] APPFOLDER ROW",
     "translate each line of standard input as a copied text, printing JSON Lines",
     quillet::tool::runTranslateCommand},
};

void printUsage(std::ostream& stream)
{
    stream << "usage: quillet-dict COMMAND ARGUMENTS...\n\ncommands:\n";
    for (const Command& command : kCommands) {
        stream << "  " << command.name << " " << command.synopsis << "\n      " << command.summary
               << "\n";
    }
    stream << "\nExit status: 0 done, 1 a file could not be read or written, 2 bad arguments.\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return quillet::tool::exitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(std::cout);
        return quillet::tool::exitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name == name) {
            quillet::tool::CommandArguments arguments(argv + 2, argv + argc);
            return command.run(arguments, std::cout, std::cerr);
        }
    }
    std::cerr << "quillet-dict: unknown command '" << name << "'\n";
    printUsage(std::cerr);
    return quillet::tool::exitUsage;
}
