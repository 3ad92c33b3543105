#pragma once
// Speaks text with the system's default voice.

#include <functional>
#include <string>

namespace quillet::platform {

class Speech
{
public:
    using FailureHandler = std::function<void(const std::u16string& reason)>;

    virtual ~Speech() = default;

    // Starts speaking and returns without waiting for the end. onFailure is
    // called at most once for this request: at once when no voice is
    // available, or later when the engine reports an error.
    virtual void speak(const std::u16string& text, FailureHandler onFailure) = 0;
};

}  // namespace quillet::platform
