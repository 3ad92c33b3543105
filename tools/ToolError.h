#pragma once
// The two ways a command fails: the user asked for something malformed
// (exit status 2, usage shown) or a file could not be read or written (exit
// status 1; the message names the file and the reason).

#include <stdexcept>
#include <string>

namespace quillet::tool {

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class FileError : public std::runtime_error
{
public:
    FileError(const std::string& file, const std::string& reason)
        : std::runtime_error(file + ": " + reason)
    {
    }
};

}  // namespace quillet::tool
