#pragma once
// A result view that keeps what each control shows, as a window would.

#include "translation/ResultView.h"

#include <array>
#include <string>
#include <vector>

namespace quillet::translation::testing {

class RecordingView : public ResultView
{
public:
    void setSearchBoxText(std::u16string_view text) override { searchBox = text; }
    void setSearchBoxWidth(int twips) override { searchBoxWidth = twips; }
    void repaintSearchBox() override { repaintedSearchBoxes.push_back(searchBox); }
    void setDetailsButtonVisible(bool visible) override { detailsButtonVisible = visible; }
    void setBusyPointer(bool on) override { busy = on; }
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override
    {
        terms.at(static_cast<std::size_t>(slot)) = term;
    }
    void setPossibilityTranslation(int slot, std::u16string_view translation) override
    {
        translations.at(static_cast<std::size_t>(slot)) = translation;
    }
    void repaintDetails() override { ++detailsRepaints; }

    std::u16string searchBox = u"(prompt)";
    int searchBoxWidth = 0;  // 0: never set
    bool detailsButtonVisible = false;
    bool busy = false;
    std::u16string details = u"(design)";
    std::array<std::u16string, kPossibilitySlots> terms{u"(design)", u"(design)", u"(design)",
                                                        u"(design)"};
    std::array<std::u16string, kPossibilitySlots> translations = terms;
    std::vector<std::u16string> repaintedSearchBoxes;
    int detailsRepaints = 0;
};

}  // namespace quillet::translation::testing
