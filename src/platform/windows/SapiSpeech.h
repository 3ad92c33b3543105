#pragma once
// Speech through the system's SAPI 5 voice (SpVoice, over COM). Build, use
// and destroy it on one thread: the voice lives in that thread's apartment.
// A failure is known only when the voice cannot be made or refuses the text;
// an error while the audio plays is not reported.

#include "platform/Speech.h"

#include <string>

struct ISpVoice;

namespace quillet::platform {

class SapiSpeech : public Speech
{
public:
    SapiSpeech();
    ~SapiSpeech() override;
    SapiSpeech(const SapiSpeech&) = delete;
    SapiSpeech& operator=(const SapiSpeech&) = delete;

    void speak(const std::u16string& text, FailureHandler onFailure) override;

private:
    // Empty when the voice is ready; otherwise why it could not be made.
    std::u16string createVoice();

    ISpVoice* m_voice = nullptr;
    bool m_comInitialised = false;
};

}  // namespace quillet::platform
