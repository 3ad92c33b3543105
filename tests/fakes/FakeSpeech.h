#pragma once
// Records spoken texts; can be made to fail at once (no voice) or later
// (engine error reported after speaking began).

#include "platform/Speech.h"

#include <string>
#include <utility>
#include <vector>

namespace quillet::fakes {

class FakeSpeech : public platform::Speech
{
public:
    enum class Mode { Works, NoVoice, FailsLater };

    void speak(const std::u16string& text, FailureHandler onFailure) override
    {
        m_spoken.push_back(text);
        if (m_mode == Mode::NoVoice && onFailure)
            onFailure(u"no voice");
        else if (m_mode == Mode::FailsLater)
            m_pendingFailure = std::move(onFailure);
    }

    void setMode(Mode mode) { m_mode = mode; }
    // Delivers the engine error of the last FailsLater request.
    void reportEngineError()
    {
        auto handler = std::exchange(m_pendingFailure, nullptr);
        if (handler)
            handler(u"engine error");
    }

    const std::vector<std::u16string>& spoken() const { return m_spoken; }

private:
    Mode m_mode = Mode::Works;
    FailureHandler m_pendingFailure;
    std::vector<std::u16string> m_spoken;
};

}  // namespace quillet::fakes
