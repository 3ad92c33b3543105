#include "translation/CaptureRun.h"

#include "core/TextUtil.h"
#include "translation/ResultDisplay.h"

#include <cstddef>
#include <exception>
#include <utility>

namespace quillet::translation {

namespace {

constexpr std::size_t kLongestSearchText = 19;

CaptureDecision decideCapture(std::u16string_view clipboardText, const core::SharedState& state)
{
    const auto trimmed = core::trimSpacesView(clipboardText);
    // lastCapturedText never holds a long text, so a long one cannot equal it.
    if (trimmed.empty() || trimmed.size() > kLongestSearchText || !state.splashClosed)
        return {};
    std::u16string captured = core::toLower(trimmed);
    if (captured == state.lastCapturedText)
        return {};
    return {true, std::move(captured)};
}

}  // namespace

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
    // The same clipboard text is not translated again.
    state.lastCapturedText = run.decision.capturedText;
    return run;
}

}  // namespace quillet::translation
