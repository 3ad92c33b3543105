#pragma once
// Program folder, build version and local date through Qt.

#include "platform/SystemInfo.h"

namespace quillet::platform {

class QtSystemInfo : public SystemInfo
{
public:
    std::u16string programFolder() const override;
    int versionMajor() const override;
    int versionMinor() const override;
    std::u16string today() const override;
    // Leaves the event loop when one runs; before it runs, ends the process.
    void quit() override;
};

}  // namespace quillet::platform
