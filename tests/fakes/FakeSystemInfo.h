#pragma once
// A program folder chosen by the test, version 1.0, today 15 March 2007;
// quit() is only counted.

#include "platform/SystemInfo.h"

#include <string>

namespace quillet::fakes {

struct FakeSystemInfo : platform::SystemInfo
{
    std::u16string programFolder() const override { return folder; }
    int versionMajor() const override { return 1; }
    int versionMinor() const override { return 0; }
    std::u16string today() const override { return u"20070315"; }
    void quit() override { ++quitCount; }

    std::u16string folder = u"/opt/quillet/";
    int quitCount = 0;
};

}  // namespace quillet::fakes
