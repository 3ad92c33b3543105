#pragma once
// The main bar as a translation run sees it: the search box, where the
// waiting text and then the result line appear, the details button and the
// busy pointer. The bar implements it; tests record the calls instead.
// Implementations do not throw.

#include <string_view>

namespace quillet::translation {

class SearchBoxView
{
public:
    virtual ~SearchBoxView() = default;

    virtual void setSearchBoxText(std::u16string_view text) = 0;
    // Draws the box now, without running other events; nothing to draw off screen.
    virtual void repaintSearchBox() {}
    // Shown when the run found something; the box makes room for the button.
    virtual void setDetailsButtonVisible(bool visible) = 0;
    virtual void setBusyPointer(bool busy) = 0;  // hourglass over the bar
};

}  // namespace quillet::translation
