#pragma once
// The clipboard watch's decision at each tick: does the text now on the
// clipboard become a new search text? A text is handled when, with the space
// character trimmed from both ends and lower-cased, it is not empty, has fewer
// than 20 UTF-16 units, differs from state.lastCapturedText, and the splash
// window has closed. Tabs and line breaks are kept, so a text copied with its
// line break is captured with it.
//
// The work per tick is bounded by one scan for spaces: a text whose trimmed
// length rules it out is neither copied nor lower-cased.

#include "core/SharedState.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet::translation {

inline constexpr std::size_t kLongestSearchText = 19;

struct CaptureDecision
{
    bool translate = false;
    std::u16string capturedText;  // trimmed and lower-cased; empty when ignored
};

CaptureDecision decideCapture(std::u16string_view clipboardText, const core::SharedState& state);

// After the run: the same clipboard text is not translated again.
void recordCapture(core::SharedState& state, const CaptureDecision& decision);

}  // namespace quillet::translation
