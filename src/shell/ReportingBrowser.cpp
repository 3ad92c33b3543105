#include "shell/ReportingBrowser.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"

namespace quillet::shell {

bool ReportingBrowser::open(const std::u16string& address)
{
    if (m_browser.open(address))
        return true;
    std::u16string text = m_state.messages[core::kMsgNoBrowser];
    if (const auto at = text.find(u"%1"); at != std::u16string::npos)
        text.replace(at, 2, address);
    m_dialogs.showMessage(platform::MessageIcon::Exclamation,
                          m_state.messages[core::kMsgWarningTitle], text,
                          platform::MessageButtons::Ok);
    return false;
}

}  // namespace quillet::shell
