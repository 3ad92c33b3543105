#pragma once
// Remembers the addresses the program asked to open.

#include "platform/Browser.h"

#include <string>
#include <vector>

namespace quillet::fakes {

struct FakeBrowser : platform::Browser
{
    void open(const std::u16string& address) override { opened.push_back(address); }

    std::vector<std::u16string> opened;
};

}  // namespace quillet::fakes
