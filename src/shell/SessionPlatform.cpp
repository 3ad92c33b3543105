#include "shell/SessionPlatform.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillet::shell {

namespace {
constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";
}

SessionPlatform chooseSessionPlatform(const std::function<const char*(const char*)>& variable)
{
    const auto isSet = [&](const char* name) {
        const char* value = variable(name);
        return value != nullptr && !std::string_view(value).empty();
    };
    // XDG_SESSION_TYPE is not asked: only login managers set it.
    if (isSet(kPlatformVariable) || !isSet("WAYLAND_DISPLAY"))
        return {};
    if (isSet("DISPLAY"))
        return {"xcb", false};
    return {"wayland", true};
}

void enterSessionPlatform(const SessionPlatform& session)
{
    if (session.platform != nullptr)
        ::setenv(kPlatformVariable, session.platform, 1);
    if (session.placementNotice)
        std::fputs(
            "quillet: no X display in this Wayland session: the window manager decides where "
            "the windows go and which stays on top\n",
            stderr);
}

void leaveSessionPlatform(const SessionPlatform& session)
{
    if (session.platform != nullptr)
        ::unsetenv(kPlatformVariable);
}

}  // namespace quillet::shell
