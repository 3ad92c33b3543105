#pragma once
// Remembers the addresses the program asked to open.

#include "platform/Browser.h"

#include <string>
#include <vector>

namespace quillet::fakes {

struct FakeBrowser : platform::Browser
{
    bool open(const std::u16string& address) override
    {
        opened.push_back(address);
        return browserFound;
    }

    std::vector<std::u16string> opened;
    bool browserFound = true;
};

}  // namespace quillet::fakes
