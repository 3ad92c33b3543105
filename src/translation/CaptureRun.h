#pragma once
// One turn of the clipboard watch, shared by the main bar and the command-line
// tool: decide whether the clipboard text is a new search text, translate it
// onto the views, and record it so that the same text is not translated again.
// The capture is recorded even after a failed run, so a text that makes the
// run throw is not retried at every tick.

#include "core/SharedState.h"
#include "translation/Capture.h"
#include "translation/DetailsView.h"
#include "translation/SearchBoxView.h"
#include "translation/Translator.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillet::translation {

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
