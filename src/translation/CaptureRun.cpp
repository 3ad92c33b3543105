#include "translation/CaptureRun.h"

#include "translation/ResultDisplay.h"

#include <exception>

namespace quillet::translation {

CaptureRun translateClipboardText(std::u16string_view clipboardText, core::SharedState& state,
                                  const WordLookup& lookup, DetailsView& details,
                                  SearchBoxView* searchBox, const std::function<void()>& beforeRun)
{
    CaptureRun run;
    run.decision = decideCapture(clipboardText, state);
    if (!run.decision.translate)
        return run;
    std::u16string searchText = run.decision.capturedText;
    if (beforeRun)
        beforeRun();
    try {
        ResultDisplay display(state, details, searchBox);
        run.line = translateSearchText(searchText, state, lookup, display);
        run.found = display.found();
        run.possibilityCount = display.possibilityCount();
        run.finished = true;
    } catch (const std::exception&) {
        if (searchBox)
            searchBox->setBusyPointer(false);
    }
    recordCapture(state, run.decision);
    return run;
}

}  // namespace quillet::translation
