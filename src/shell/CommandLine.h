#pragma once
// The program's command line, read before Qt starts, so that the help and
// the version need no display. The program has no arguments of its own
// beyond these two; Qt's own window options (-platform, -display, -style
// and the like, with one dash or two) are left to Qt.

#include <string>

namespace quillet::shell {

struct CommandLine
{
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::string refused;         // the first argument that is not an option here
    bool platformNamed = false;  // -platform: Qt is told which platform, display or not
};

CommandLine readCommandLine(int argc, const char* const* argv);

// What --help prints: the usage line and the options, ending with a line break.
std::string usageText();

// Answers a command line that does not run the program: the help or the
// version on standard output, status 0; a refusal and the usage on standard
// error, status 2. Returns the program's exit status.
int answerCommandLine(const CommandLine& line);

}  // namespace quillet::shell
