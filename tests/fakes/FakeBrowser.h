#pragma once
// Remembers the addresses the program asked to open.

#include "platform/Browser.h"

#include <string>
#include <vector>

namespace quillet::fakes {

class FakeBrowser : public platform::Browser
{
public:
    void open(const std::u16string& address) override { m_opened.push_back(address); }
    const std::vector<std::u16string>& opened() const { return m_opened; }

private:
    std::vector<std::u16string> m_opened;
};

}  // namespace quillet::fakes
