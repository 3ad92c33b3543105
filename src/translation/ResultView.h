#pragma once
// The controls a translation run writes to: the main window's search box and
// details button, and the labels of the details window. The desktop windows
// implement it; tests and the command-line tool record the calls instead.
// Implementations do not throw.

#include <string_view>

namespace quillet::translation {

inline constexpr int kPossibilitySlots = 4;
inline constexpr int kSearchBoxWidthWithDetails = 6500;     // twips, leaves room for the button
inline constexpr int kSearchBoxWidthWithoutDetails = 6950;  // twips

class ResultView
{
public:
    virtual ~ResultView() = default;

    // The main window's search box.
    virtual void setSearchBoxText(std::u16string_view text) = 0;
    virtual void setSearchBoxWidth(int twips) = 0;
    virtual void repaintSearchBox() = 0;  // draw now, without running other events

    virtual void setDetailsButtonVisible(bool visible) = 0;
    virtual void setBusyPointer(bool busy) = 0;  // hourglass over the main window

    // The details window; writing to it never shows it.
    virtual void setDetailsText(std::u16string_view text) = 0;
    virtual void setPossibilityTerm(int slot, std::u16string_view term) = 0;  // slot 0..3
    virtual void setPossibilityTranslation(int slot, std::u16string_view translation) = 0;
    virtual void repaintDetails() = 0;
};

}  // namespace quillet::translation
