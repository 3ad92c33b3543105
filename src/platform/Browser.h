#pragma once
// Opens web pages in the user's browser. The program learns only whether a
// browser took the address, not whether the page opened.

#include <string>

namespace quillet::platform {

class Browser
{
public:
    virtual ~Browser() = default;
    // False when no browser could be started for the address.
    virtual bool open(const std::u16string& address) = 0;
};

}  // namespace quillet::platform
