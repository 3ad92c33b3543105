#pragma once
// Holds requests until the test answers them, so a test decides when and how
// the "network" replies.

#include "platform/HttpClient.h"

#include <chrono>
#include <cstddef>
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
        std::chrono::milliseconds timeout;
        Callback done;
        bool answered = false;
    };

    void get(const std::u16string& address, std::chrono::milliseconds timeout,
             Callback done) override
    {
        m_requests.push_back({address, timeout, std::move(done), false});
    }

    std::size_t requestCount() const { return m_requests.size(); }
    const Request& request(std::size_t i) const { return m_requests.at(i); }
    bool pending() const { return !m_requests.empty() && !m_requests.back().answered; }

    // Answers the oldest unanswered request. The body is cut at the limit as
    // the real client does.
    void reply(std::string body)
    {
        platform::HttpReply reply;
        reply.ok = true;
        if (body.size() > bodyLimit)
            body.resize(bodyLimit);
        reply.body = std::move(body);
        answer(reply);
    }

    void fail(std::u16string error = u"connection refused")
    {
        platform::HttpReply reply;
        reply.error = std::move(error);
        answer(reply);
    }

private:
    void answer(const platform::HttpReply& reply)
    {
        for (auto& request : m_requests) {
            if (!request.answered) {
                request.answered = true;
                auto done = request.done;  // the callback may issue a new request
                if (done)
                    done(reply);
                return;
            }
        }
    }

    std::vector<Request> m_requests;
};

}  // namespace quillet::fakes
