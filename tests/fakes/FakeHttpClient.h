#pragma once
// Holds requests until the test answers them, so a test decides when and how
// the "network" replies.

#include "platform/HttpClient.h"

#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

class FakeHttpClient : public platform::HttpClient
{
public:
    void get(const std::u16string& address, std::chrono::milliseconds, Callback done) override
    {
        addresses.push_back(address);
        m_callbacks.push_back(std::move(done));
    }

    // Answer the oldest unanswered request.
    void reply(std::string body) { answer({true, std::move(body), {}}); }
    void fail() { answer({false, {}, u"connection refused"}); }

    std::vector<std::u16string> addresses;  // of every request, in order

private:
    void answer(const platform::HttpReply& reply)
    {
        if (m_answered >= m_callbacks.size())
            return;
        // The callback may issue a new request, which moves the vector.
        const Callback done = m_callbacks[m_answered++];
        if (done)
            done(reply);
    }

    std::vector<Callback> m_callbacks;
    std::size_t m_answered = 0;
};

}  // namespace quillet::fakes
