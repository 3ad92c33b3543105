#pragma once
// Runs a command body and turns its errors into an exit status and a message.
// Every failure is reported: a command never ends by a signal.

#include "Command.h"
#include "ToolError.h"

#include <filesystem>
#include <new>
#include <ostream>
#include <string>
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
    } catch (const std::filesystem::filesystem_error& error) {
        const std::string path = error.path1().empty() ? "" : error.path1().string() + ": ";
        err << "quillet-dict: " << path << error.code().message() << "\n";
    } catch (const std::bad_alloc&) {
        err << "quillet-dict: out of memory\n";
    } catch (const std::exception& error) {
        err << "quillet-dict: " << error.what() << "\n";
    }
    return exitFailure;
}

}  // namespace quillet::tool
