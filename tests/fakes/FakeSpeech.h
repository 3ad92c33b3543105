#pragma once
// Records spoken texts; with failLater, the engine error of the last request
// arrives when the test calls reportEngineError().

#include "platform/Speech.h"

#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

struct FakeSpeech : platform::Speech
{
    void speak(const std::u16string& text, FailureHandler onFailure) override
    {
        spoken.push_back(text);
        if (failLater)
            m_pendingFailure = std::move(onFailure);
    }

    void reportEngineError()
    {
        if (auto handler = std::exchange(m_pendingFailure, nullptr))
            handler(u"engine error");
    }

    std::vector<std::u16string> spoken;
    bool failLater = false;

private:
    FailureHandler m_pendingFailure;
};

}  // namespace quillet::fakes
