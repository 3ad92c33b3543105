#include "translation/CaptureRun.h"

#include <gtest/gtest.h>

#include <array>
#include <ranges>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillet::translation {
namespace {

using Words = std::vector<std::u16string>;

Words split(std::u16string_view text)
{
    Words words;
    for (const auto word : std::views::split(text, u' '))
        words.emplace_back(word.begin(), word.end());
    return words;
}

// A result view that keeps what each control shows, as a window would. The
// details start as "(unset)" so a test sees whether a run cleared them.
struct RecordingView : SearchBoxView, DetailsView
{
    void setSearchBoxText(std::u16string_view text) override { searchBox = text; }
    void repaintSearchBox() override { paintedSearchBoxes.emplace_back(searchBox); }
    void setDetailsButtonVisible(bool visible) override { detailsButton = visible; }
    void setBusyPointer(bool on) override { busy = on; }
    void setDetailsText(std::u16string_view text) override { details = text; }
    void setPossibilityTerm(int slot, std::u16string_view term) override { terms.at(slot) = term; }
    void setPossibilityTranslation(int slot, std::u16string_view text) override
    {
        translations.at(slot) = text;
    }

    std::u16string searchBox;
    std::vector<std::u16string> paintedSearchBoxes;
    bool detailsButton = false;
    bool busy = false;
    std::u16string details = u"(unset)";
    std::array<std::u16string, kPossibilitySlots> terms{u"(unset)", u"(unset)", u"(unset)",
                                                        u"(unset)"};
    std::array<std::u16string, kPossibilitySlots> translations = terms;
};

// One tick of the clipboard watch over a dictionary that knows the words of
// `known` ("*": every word; "!w": looking w up throws). A word translates as
// "<w>", with "about <w>" as its details when they are asked for.
class TranslationTest : public ::testing::Test
{
protected:
    TranslationTest()
    {
        state.splashClosed = true;
        state.messages[0] = u"Wait";
        state.messages[1] = u"Not found!";
    }

    CaptureRun tick(std::u16string_view text, std::int16_t row = 0, std::u16string_view known = u"")
    {
        const Words knownWords = split(known);
        const std::set<std::u16string, std::less<>> words(knownWords.begin(), knownWords.end());
        state.activeDictionary = row;
        lookups.clear();
        view->paintedSearchBoxes.clear();
        beforeRuns = 0;
        bool hit = false;
        const WordLookup lookup = [&](std::u16string_view word, bool wantDetails) {
            lookups.emplace_back(word);
            EXPECT_TRUE(view->busy) << "the hourglass covers every lookup";
            EXPECT_EQ(view->searchBox == u"Wait", !hit) << "the waiting text until a form is found";
            EXPECT_EQ(wantDetails, !hit) << "only the main result shows details";
            if (words.contains(u"!" + std::u16string(word)))
                throw std::runtime_error("read error");
            if (!words.contains(word) && !words.contains(u"*"))
                return core::LookupResult{};
            hit = true;
            const std::u16string translation = u"<" + std::u16string(word) + u">";
            return core::LookupResult{true, translation,
                                      wantDetails ? u"about " + translation : u"-"};
        };
        return translateClipboardText(text, state, lookup, *view, view, [&] {
            ++beforeRuns;
            EXPECT_TRUE(lookups.empty());
        });
    }

    // A tick on `text` even when it was the last one translated.
    CaptureRun translate(std::u16string_view text, std::int16_t row = 0,
                         std::u16string_view known = u"")
    {
        state.lastCapturedText.clear();
        return tick(text, row, known);
    }

    core::SharedState state;
    RecordingView windows;
    RecordingView* view = &windows;
    Words lookups;
    int beforeRuns = 0;
};

struct Candidates
{
    std::int16_t row;
    std::u16string text;
    std::u16string lookups;  // a space between (two: an empty word)
    bool wholeRun = false;   // else up to the first shorter prefix
};

// Nothing is found: each rule's candidates are looked up in order, from the
// word as the earlier steps left it.
TEST_F(TranslationTest, EachRuleDerivesItsCandidatesInOrder)
{
    const std::vector<Candidates> rows = {
        // The -s, -ies and -es endings, each from the whole word.
        {0, u"flies", u"flies flie fly fli flie"},
        // The -d ending, then the -ed chain: minus -ed, one letter more, that plus y.
        {0, u"tried", u"tried trie tri tr try trie"},
        {2, u"tried", u"tried trie tri tr try trie"},
        // The -ing ending, then a doubled consonant, then a dropped e.
        {0, u"running", u"running runn run runne runnin"},
        {0, u"ing", u"ing  e", true},                        // three letters are enough
        {0, u"quickly", u"quickly quick quickl"},            // the -ly ending
        {0, u"readable", u"readable read adable readabl"},   // the -able ending, the re- prefix
        {0, u"hopeless", u"hopeless hopeles hope hopeles"},  // the -less ending
        {0, u"worker", u"worker work worke"},                // the -er ending
        // One punctuation character off each end, then the first hyphen,
        // apostrophe and double quote, each tried when it was there.
        {0, u"((word))", u"((word)) (word) (word"},
        {0, u"well-known", u"well-known wellknown wellknow"},
        {0, u"'it's\"\"", u"'it's\"\" it's\"\" its\"\" its\" its"},
        {0, u"a.", u"a. a", true},  // under three letters: no ending, no shorter form
        // The -s plural, the -ões plural, the -es plural.
        {1, u"canções", u"canções cançõe canção cançõ cançõe"},
        {1, u"animal", u"animal animais anima"},                // the -l to -is plural
        {5, u"homem", u"homem home hom home"},                  // the -m and -em endings
        {1, u"rapidamente", u"rapidamente rapida rapidament"},  // the -mente ending
        // Shorter forms: English prefixes and suffixes down to three letters,
        // Portuguese ones down to four.
        {0, u"houses", u"houses house hous house hous hou ouses uses ses", true},
        {1, u"gatos", u"gatos gato gato atos", true},
    };
    for (const auto& row : rows) {
        translate(row.text, row.row);
        const Words expected = split(row.lookups);
        if (!row.wholeRun)
            lookups.resize(expected.size());
        EXPECT_EQ(lookups, expected) << "row " << row.row;
    }
}

struct Result
{
    std::int16_t row;
    std::u16string text;
    std::u16string known;  // words, a space between
    std::u16string line;
    std::u16string terms;  // the possibilities listed, a space between
    std::u16string last;   // the run's last lookup
};

// Run one after another on the same windows, so each must clear what the
// previous one showed.
TEST_F(TranslationTest, ShowsTheFirstFormFoundAndListsUpToFourMore)
{
    const std::vector<Result> rows = {
        // A fifth form ends the run at once.
        {0, u"houses", u"*", u"houses -> <houses>", u"house hous hou ouses", u"uses"},
        // English prefixes skip the forms already shown.
        {0, u"flies", u"flie fly fli", u" ? flies (! flie ) -> <flie>", u"fly fli", u"ies"},
        {0, u"xyz", u"", u"xyz -> Not found!", u"", u"xyz"},
        {0, u"cats", u"cats cat", u"cats -> <cats>", u"cat", u"ats"},
        // Suffixes skip nothing, nor do Portuguese prefixes.
        {0, u"remake", u"make", u" ? remake (! make ) -> <make>", u"make", u"ake"},
        {1, u"gatos", u"gatos gato", u"gatos -> <gatos>", u"gato gato", u"atos"},
        // The -ed chain stops at its first form found; the -ing ending's
        // doubled consonant is tried only when the plain stem is not found.
        {0, u"hoped", u"hop ho hoy", u" ? hoped (! hop ) -> <hop>", u"", u"ped"},
        {0, u"running", u"runn runne run", u" ? running (! runn ) -> <runn>", u"runne run", u"ing"},
        {0, u"tried", u"!tried try", u" ? tried (! try ) -> <try>", u"", u"ied"},
        // A carriage return second to last cuts the text there, also the quoted
        // one; so does a last line feed.
        {0, u"houses\r\n", u"house", u" ? houses (! house ) -> <house>", u"", u"ses"},
        {0, u"houses \n", u"house", u" ? houses (! house ) -> <house>", u"", u"ses"},
        {0, u"xyz \r\n", u"", u"xyz -> Not found!", u"", u"xyz"},
        {0, u"house\rx", u"house", u"house -> <house>", u"", u"use"},
        {0, u"ho\r\nx", u"", u"ho\r\nx -> Not found!", u"", u"\r\nx"},
        {0, u"\r\n", u"", u" -> Not found!", u"", u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        const CaptureRun run = translate(row.text, row.row, row.known);
        const bool found = !row.line.ends_with(u"Not found!");
        const Words terms = split(row.terms);
        EXPECT_EQ(run.line, row.line);
        EXPECT_EQ(run.found, found);
        EXPECT_EQ(run.possibilityCount, static_cast<int>(terms.size()));
        EXPECT_EQ(lookups.back(), row.last);
        EXPECT_EQ(view->searchBox, row.line);
        EXPECT_EQ(view->paintedSearchBoxes, Words{u"Wait"});
        EXPECT_FALSE(view->busy);
        EXPECT_EQ(view->detailsButton, found);
        EXPECT_EQ(view->details, found ? u"about " + row.line.substr(row.line.find(u"<")) : u"");
        for (std::size_t slot = 0; slot < 4; ++slot) {
            const auto term = slot < terms.size() ? terms[slot] : u"";
            EXPECT_EQ(view->terms[slot], term);
            EXPECT_EQ(view->translations[slot], term.empty() ? u"" : u"<" + term + u">");
        }
    }
}

// Characters that look like punctuation, or sit beside it, stay on the ends.
TEST_F(TranslationTest, OtherCharactersAreNotStrippedAsPunctuation)
{
    for (const char16_t c : std::u16string(u"`\t\u00bfa1")) {
        translate(c + std::u16string(u"ab"));
        EXPECT_TRUE(lookups.size() < 2 || lookups[1] != u"ab") << static_cast<int>(c);
    }
}

struct Capture
{
    bool splashClosed;
    std::u16string lastCaptured, clipboard, captured;  // captured empty: no run
};

// Only spaces are trimmed; the text must be new, shorter than 20 units (a
// line break included) and come after the splash window has closed.
TEST_F(TranslationTest, DecidesWhichClipboardTextsAreTranslated)
{
    const std::u16string nineteen(19, u'a');
    const std::u16string seventeen(17, u'c');
    const std::vector<Capture> rows = {
        {true, u"", u"  Ação ", u"ação"},
        {true, u"", u"\tWord", u"\tword"},
        {true, u"", u"House\r\n", u"house\r\n"},
        {true, u"", u"  " + nineteen + u"  ", nineteen},
        {true, u"", nineteen + u"b", u""},
        {true, u"", seventeen + u"\r\n", seventeen + u"\r\n"},
        {true, u"", seventeen + u"c\r\n", u""},
        {true, u"", u"   ", u""},
        {true, u"word", u" WORD ", u""},
        {true, u"word", u"words", u"words"},
        {false, u"", u"house", u""},
    };
    for (const auto& row : rows) {
        state.splashClosed = row.splashClosed;
        state.lastCapturedText = row.lastCaptured;
        const CaptureRun run = tick(row.clipboard);
        const bool translated = !row.captured.empty();
        EXPECT_EQ(run.decision.translate, translated);
        EXPECT_EQ(run.decision.capturedText, row.captured);
        EXPECT_EQ(state.lastCapturedText, translated ? row.captured : row.lastCaptured);
        EXPECT_EQ(beforeRuns, translated ? 1 : 0);
    }
}

// A view failing at the end of the run stands for any failure within it.
TEST_F(TranslationTest, RunThatFailsIsRecordedAndLeavesNoHourglass)
{
    struct FailingView : RecordingView
    {
        void setDetailsButtonVisible(bool) override { throw std::runtime_error("gone"); }
    } failing;
    view = &failing;
    const CaptureRun run = tick(u"House");
    EXPECT_TRUE(run.decision.translate);
    EXPECT_FALSE(run.finished);
    EXPECT_FALSE(failing.busy);
    EXPECT_FALSE(tick(u"House").decision.translate);
}

}  // namespace
}  // namespace quillet::translation
