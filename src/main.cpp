// The desktop program: the Qt implementations of the platform services handed
// to the start-up sequence; everything else lives in the windows' handlers.

#include "core/SharedState.h"
#include "core/ui/LanguageWindow.h"
#include "platform/LazySpeech.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSystemInfo.h"
#ifdef QUILLET_WAYLAND_CLIPBOARD
#include "platform/wayland/WaylandClipboard.h"
#endif
#ifdef _WIN32
#include "platform/windows/SapiSpeech.h"
#else
#include "platform/qt/QtSpeech.h"
#endif
#include "shell/Application.h"
#include "shell/CommandLine.h"
#include "shell/IconResources.h"
#include "shell/SessionPlatform.h"
#include "shell/SingleInstance.h"

#include <QApplication>
#ifdef _WIN32
#include <QDir>
#else
#include <QStandardPaths>
#endif

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// What differs between the systems, besides the platform services' own files.
#ifdef _WIN32
using SystemSpeech = quillet::platform::SapiSpeech;

// Windows has one desktop and no display to choose.
quillet::shell::SessionPlatform sessionPlatform()
{
    return {};
}

// The single-copy lock and pipe: the user's own temporary folder.
QString runtimeFolder()
{
    return QDir::tempPath();
}
#else
using SystemSpeech = quillet::platform::QtSpeech;

quillet::shell::SessionPlatform sessionPlatform()
{
    return quillet::shell::chooseSessionPlatform(
        [](const char* name) { return std::getenv(name); });
}

QString runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}
#endif

}  // namespace

int main(int argc, char* argv[])
{
    const quillet::shell::CommandLine line = quillet::shell::readCommandLine(argc, argv);
    if (line.action != quillet::shell::CommandLine::Action::Run)
        return quillet::shell::answerCommandLine(line);
    const quillet::shell::SessionPlatform session = sessionPlatform();
    if (session.noDisplay && !line.platformNamed)
        return quillet::shell::refuseWithoutDisplay();
    quillet::shell::enterSessionPlatform(session);
    QApplication app(argc, argv);
    quillet::shell::leaveSessionPlatform(session);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    // Only the main bar's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    quillet::shell::loadIconResources();

    // On Wayland, data-control sees copies while the program has no focus;
    // where the compositor offers it neither, XWayland's clipboard serves.
    std::unique_ptr<quillet::platform::Clipboard> clipboard;
#ifdef QUILLET_WAYLAND_CLIPBOARD
    clipboard = quillet::platform::WaylandClipboard::connect();
#endif
    if (!clipboard)
        clipboard = std::make_unique<quillet::platform::QtClipboard>();
    quillet::platform::QtDialogs dialogs;
    quillet::platform::QtBrowser browser;
    quillet::platform::QtHttpClient http;
    quillet::platform::LazySpeech speech([] { return std::make_unique<SystemSpeech>(); });
    quillet::platform::QtScreen screen;
    quillet::platform::QtSystemInfo system;
    quillet::core::SharedState state;

    quillet::shell::Application program(
        state, {*clipboard, dialogs, browser, http, speech, screen, system},
        [&](quillet::core::SharedState& shared) {
            quillet::core::ui::runLanguageChooser(shared, dialogs, browser, screen);
        });
    // A second start brings this copy's bar forward and ends at once.
    quillet::shell::SingleInstance instance(program.settingsFile(), runtimeFolder());
    if (!instance.claim([&program] { program.bringForward(); }))
        return 0;
    if (!program.startUp())
        return 1;
    const int status = app.exec();
    instance.release();
    // The bar's closing has written the settings file and every user entry
    // was flushed when it was saved, so nothing is left to keep. Qt's own
    // teardown would wait for host-name lookups still running for an update
    // check (getaddrinfo cannot be cancelled; with a name server that never
    // answers that is seconds), and a restart would find the old process.
    std::fflush(nullptr);
    std::_Exit(status);
}
