#pragma once
// The coded error report: a critical box that names a code the user can send
// to the maker's support address.

#include "core/SharedState.h"
#include "platform/Dialogs.h"

#include <string>
#include <string_view>

namespace quillet::core {

struct ErrorReport
{
    std::u16string title;
    std::u16string text;
};

// Lines are separated by a single LF. A code starting with "A" opens with the
// file-error line, one starting with "B" with the generic-error line, any
// other code directly with message 7.
ErrorReport composeErrorReport(const MessageTable& messages, std::u16string_view code,
                               std::u16string_view suffix);

// Shows the report with a critical icon and OK; returns when it is closed.
void reportError(const MessageTable& messages, std::u16string_view code, std::u16string_view suffix,
                 platform::Dialogs& dialogs);

}  // namespace quillet::core
