#pragma once
// Runs a command body and turns its errors into an exit status and a message.

#include "Command.h"
#include "ToolError.h"

#include <ostream>
#include <string_view>

namespace quillet::tool {

template <typename Body>
int runGuarded(std::ostream& err, std::string_view usage, Body body)
{
    try {
        return body();
    } catch (const UsageError& error) {
        err << "quillet-dict: " << error.what() << "\nusage: quillet-dict " << usage << "\n";
        return exitUsage;
    } catch (const FileError& error) {
        err << "quillet-dict: " << error.what() << "\n";
        return exitFailure;
    }
}

}  // namespace quillet::tool
