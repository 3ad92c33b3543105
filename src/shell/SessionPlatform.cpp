#include "shell/SessionPlatform.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillet::shell {

namespace {

constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";

constexpr int kNoDisplayStatus = 1;

QtMessageHandler g_qtHandler = nullptr;

void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_qtHandler(type, context, message);
        return;
    }
    std::fputs("quillet: the display cannot be opened; the bar needs a graphical session\n",
               stderr);
    std::_Exit(kNoDisplayStatus);
}

}  // namespace

SessionPlatform chooseSessionPlatform(const std::function<const char*(const char*)>& variable)
{
    const auto isSet = [&](const char* name) {
        const char* value = variable(name);
        return value != nullptr && !std::string_view(value).empty();
    };
    // XDG_SESSION_TYPE is not asked: only login managers set it.
    if (isSet(kPlatformVariable))
        return {};
    if (!isSet("WAYLAND_DISPLAY"))
        return {nullptr, false, !isSet("DISPLAY")};
    if (isSet("DISPLAY"))
        return {"xcb", false};
    return {"wayland", true};
}

int refuseWithoutDisplay()
{
    std::fputs(
        "quillet: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; the bar needs "
        "a graphical session\n",
        stderr);
    return kNoDisplayStatus;
}

void enterSessionPlatform(const SessionPlatform& session)
{
    g_qtHandler = qInstallMessageHandler(endOnFatal);
    if (session.platform != nullptr)
        qputenv(kPlatformVariable, session.platform);
    if (session.placementNotice)
        std::fputs(
            "quillet: no X display in this Wayland session: the window manager decides where "
            "the windows go and which stays on top\n",
            stderr);
}

void leaveSessionPlatform(const SessionPlatform& session)
{
    qInstallMessageHandler(g_qtHandler);
    if (session.platform != nullptr)
        qunsetenv(kPlatformVariable);
}

}  // namespace quillet::shell
