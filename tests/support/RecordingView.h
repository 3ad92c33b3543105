#pragma once
// A result view for tests: keeps what each control shows, as a window would.
// The details start as "(unset)" so a test sees whether a run cleared them.

#include "translation/ResultView.h"

#include <array>
#include <string>
#include <vector>

namespace quillet::testsupport {

class RecordingView : public translation::ResultView
{
public:
    void setSearchBoxText(std::u16string_view text) override { searchBox = text; }
    void setSearchBoxWidth(int twips) override { searchBoxWidth = twips; }
    void repaintSearchBox() override { paintedSearchBoxes.emplace_back(searchBox); }
    void setDetailsButtonVisible(bool visible) override { detailsButton = visible; }
    void setBusyPointer(bool on) override { busy = on; }
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override { terms.at(slot) = term; }
    void setPossibilityTranslation(int slot, std::u16string_view text) override
    {
        translations.at(slot) = text;
    }
    void repaintDetails() override {}

    std::u16string searchBox;
    int searchBoxWidth = 0;
    std::vector<std::u16string> paintedSearchBoxes;
    bool detailsButton = false;
    bool busy = false;
    std::u16string details = u"(unset)";
    std::array<std::u16string, translation::kPossibilitySlots> terms{u"(unset)", u"(unset)",
                                                                     u"(unset)", u"(unset)"};
    std::array<std::u16string, translation::kPossibilitySlots> translations = terms;
};

}  // namespace quillet::testsupport
