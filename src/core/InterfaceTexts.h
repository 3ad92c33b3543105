#pragma once
// The captions, titles and tooltips the windows carry, in both languages.
// Windows take their texts from here whenever the interface language is
// applied; texts shown on demand come from the message table instead.

#include "core/SharedState.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet::core {

enum class TextProperty { Tooltip, Title, Caption };

struct InterfaceText
{
    std::u16string_view window;   // frmPrincipal, frmTools, ...
    std::u16string_view control;  // empty for the window itself
    int element;                  // index in a control array, -1 otherwise
    TextProperty property;
    std::u16string text;
};

// Every text for the state's language, in the order the windows are set.
std::vector<InterfaceText> interfaceTexts(const SharedState& state);

// One text of the table above; empty when no row matches.
std::u16string interfaceText(const SharedState& state, std::u16string_view window,
                             std::u16string_view control, int element = -1);

// The product title and " - ", followed by the active dictionary's name in
// the interface language; the prefix alone when the row is outside 0..50.
std::u16string mainWindowTitle(const SharedState& state);

}  // namespace quillet::core
