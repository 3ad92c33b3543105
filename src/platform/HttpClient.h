#pragma once
// Asynchronous HTTP GET. The caller keeps running while the request waits; the
// callback comes later on the user-interface thread, exactly once per request.

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace quillet::platform {

struct HttpReply
{
    bool ok = false;       // false: no connection, time-out, HTTP error status
    std::string body;      // raw bytes, at most HttpClient::bodyLimit of them
    std::u16string error;  // a description for logs when !ok
};

class HttpClient
{
public:
    // Bytes of a reply body beyond this are not read.
    static constexpr std::size_t bodyLimit = 64 * 1024;

    using Callback = std::function<void(const HttpReply&)>;

    virtual ~HttpClient() = default;
    virtual void get(const std::u16string& address, std::chrono::milliseconds timeout,
                     Callback done) = 0;
};

}  // namespace quillet::platform
