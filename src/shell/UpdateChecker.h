#pragma once
// Asks the maker's site whether a newer version exists and offers the
// download page. The version page's reply contains newVersionMarker exactly
// when one does; any failure of the fetch means "no new version", silently.

#include "core/SharedState.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace quillet::platform {
class Browser;
class Dialogs;
class HttpClient;
}  // namespace quillet::platform

namespace quillet::shell {

class UpdateChecker
{
public:
    enum class Outcome { NoNewVersion, Declined, Accepted };
    using Done = std::function<void(Outcome)>;

    static constexpr std::string_view newVersionMarker = "0X99VA";
    static constexpr std::chrono::milliseconds defaultTimeout = std::chrono::seconds(60);

    // siteBase: scheme and host without a trailing slash; the build's
    // "https://" + webHost unless a test points it elsewhere.
    UpdateChecker(const core::SharedState& state, platform::HttpClient& http,
                  platform::Dialogs& dialogs, platform::Browser& browser,
                  std::u16string siteBase = defaultSiteBase());

    static std::u16string defaultSiteBase();
    // Case-sensitive, anywhere in the body.
    static bool announcesNewVersion(std::string_view body);

    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    std::u16string versionAddress() const;
    std::u16string downloadAddress() const;

    // Starts the fetch and returns at once; `done` runs on the user-interface
    // thread once the check has ended, after the question (if any) has been
    // answered and the download page opened on Yes. Not called when this
    // object is gone by then.
    void check(Done done);

private:
    void onReply(bool ok, const std::string& body, const Done& done);

    const core::SharedState& m_state;
    platform::HttpClient& m_http;
    platform::Dialogs& m_dialogs;
    platform::Browser& m_browser;
    std::u16string m_siteBase;
    std::chrono::milliseconds m_timeout = defaultTimeout;
    std::shared_ptr<UpdateChecker*> m_self;
};

}  // namespace quillet::shell
