#pragma once
// One turn of the clipboard watch, shared by the main bar and the command-line
// tool: decide whether the clipboard text is a new search text, translate it
// onto the views, and record it so that the same text is not translated again.
// The capture is recorded even after a failed run, so a text that makes the
// run throw is not retried at every tick.
//
// A text is handled when, with the space character trimmed from both ends
// and lower-cased, it is not empty, has fewer than 20 UTF-16 units, differs
// from state.lastCapturedText, and the splash window has closed. Tabs and
// line breaks are kept, so a text copied with its line break is captured
// with it. The work per tick is bounded by one scan for spaces: a text whose
// trimmed length rules it out is neither copied nor lower-cased.

#include "core/SharedState.h"
#include "translation/DetailsView.h"
#include "translation/SearchBoxView.h"
#include "translation/Translator.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillet::translation {

struct CaptureDecision
{
    bool translate = false;
    std::u16string capturedText;  // trimmed and lower-cased; empty when ignored
};

struct CaptureRun
{
    CaptureDecision decision;  // decision.translate: a run was started
    bool finished = false;     // the run reached its end and `line` holds its result
    std::u16string line;       // what the search box shows at the end
    bool found = false;        // some form was found: `line` is a result line
    int possibilityCount = 0;  // slots of the details window filled
};

// `beforeRun` is called once a run is decided, before the first lookup (the
// bar stops its clipboard timer there). A run that throws is lost: the busy
// pointer is reset and `finished` stays false, but the watch may go on.
CaptureRun translateClipboardText(std::u16string_view clipboardText, core::SharedState& state,
                                  const WordLookup& lookup, DetailsView& details,
                                  SearchBoxView* searchBox = nullptr,
                                  const std::function<void()>& beforeRun = {});

}  // namespace quillet::translation
