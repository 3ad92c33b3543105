#include "translation/CaptureRun.h"

#include "translation/ResultDisplay.h"

#include <exception>

namespace quillet::translation {

CaptureRun translateClipboardText(std::u16string_view clipboardText, core::SharedState& state,
                                  const WordLookup& lookup, ResultView& view,
                                  const std::function<void()>& beforeRun)
{
    CaptureRun run;
    run.decision = decideCapture(clipboardText, state);
    if (!run.decision.translate)
        return run;
    run.searchText = run.decision.capturedText;
    if (beforeRun)
        beforeRun();
    try {
        ResultDisplay display(view, state);
        run.line = translateSearchText(run.searchText, state, lookup, display);
        run.found = display.found();
        run.possibilityCount = display.possibilityCount();
        run.finished = true;
    } catch (const std::exception&) {
        view.setBusyPointer(false);
    }
    recordCapture(state, run.decision);
    return run;
}

}  // namespace quillet::translation
