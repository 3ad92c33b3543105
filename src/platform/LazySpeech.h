#pragma once
// Creates the real speech service on the first request. Loading a voice costs
// about 10 MB of memory that a user who never presses the speak button should
// not pay. Once created, the service lives as long as this object: speech
// engines must not be torn down right after a failed request.

#include "platform/Speech.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace quillet::platform {

class LazySpeech : public Speech
{
public:
    using Factory = std::function<std::unique_ptr<Speech>()>;

    explicit LazySpeech(Factory factory) : m_factory(std::move(factory)) {}

    void speak(const std::u16string& text, FailureHandler onFailure) override
    {
        if (!m_speech && m_factory)
            m_speech = m_factory();
        if (m_speech)
            m_speech->speak(text, std::move(onFailure));
        else if (onFailure)
            onFailure(u"no speech service");
    }

    bool created() const { return m_speech != nullptr; }

private:
    Factory m_factory;
    std::unique_ptr<Speech> m_speech;
};

}  // namespace quillet::platform
