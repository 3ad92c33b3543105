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
    struct Request
    {
        std::u16string address;
        Callback done;
    };

    void get(const std::u16string& address, std::chrono::milliseconds, Callback done) override
    {
        m_requests.push_back({address, std::move(done)});
    }

    std::size_t requestCount() const { return m_requests.size(); }
    const Request& request(std::size_t i) const { return m_requests.at(i); }

    // Answer the oldest unanswered request.
    void reply(std::string body) { answer({true, std::move(body), {}}); }
    void fail() { answer({false, {}, u"connection refused"}); }

private:
    void answer(const platform::HttpReply& reply)
    {
        if (m_answered >= m_requests.size())
            return;
        // The callback may issue a new request, which moves the vector.
        const Callback done = m_requests[m_answered++].done;
        if (done)
            done(reply);
    }

    std::vector<Request> m_requests;
    std::size_t m_answered = 0;
};

}  // namespace quillet::fakes
