#pragma once
// The details window as a translation run sees it: the main result's note
// and up to four further forms with their translations. Writing to it never
// shows it. The details window implements it; the command-line tool and
// tests keep the texts instead. Implementations do not throw.

#include <string_view>

namespace quillet::translation {

inline constexpr int kPossibilitySlots = 4;

class DetailsView
{
public:
    virtual ~DetailsView() = default;

    virtual void setDetailsText(std::u16string_view text) = 0;
    virtual void setPossibilityTerm(int slot, std::u16string_view term) = 0;  // slot 0..3
    virtual void setPossibilityTranslation(int slot, std::u16string_view translation) = 0;
    // Draws the window now, without running other events; nothing to draw off screen.
    virtual void repaintDetails() {}
};

}  // namespace quillet::translation
