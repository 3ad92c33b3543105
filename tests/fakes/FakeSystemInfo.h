#pragma once
// A program folder and calendar chosen by the test, version 1.0; quit() is
// only counted.

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
    std::u16string today() const override { return m_today; }
    void quit() override { ++m_quitCount; }

    void setProgramFolder(std::u16string folder) { m_folder = std::move(folder); }
    void setToday(std::u16string yyyymmdd) { m_today = std::move(yyyymmdd); }
    int quitCount() const { return m_quitCount; }

private:
    std::u16string m_folder = u"/opt/quillet/";
    std::u16string m_today = u"20070315";
    int m_quitCount = 0;
};

}  // namespace quillet::fakes
