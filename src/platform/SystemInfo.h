#pragma once
// The program's own facts and the calendar.

#include <string>

namespace quillet::platform {

class SystemInfo
{
public:
    virtual ~SystemInfo() = default;
    // The folder holding the program file, ending with the directory separator.
    virtual std::u16string programFolder() const = 0;
    virtual int versionMajor() const = 0;
    virtual int versionMinor() const = 0;
    // Today's local date as eight digits "YYYYMMDD".
    virtual std::u16string today() const = 0;
    // Ends the program at once; no further event handler runs.
    virtual void quit() = 0;
};

}  // namespace quillet::platform
