#pragma once
// Asks the maker's site whether a newer version exists and offers the
// download page (the rules are core/UpdateDecision's); any failure of the
// fetch means "no new version", silently.

#include "core/SharedState.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace quillet::platform {
class Browser;
class Dialogs;
class HttpClient;
struct HttpReply;
}  // namespace quillet::platform

namespace quillet::shell {

class UpdateChecker
{
public:
    enum class Outcome { NoNewVersion, Declined, Accepted };
    using Done = std::function<void(Outcome)>;

    static constexpr std::chrono::milliseconds kTimeout = std::chrono::seconds(60);

    UpdateChecker(const core::SharedState& state, platform::HttpClient& http,
                  platform::Dialogs& dialogs, platform::Browser& browser);

    // Starts the fetch and returns at once; `done` runs on the user-interface
    // thread once the check has ended, after the question (if any) has been
    // answered and the download page opened on Yes. Not called when this
    // object is gone by then.
    void check(Done done);

private:
    void onReply(const platform::HttpReply& reply, const Done& done);

    const core::SharedState& m_state;
    platform::HttpClient& m_http;
    platform::Dialogs& m_dialogs;
    platform::Browser& m_browser;
    std::shared_ptr<UpdateChecker*> m_self;
};

}  // namespace quillet::shell
