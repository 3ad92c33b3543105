#pragma once
// Records spoken texts; with failLater, the engine error of the last request
// arrives when the test calls reportEngineError().

#include "platform/Speech.h"

#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

class FakeSpeech : public platform::Speech
{
public:
    void speak(const std::u16string& text, FailureHandler onFailure) override
    {
        m_spoken.push_back(text);
        if (failLater)
            m_pendingFailure = std::move(onFailure);
    }

    void reportEngineError()
    {
        if (auto handler = std::exchange(m_pendingFailure, nullptr))
            handler(u"engine error");
    }
    const std::vector<std::u16string>& spoken() const { return m_spoken; }

    bool failLater = false;

private:
    FailureHandler m_pendingFailure;
    std::vector<std::u16string> m_spoken;
};

}  // namespace quillet::fakes
