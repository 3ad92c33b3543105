#pragma once
// Opens web pages in the user's browser. The program never learns whether the
// page opened.

#include <string>

namespace quillet::platform {

class Browser
{
public:
    virtual ~Browser() = default;
    virtual void open(const std::u16string& address) = 0;
};

}  // namespace quillet::platform
