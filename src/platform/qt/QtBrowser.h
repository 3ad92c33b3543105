#pragma once
// Opens addresses with the desktop's default browser.

#include "platform/Browser.h"

namespace quillet::platform {

class QtBrowser : public Browser
{
public:
    bool open(const std::u16string& address) override;
};

}  // namespace quillet::platform
