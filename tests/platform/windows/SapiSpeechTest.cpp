// The system's SAPI voice as it is: Wine 8 makes the voice but refuses every
// text (E_NOTIMPL), while Windows usually speaks. What holds either way is
// checked.

#include "platform/windows/SapiSpeech.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include <string>
#include <thread>

namespace quillet::platform {
namespace {

struct Request
{
    int failures = 0;
    std::u16string reason;

    Speech::FailureHandler handler()
    {
        return [this](const std::u16string& why) {
            ++failures;
            reason = why;
        };
    }
};

TEST(SapiSpeech, EachRequestReportsItsOwnFailureAtMostOnce)
{
    SapiSpeech speech;
    Request first, markup, empty;
    speech.speak(u"casa", first.handler());
    speech.speak(u"", empty.handler());
    speech.speak(u"<x> & y", markup.handler());
    speech.speak(u"casa", nullptr);
    for (const Request* request : {&first, &markup}) {
        EXPECT_LE(request->failures, 1);
        EXPECT_EQ(request->failures == 1, !request->reason.empty());
    }
    // The voice does not heal between two words: a failure not repeated was lost.
    EXPECT_EQ(markup.failures, first.failures);
    EXPECT_EQ(empty.failures, 0);
}

// COM is closed again if the object opened it, and left open if the thread
// had it open in the other mode.
TEST(SapiSpeech, LeavesTheThreadsComAsItFoundIt)
{
    std::thread([] {
        {
            SapiSpeech speech;
            speech.speak(u"casa", nullptr);
        }
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        ::CoUninitialize();
    }).join();
    std::thread([] {
        ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            SapiSpeech speech;
            speech.speak(u"casa", nullptr);
        }
        EXPECT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        ::CoUninitialize();
        ::CoUninitialize();
    }).join();
}

}  // namespace
}  // namespace quillet::platform
