// quillet-dict: builds, inspects and tries out dictionary file sets.

#include "Command.h"
#include "TranslateCommand.h"

#include <cstdio>
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
std::vector<std::string> utf8Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
#ifdef _WIN32
    // Windows gives main() its arguments in the legacy code page, which
    // cannot hold every letter of a file name; the wide ones hold all.
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i)
        arguments.push_back(quillet::core::toUtf8(
            std::u16string(wide[i], wide[i] + std::char_traits<wchar_t>::length(wide[i]))));
    ::LocalFree(wide);
    return arguments;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

// On Windows the console shows what is printed, UTF-8, as UTF-8, and the
// standard streams carry bytes as they are: no CR added before LF, no end of
// input at a Ctrl+Z. Elsewhere they do already.
void useUtf8ByteStreams()
{
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
    for (std::FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = utf8Arguments(argc, argv);
    useUtf8ByteStreams();
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
