#include "translation/Translator.h"

#include "FakeDictionary.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace quillet::translation {
namespace {

using testing::FakeDictionary;
using testing::RecordingView;
using Words = std::vector<std::u16string>;

constexpr std::int16_t kEnglishRow = 0;
constexpr std::int16_t kOtherEnglishRow = 2;
constexpr std::int16_t kPortugueseRow = 1;

class TranslatorTest : public ::testing::Test
{
protected:
    TranslatorTest()
    {
        state.interfaceLanguage = 1;
        state.messages[0] = u" Wait, please... ";
        state.messages[1] = u"Not found!";
        state.activeDictionary = kEnglishRow;
    }

    std::u16string translate(std::u16string text)
    {
        searchText = std::move(text);
        return translateSearchText(searchText, state, dictionary.asLookup(), display);
    }

    Words firstWords(std::size_t count) const
    {
        auto words = dictionary.words();
        words.resize(std::min(count, words.size()));
        return words;
    }

    core::SharedState state;
    FakeDictionary dictionary{state};
    RecordingView view;
    ResultDisplay display{view, state};
    std::u16string searchText;
};

// --- the order of candidates -------------------------------------------------

TEST_F(TranslatorTest, TriedTriesTheDocumentedOrderWhenNothingIsFound)
{
    EXPECT_EQ(translate(u"tried"), u"tried -> Not found!");
    EXPECT_EQ(dictionary.words(),
              (Words{u"tried", u"trie", u"tri", u"tr", u"try", u"trie", u"tri", u"ried", u"ied"}));
    for (const auto& call : dictionary.calls()) {
        EXPECT_TRUE(call.second) << "details are wanted while nothing is found";
    }
}

TEST_F(TranslatorTest, RowTwoUsesTheEnglishEndingsToo)
{
    state.activeDictionary = kOtherEnglishRow;
    translate(u"tried");
    EXPECT_EQ(dictionary.words().size(), 9u);
    EXPECT_EQ(dictionary.words()[4], u"try");
}

TEST_F(TranslatorTest, EveryMatchingRowIsTriedAndTheWordIsResetBetweenRows)
{
    translate(u"flies");
    // E1, E2, E3 each start from the base word.
    EXPECT_EQ(firstWords(4),
              (Words{u"flies", u"flie", u"fly", u"fli"}));
}

TEST_F(TranslatorTest, IngChainStopsAtTheFirstFoundAndTheERowRunsAnyway)
{
    dictionary.add(u"run", u"correr");
    translate(u"running");
    // E6 minus 3 not found, minus 4 found; E7 is its own row.
    EXPECT_EQ(firstWords(4),
              (Words{u"running", u"runn", u"run", u"runne"}));

    // When minus 3 is found, minus 4 is not formed, and the prefix pass skips the shown form.
    dictionary.forgetCalls();
    dictionary.add(u"runn", u"x");
    translate(u"running");
    EXPECT_EQ(dictionary.words(), (Words{u"running", u"runn", u"runne", u"runnin", u"runni",
                                         u"run", u"unning", u"nning", u"ning", u"ing"}));
}

TEST_F(TranslatorTest, EdChainEndsAtTheFirstFound)
{
    dictionary.add(u"hop", u"pular");
    translate(u"hoped");
    // E4 "hope", E5 "hop" found: "ho" and "hoy" are never formed.
    EXPECT_EQ(firstWords(3),
              (Words{u"hoped", u"hope", u"hop"}));
    EXPECT_EQ(dictionary.words()[3], u"hope");  // drop-last: "hop" is shown, so skipped next
    EXPECT_EQ(view.searchBox, u" ? hoped (! hop ) -> pular");
}

// Short bases: three letters never reach the long endings; E6's second
// candidate is not formed while E5's may be empty; two letters stop after
// normalisation.
TEST_F(TranslatorTest, ShortBasesFormOnlyTheCandidatesTheirLengthAllows)
{
    const std::vector<std::pair<std::u16string, Words>> rows = {
        {u"ess", {u"ess", u"es"}},
        {u"ble", {u"ble"}},
        {u"ing", {u"ing", u"", u"e"}},
        {u"bed", {u"bed", u"be", u"b", u"", u"y"}},
        {u"a.", {u"a.", u"a"}},
        {u"of", {u"of"}},
    };
    for (const auto& [text, words] : rows) {
        dictionary.forgetCalls();
        EXPECT_EQ(translate(text), text + u" -> Not found!");
        EXPECT_EQ(dictionary.words(), words) << std::string(text.begin(), text.end());
    }
}

TEST_F(TranslatorTest, ReAtTheStartIsStripped)
{
    translate(u"redo");
    EXPECT_EQ(dictionary.words()[1], u"do");
}

// --- normalisation -----------------------------------------------------------

TEST_F(TranslatorTest, OnlyOneCharacterGoesAtEachEnd)
{
    translate(u"((word))");
    EXPECT_EQ(dictionary.words(), (Words{u"((word))", u"(word)", u"(word", u"(wor", u"(wo",
                                         u"word)", u"ord)", u"rd)"}));
}

TEST_F(TranslatorTest, LeadingHyphenGoesOnceAndIsNotLookedForAgain)
{
    translate(u"-word");
    // No cache: "wor" from E4 is looked up again by the drop-last pass.
    EXPECT_EQ(dictionary.words(), (Words{u"-word", u"word", u"wor", u"wor", u"ord"}));
}

TEST_F(TranslatorTest, InnerHyphenJoinsTheParts)
{
    dictionary.add(u"well", u"bem");
    dictionary.add(u"known", u"conhecido");
    EXPECT_EQ(translate(u"well-known"), u" ? well-known (! well ) -> bem");
    EXPECT_EQ(dictionary.words(),
              (Words{u"well-known", u"wellknown", u"wellknow", u"wellkno", u"wellkn", u"wellk",
                     u"well", u"wel", u"ellknown", u"llknown", u"lknown", u"known", u"nown",
                     u"own"}));
    EXPECT_EQ(view.terms[0], u"known");
    EXPECT_EQ(view.translations[0], u"conhecido");
}

TEST_F(TranslatorTest, ApostropheAndDoubleQuoteGoInTurnAndAccumulate)
{
    translate(u"'it's\"\"");
    // Ends: the leading apostrophe goes (a double quote is no punctuation);
    // then the next apostrophe, then one double quote.
    EXPECT_EQ(firstWords(4),
              (Words{u"'it's\"\"", u"it's\"\"", u"its\"\"", u"its\""}));
}

TEST_F(TranslatorTest, PunctuationSetHasExactlyItsThirtyCharacters)
{
    const std::u16string set = u"!@#$'%&*()-=_+[]{}^~\\|:/?<>,.;";
    for (const char16_t c : set) {
        dictionary.forgetCalls();
        translate(std::u16string(1, c) + u"ab");
        ASSERT_GE(dictionary.words().size(), 2u);
        EXPECT_EQ(dictionary.words()[1], u"ab") << static_cast<int>(c);
    }
    for (const char16_t c : std::u16string(u"\"`\t\u00bfa1")) {
        dictionary.forgetCalls();
        translate(std::u16string(1, c) + u"ab");
        const auto words = dictionary.words();
        EXPECT_EQ(std::count(words.begin(), words.end(), u"ab"), c == u'"' ? 1 : 0)
            << static_cast<int>(c);
    }
}

TEST_F(TranslatorTest, SpacesInsideAPhraseStay)
{
    dictionary.add(u"ice cream", u"sorvete");
    EXPECT_EQ(translate(u"ice cream"), u"ice cream -> sorvete");
    EXPECT_EQ(translate(u"ice creams"), u" ? ice creams (! ice cream ) -> sorvete");
}

// --- the line break ----------------------------------------------------------

TEST_F(TranslatorTest, TrailingLineBreakIsCutAndTheSearchTextRewritten)
{
    dictionary.add(u"house", u"casa");
    EXPECT_EQ(translate(u"house\r\n"), u"house -> casa");
    EXPECT_EQ(searchText, u"house");
    EXPECT_EQ(dictionary.words()[0], u"house");

    EXPECT_EQ(translate(u"houses\r\n"), u" ? houses (! house ) -> casa");
    EXPECT_EQ(searchText, u"houses");

    EXPECT_EQ(translate(u"xyz \r\n"), u"xyz -> Not found!");
    EXPECT_EQ(searchText, u"xyz");
}

TEST_F(TranslatorTest, CarriageReturnCutsWhateverFollowsIt)
{
    translate(u"house\rx");
    EXPECT_EQ(searchText, u"house");
    translate(u"\r\n");
    EXPECT_EQ(searchText, u"");
    // Alone, or not second to last, it stays.
    translate(u"\r");
    EXPECT_EQ(searchText, u"\r");
    translate(u"ho\r\nx");
    EXPECT_EQ(searchText, u"ho\r\nx");
}

// --- hits, possibilities and the stop ---------------------------------------

TEST_F(TranslatorTest, HousesShowsTheBaseFormLineToTheCharacter)
{
    dictionary.add(u"house", u"casa, habitação, vivenda", u"a building for living in");
    EXPECT_EQ(translate(u"houses"), u" ? houses (! house ) -> casa, habitação, vivenda");
    EXPECT_EQ(view.searchBox, u" ? houses (! house ) -> casa, habitação, vivenda");
    EXPECT_EQ(view.details, u"a building for living in");
    EXPECT_TRUE(view.detailsButtonVisible);
    EXPECT_EQ(view.searchBoxWidth, 6500);
    EXPECT_FALSE(view.busy);
    // After the hit, details are no longer asked for; "house" is not looked up twice.
    const std::vector<std::pair<std::u16string, bool>> expected{
        {u"houses", true}, {u"house", true}, {u"hous", false}, {u"hous", false},
        {u"hou", false},   {u"ouses", false}, {u"uses", false}, {u"ses", false}};
    EXPECT_EQ(dictionary.calls(), expected);
}

TEST_F(TranslatorTest, FormFoundDirectlyStillRunsTheCascadeAndSkipsWhatIsShown)
{
    dictionary.add(u"cats", u"gatos", u"felines");
    dictionary.add(u"cat", u"gato", u"a feline");
    EXPECT_EQ(translate(u"cats"), u"cats -> gatos");
    EXPECT_EQ(view.details, u"felines");
    EXPECT_EQ(view.terms[0], u"cat");
    EXPECT_EQ(view.translations[0], u"gato");
    EXPECT_EQ(view.terms[1], u"");
    // The drop-last pass skips "cat"; the drop-first pass has no such test.
    EXPECT_EQ(dictionary.words(), (Words{u"cats", u"cat", u"ats"}));
}

TEST_F(TranslatorTest, DropFirstPassHasNoAlreadyShownTest)
{
    dictionary.add(u"make", u"fazer");
    EXPECT_EQ(translate(u"remake"), u" ? remake (! make ) -> fazer");
    EXPECT_EQ(dictionary.words(), (Words{u"remake", u"make", u"remak", u"rema", u"rem", u"emake",
                                         u"make", u"ake"}));
    EXPECT_EQ(view.terms[0], u"make");
}

TEST_F(TranslatorTest, FifthFormEndsTheRunAtOnce)
{
    dictionary.findEverything();
    EXPECT_EQ(translate(u"houses"), u"houses -> T(houses)");
    EXPECT_EQ(dictionary.words(),
              (Words{u"houses", u"house", u"hous", u"hou", u"ouses", u"uses"}));
    EXPECT_EQ(view.terms, (std::array<std::u16string, 4>{u"house", u"hous", u"hou", u"ouses"}));
    EXPECT_EQ(view.translations[3], u"T(ouses)");
    EXPECT_EQ(view.details, u"D(houses)");
    EXPECT_TRUE(view.detailsButtonVisible);
}

TEST_F(TranslatorTest, FifthFormJustAfterNormalisationEndsTheRun)
{
    dictionary.findEverything();
    translate(u"-a'b\"c-d.");
    // Direct, ends, hyphen, apostrophe, double quote, then E4 finds the fifth form.
    EXPECT_EQ(dictionary.words(),
              (Words{u"-a'b\"c-d.", u"a'b\"c-d", u"a'b\"cd", u"ab\"cd", u"abcd", u"abc"}));
    EXPECT_EQ(view.terms[3], u"abcd");
    EXPECT_EQ(view.searchBox, u"-a'b\"c-d. -> T(-a'b\"c-d.)");
}

TEST_F(TranslatorTest, NothingAfterSomethingClearsEverything)
{
    dictionary.add(u"cats", u"gatos");
    dictionary.add(u"cat", u"gato");
    translate(u"cats");
    ASSERT_TRUE(view.detailsButtonVisible);
    ASSERT_EQ(view.terms[0], u"cat");

    EXPECT_EQ(translate(u"dogs"), u"dogs -> Not found!");
    EXPECT_EQ(view.searchBox, u"dogs -> Not found!");
    EXPECT_FALSE(view.detailsButtonVisible);
    EXPECT_EQ(view.searchBoxWidth, 6950);
    EXPECT_EQ(view.details, u"");
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(view.terms[slot], u"");
        EXPECT_EQ(view.translations[slot], u"");
    }
    EXPECT_FALSE(view.busy);
}

TEST_F(TranslatorTest, WaitingTextAndHourglassCoverTheLookups)
{
    state.interfaceLanguage = 0;
    state.messages[0] = u" Por favor aguarde... ";
    std::vector<std::u16string> seen;
    std::vector<bool> busy;
    const WordLookup lookup = [&](std::u16string_view, bool) {
        seen.push_back(view.searchBox);
        busy.push_back(view.busy);
        return false;
    };
    searchText = u"abc";
    translateSearchText(searchText, state, lookup, display);
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], u" Por favor aguarde... ");
        EXPECT_TRUE(busy[i]);
    }
    EXPECT_EQ(view.repaintedSearchBoxes, Words{u" Por favor aguarde... "});
    EXPECT_FALSE(view.busy);
}

TEST_F(TranslatorTest, FailingLookupCountsAsNotFound)
{
    int calls = 0;
    const WordLookup lookup = [&](std::u16string_view word, bool) -> bool {
        ++calls;
        if (word == u"tried") {
            throw std::runtime_error("read error");
        }
        if (word == u"try") {
            state.lastTranslation = u"tentar";
            return true;
        }
        return false;
    };
    searchText = u"tried";
    EXPECT_EQ(translateSearchText(searchText, state, lookup, display),
              u" ? tried (! try ) -> tentar");
    EXPECT_EQ(calls, 9);
    EXPECT_FALSE(view.busy);
}

// --- Portuguese rows ---------------------------------------------------------

TEST_F(TranslatorTest, PortugueseEndingsOnOtherRows)
{
    state.activeDictionary = kPortugueseRow;
    dictionary.add(u"animais", u"animals");
    EXPECT_EQ(translate(u"animal"), u" ? animal (! animais ) -> animals");
    EXPECT_EQ(dictionary.words(),
              (Words{u"animal", u"animais", u"anima", u"anim", u"nimal", u"imal"}));

    dictionary.forgetCalls();
    translate(u"canções");
    EXPECT_EQ(dictionary.words(), (Words{u"canções", u"cançõe", u"canção", u"cançõ", u"cançõe",
                                         u"cançõ", u"canç", u"anções", u"nções", u"ções"}));

    dictionary.forgetCalls();
    translate(u"rapidamente");
    const auto words = dictionary.words();
    ASSERT_EQ(words.size(), 2u + 7u + 7u);
    EXPECT_EQ(words[1], u"rapida");
    EXPECT_EQ(words[2], u"rapidament");
    EXPECT_EQ(words.back(), u"ente");
}

TEST_F(TranslatorTest, PortugueseMAndEmEndings)
{
    state.activeDictionary = 5;
    translate(u"homem");
    EXPECT_EQ(firstWords(3),
              (Words{u"homem", u"home", u"hom"}));
}

TEST_F(TranslatorTest, PortugueseRowsNeverUseEnglishEndingsNorSkipShownForms)
{
    state.activeDictionary = kPortugueseRow;
    dictionary.add(u"gatos", u"cats");
    dictionary.add(u"gato", u"cat");
    translate(u"gatos");
    // P1 lists "gato"; the drop-last pass looks it up again.
    EXPECT_EQ(dictionary.words(), (Words{u"gatos", u"gato", u"gato", u"atos"}));
    EXPECT_EQ(view.terms[1], u"gato");

    state.activeDictionary = kEnglishRow;
    dictionary.forgetCalls();
    translate(u"animal");
    const auto words = dictionary.words();
    EXPECT_EQ(std::count(words.begin(), words.end(), u"animais"), 0);
}

}  // namespace
}  // namespace quillet::translation
