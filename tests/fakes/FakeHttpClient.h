#pragma once
// Holds requests until the test answers them, so a test decides when and how
// the "network" replies.

#include "platform/HttpClient.h"

#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

struct FakeHttpClient : platform::HttpClient
{
    void get(const std::u16string& address, std::chrono::milliseconds, Callback done) override
    {
        addresses.push_back(address);
        callbacks.push_back(std::move(done));
    }

    // Answer the oldest unanswered request.
    void reply(std::string body) { answer({true, std::move(body), {}}); }
    void fail() { answer({false, {}, u"connection refused"}); }
    void answer(const platform::HttpReply& reply)
    {
        // A copy: the callback may issue a new request, which moves the vector.
        if (answered < callbacks.size())
            if (const Callback done = callbacks[answered++])
                done(reply);
    }

    std::vector<std::u16string> addresses;  // of every request, in order
    std::vector<Callback> callbacks;
    std::size_t answered = 0;
};

}  // namespace quillet::fakes
