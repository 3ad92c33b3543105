#include "shell/ReportingBrowser.h"

#include "core/Messages.h"
#include "platform/Dialogs.h"

namespace quillet::shell {

bool ReportingBrowser::open(const std::u16string& address)
{
    if (m_browser.open(address))
        return true;
    m_dialogs.showMessage(platform::MessageIcon::Exclamation,
                          m_state.messages[core::kMsgWarningTitle],
                          core::fillMessage(m_state.messages[core::kMsgNoBrowser], address),
                          platform::MessageButtons::Ok);
    return false;
}

}  // namespace quillet::shell
