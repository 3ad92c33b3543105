// The settings reader on any file contents, and the number rule it uses.

#include "FuzzTarget.h"

#include "core/NumberText.h"
#include "core/Settings.h"
#include "core/Windows1252.h"

namespace core = quillet::core;

QUILLET_FUZZ_TARGET(bytes)
{
    (void)core::parseInt16(core::fromWindows1252(bytes.substr(0, 64)));

    quillet::fuzz::writeScratchFile(core::kSettingsFileName, bytes);
    core::SharedState state;
    core::ScreenMetrics screen;
    screen.widthPixels = 1920;
    screen.heightPixels = 1080;
    bool chooserCalled = false;
    core::readSettings(state, quillet::fuzz::scratchFolder(), screen,
                       [&](core::SharedState&) { chooserCalled = true; });
    // An existing file never asks for the language, and the window stays on the screen.
    quillet::fuzz::check(!chooserCalled && state.windowTop >= 0 && state.windowLeft >= 0);
}
