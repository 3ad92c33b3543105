#pragma once
// What one translation run shows: the waiting text while it works, then the
// result line in the search box, the main result's details and up to four
// further forms ("possibilities") in the details window. Without a search
// box view only the details are shown; the line is still returned.
//
// Result lines, pieces joined with nothing between them:
//   direct      form " -> " translation
//   base form   " ? " searchText " (! " candidate " ) -> " translation
//   not found   searchText " -> " message 1

#include "core/SharedState.h"
#include "translation/DetailsView.h"
#include "translation/SearchBoxView.h"

#include <array>
#include <string>
#include <string_view>

namespace quillet::translation {

enum class HitKind {
    Direct,   // the unchanged search text was found
    Derived,  // a candidate form was found
};

enum class HitAnswer {
    Continue,
    Stop,  // four possibilities are already listed: the run ends
};

class ResultDisplay
{
public:
    // Messages 0 (waiting) and 1 (not found) are read from `state` when they
    // are needed, so the interface language may change between runs.
    ResultDisplay(const core::SharedState& state, DetailsView& details,
                  SearchBoxView* searchBox = nullptr);

    // Starts a run for `searchText`, the text the result line quotes.
    void beginResultDisplay(std::u16string_view searchText);
    // The search text changed within the run (a line break was cut off).
    void setSearchText(std::u16string_view searchText);

    // A lookup found `form` with these texts; the details count only for the
    // main result, the first hit of the run.
    HitAnswer recordHit(std::u16string_view form, HitKind kind, std::u16string_view translation,
                        std::u16string_view details);

    // Ends the run and returns the text the search box shows.
    std::u16string finishResultDisplay();

    bool found() const { return m_found; }
    int possibilityCount() const { return m_possibilityCount; }
    // True when `form` is the main result's form or one of the listed possibilities.
    bool isShown(std::u16string_view form) const;

private:
    const core::SharedState& m_state;
    DetailsView& m_details;
    SearchBoxView* m_searchBox;
    std::u16string m_searchText;
    std::u16string m_line;  // what the search box shows now
    std::u16string m_mainForm;
    std::array<std::u16string, kPossibilitySlots> m_possibilities;
    bool m_found = false;
    int m_possibilityCount = 0;
};

}  // namespace quillet::translation
