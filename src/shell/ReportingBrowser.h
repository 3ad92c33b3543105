#pragma once
// The user's browser, and a box (message 79 with the address, in the
// interface language) when none could be started, so a help or download
// command never seems to do nothing.

#include "core/SharedState.h"
#include "platform/Browser.h"

namespace quillet::platform {
class Dialogs;
}

namespace quillet::shell {

class ReportingBrowser : public platform::Browser
{
public:
    ReportingBrowser(platform::Browser& browser, platform::Dialogs& dialogs,
                     const core::SharedState& state)
        : m_browser(browser), m_dialogs(dialogs), m_state(state)
    {
    }

    bool open(const std::u16string& address) override;

private:
    platform::Browser& m_browser;
    platform::Dialogs& m_dialogs;
    const core::SharedState& m_state;
};

}  // namespace quillet::shell
