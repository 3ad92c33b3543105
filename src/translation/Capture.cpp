#include "translation/Capture.h"

#include "core/TextUtil.h"

namespace quillet::translation {

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

void recordCapture(core::SharedState& state, const CaptureDecision& decision)
{
    if (decision.translate)
        state.lastCapturedText = decision.capturedText;
}

}  // namespace quillet::translation
