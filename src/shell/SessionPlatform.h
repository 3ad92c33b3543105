#pragma once
// The Qt platform the windows run on, chosen before the QApplication is made.
// On a Wayland desktop they run through XWayland when an X display is there:
// Wayland lets no client keep a window on top or place it, and the clipboard
// is watched apart from the windows. A platform the user named in
// QT_QPA_PLATFORM is left alone. Without any of these there is no display,
// which the program says in one line rather than let Qt abort.

#include <functional>

namespace quillet::shell {

struct SessionPlatform
{
    const char* platform = nullptr;  // for QT_QPA_PLATFORM; nullptr: Qt's own choice
    bool placementNotice = false;    // native Wayland: the window manager places and stacks
    bool noDisplay = false;          // neither X nor Wayland, and no platform named
};

// `variable` gives an environment variable's value, nullptr when it is unset;
// an empty value counts as unset.
SessionPlatform chooseSessionPlatform(const std::function<const char*(const char*)>& variable);

// Says on standard error that there is no display; returns the exit status, 1.
int refuseWithoutDisplay();

// Sets QT_QPA_PLATFORM for the QApplication about to be made and prints the
// notice on standard error. Until leaveSessionPlatform(), a platform that
// cannot start (a display named but not there) ends the program with one
// line and status 1, not Qt's abort.
void enterSessionPlatform(const SessionPlatform& session);

// Takes the variable back once the QApplication exists, so that programs
// started from here (the browser) make their own choice.
void leaveSessionPlatform(const SessionPlatform& session);

}  // namespace quillet::shell
