#pragma once
// One subcommand of quillet-dict. A command reads its own arguments (the
// words after its name) and writes to the two streams it is given, so tests
// can run it without a process.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::tool {

enum ExitStatus : int {
    exitOk = 0,
    exitFailure = 1,  // unreadable or damaged input, unwritable output
    exitUsage = 2,    // bad arguments
};

using CommandArguments = std::vector<std::string>;
using CommandFunction = int (*)(const CommandArguments& arguments, std::ostream& out,
                                std::ostream& err);

struct Command
{
    std::string_view name;
    std::string_view synopsis;  // the arguments after the name, for the usage text
    std::string_view summary;
    CommandFunction run;
};

int runBuildCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int runImportDictdCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int runDumpCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);
int runLookupCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace quillet::tool
