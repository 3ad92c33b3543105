#pragma once
// translate: runs the clipboard watch and the translation routine over lines
// of text, each one a text the user copied, and prints one JSON object per
// line.

#include "Command.h"

#include <iosfwd>

namespace quillet::tool {

int runTranslateCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

// The same, reading the copied texts from `in`.
int runTranslateCommand(const CommandArguments& arguments, std::istream& in, std::ostream& out,
                        std::ostream& err);

}  // namespace quillet::tool
