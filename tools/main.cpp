// quillet-dict: builds, inspects and tries out dictionary file sets.

#include "Command.h"
#include "TranslateCommand.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "core/Utf8.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <shellapi.h>
#endif

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

// The arguments in UTF-8, as paths are made from (core::pathFromText).
std::vector<std::string> utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    // Windows gives main() its arguments in the legacy code page, which
    // cannot hold every letter of a file name; the wide ones hold all.
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i)
        arguments.push_back(quillet::core::toUtf8(
            std::u16string(wide[i], wide[i] + std::char_traits<wchar_t>::length(wide[i]))));
    ::LocalFree(wide);
    // The console shows what is printed, UTF-8, as UTF-8; and the streams
    // carry bytes as they are: no CR added before LF, no end at a Ctrl+Z.
    ::SetConsoleOutputCP(CP_UTF8);
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    return arguments;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = utf8Arguments(argc, argv);
    if (arguments.size() < 2) {
        printUsage(std::cerr);
        return quillet::tool::exitUsage;
    }
    const std::string_view name = arguments[1];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(std::cout);
        return quillet::tool::exitOk;
    }
    for (const Command& command : kCommands) {
        if (command.name == name) {
            return command.run(
                quillet::tool::CommandArguments(arguments.begin() + 2, arguments.end()), std::cout,
                std::cerr);
        }
    }
    std::cerr << "quillet-dict: unknown command '" << name << "'\n";
    printUsage(std::cerr);
    return quillet::tool::exitUsage;
}
