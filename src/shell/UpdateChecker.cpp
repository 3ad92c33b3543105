#include "shell/UpdateChecker.h"

#include "core/Messages.h"
#include "core/ProductTitle.h"
#include "core/UpdateDecision.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"

namespace quillet::shell {

UpdateChecker::UpdateChecker(const core::SharedState& state, platform::HttpClient& http,
                             platform::Dialogs& dialogs, platform::Browser& browser)
    : m_state(state),
      m_http(http),
      m_dialogs(dialogs),
      m_browser(browser),
      m_self(std::make_shared<UpdateChecker*>(this))
{
}

void UpdateChecker::check(Done done)
{
    std::weak_ptr<UpdateChecker*> self = m_self;
    m_http.get(core::versionPageAddress(m_state.webHost, m_state.webQuery), kTimeout,
               [self, done = std::move(done)](const platform::HttpReply& reply) {
                   if (auto alive = self.lock())
                       (*alive)->onReply(reply, done);
               });
}

void UpdateChecker::onReply(const platform::HttpReply& reply, const Done& done)
{
    Outcome outcome = Outcome::NoNewVersion;
    if (core::announcesNewVersion(reply.ok, reply.body)) {
        const auto answer = m_dialogs.showMessage(
            platform::MessageIcon::Question, std::u16string(core::kProductTitle),
            m_state.messages[core::kMsgNewVersion], platform::MessageButtons::YesNo);
        if (answer == platform::MessageAnswer::Yes) {
            m_browser.open(core::downloadPageAddress(m_state.webHost, m_state.webQuery));
            outcome = Outcome::Accepted;
        } else {
            outcome = Outcome::Declined;
        }
    }
    if (done)
        done(outcome);
}

}  // namespace quillet::shell
