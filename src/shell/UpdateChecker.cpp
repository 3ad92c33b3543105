#include "shell/UpdateChecker.h"

#include "BuildConfig.h"
#include "core/Messages.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"

#include <utility>

namespace quillet::shell {

namespace {
constexpr std::u16string_view kVersionPath = u"/quillet/version.asp";
constexpr std::u16string_view kDownloadPath = u"/quillet/newversion.asp";
constexpr std::u16string_view kQuestionTitle = u"Quillet 2007";
}  // namespace

UpdateChecker::UpdateChecker(const core::SharedState& state, platform::HttpClient& http,
                             platform::Dialogs& dialogs, platform::Browser& browser,
                             std::u16string siteBase)
    : m_state(state),
      m_http(http),
      m_dialogs(dialogs),
      m_browser(browser),
      m_siteBase(std::move(siteBase)),
      m_self(std::make_shared<UpdateChecker*>(this))
{
}

std::u16string UpdateChecker::defaultSiteBase()
{
    return std::u16string(u"https://") + build::webHost;
}

bool UpdateChecker::announcesNewVersion(std::string_view body)
{
    return body.find(newVersionMarker) != std::string_view::npos;
}

std::u16string UpdateChecker::versionAddress() const
{
    return m_siteBase + std::u16string(kVersionPath) + m_state.webQuery;
}

std::u16string UpdateChecker::downloadAddress() const
{
    return m_siteBase + std::u16string(kDownloadPath) + m_state.webQuery;
}

void UpdateChecker::check(Done done)
{
    std::weak_ptr<UpdateChecker*> self = m_self;
    m_http.get(versionAddress(), m_timeout,
               [self, done = std::move(done)](const platform::HttpReply& reply) {
                   if (auto alive = self.lock())
                       (*alive)->onReply(reply.ok, reply.body, done);
               });
}

void UpdateChecker::onReply(bool ok, const std::string& body, const Done& done)
{
    Outcome outcome = Outcome::NoNewVersion;
    if (ok && announcesNewVersion(body)) {
        const auto answer = m_dialogs.showMessage(
            platform::MessageIcon::Question, std::u16string(kQuestionTitle),
            m_state.messages[core::kMsgNewVersion], platform::MessageButtons::YesNo);
        if (answer == platform::MessageAnswer::Yes) {
            m_browser.open(downloadAddress());
            outcome = Outcome::Accepted;
        } else {
            outcome = Outcome::Declined;
        }
    }
    if (done)
        done(outcome);
}

}  // namespace quillet::shell
