#pragma once
// A program folder chosen by the test, version 1.0, today 15 March 2007;
// quit() is only counted.

#include "platform/SystemInfo.h"

#include <string>
#include <utility>

namespace quillet::fakes {

class FakeSystemInfo : public platform::SystemInfo
{
public:
    std::u16string programFolder() const override { return m_folder; }
    int versionMajor() const override { return 1; }
    int versionMinor() const override { return 0; }
    std::u16string today() const override { return u"20070315"; }
    void quit() override { ++quitCount; }

    void setProgramFolder(std::u16string folder) { m_folder = std::move(folder); }

    int quitCount = 0;

private:
    std::u16string m_folder = u"/opt/quillet/";
};

}  // namespace quillet::fakes
