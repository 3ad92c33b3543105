#include "platform/windows/SapiSpeech.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <objbase.h>
#include <sapi.h>

#include <cstdio>

namespace quillet::platform {

namespace {

std::u16string describe(const char16_t* what, HRESULT result)
{
    char code[16];
    std::snprintf(code, sizeof code, " (0x%08lX)", static_cast<unsigned long>(result));
    std::u16string reason = what;
    for (const char* c = code; *c != '\0'; ++c) reason += static_cast<char16_t>(*c);
    return reason;
}

}  // namespace

SapiSpeech::SapiSpeech()
{
    // S_FALSE: this thread had COM already, and the call still counts.
    // RPC_E_CHANGED_MODE: a multithreaded apartment, usable as it is, and
    // not ours to close.
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    m_comInitialised = SUCCEEDED(result);
}

SapiSpeech::~SapiSpeech()
{
    if (m_voice != nullptr)
        m_voice->Release();
    if (m_comInitialised)
        ::CoUninitialize();
}

std::u16string SapiSpeech::createVoice()
{
    // Made on the first request, not here, and tried again after a failure:
    // a voice installed later is then found without restarting the program.
    if (m_voice != nullptr)
        return {};
    const HRESULT result = ::CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                              reinterpret_cast<void**>(&m_voice));
    if (SUCCEEDED(result) && m_voice != nullptr)
        return {};
    m_voice = nullptr;
    return describe(u"no speech voice", result);
}

void SapiSpeech::speak(const std::u16string& text, FailureHandler onFailure)
{
    if (text.empty())
        return;
    std::u16string failure = createVoice();
    if (failure.empty()) {
        // Plain text, so "<x>" and "&" are read as written; the request
        // before this one is cut off.
        const std::wstring wide(text.begin(), text.end());
        const HRESULT result = m_voice->Speak(
            wide.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
        if (SUCCEEDED(result))
            return;
        failure = describe(u"speech failed", result);
    }
    if (onFailure)
        onFailure(failure);
}

}  // namespace quillet::platform
