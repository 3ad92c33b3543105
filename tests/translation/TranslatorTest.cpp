#include "translation/Translator.h"

#include "core/Utf8.h"

#include "FakeDictionary.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

    core::SharedState state;
    FakeDictionary dictionary{state};
    RecordingView view;
    ResultDisplay display{view, state};
    std::u16string searchText;
};

// --- the candidates looked up --------------------------------------------

struct CandidateRun
{
    const char* label;
    std::int16_t row;
    std::vector<std::pair<std::u16string, std::u16string>> known;
    std::u16string text;
    Words words;         // the lookups, from the first
    bool wholeRun;       // words is every lookup, not just the first few
    std::u16string line = {};  // the result line, when checked
    Words terms = {};          // the first possibility slots, when checked
};

TEST_F(TranslatorTest, LooksUpTheCandidatesOfEachRuleInOrder)
{
    const Words tried{u"tried", u"trie", u"tri", u"tr", u"try", u"trie", u"tri", u"ried", u"ied"};
    const std::vector<CandidateRun> runs = {
        {"tried, nothing found", kEnglishRow, {}, u"tried", tried, true, u"tried -> Not found!"},
        {"row two is English too", kOtherEnglishRow, {}, u"tried", tried, true},
        // E1, E2, E3 each start from the base word.
        {"flies", kEnglishRow, {}, u"flies", {u"flies", u"flie", u"fly", u"fli"}, false},
        // E6 minus 3 not found, minus 4 found; E7 is its own row.
        {"running, minus 4 found", kEnglishRow, {{u"run", u"correr"}}, u"running",
         {u"running", u"runn", u"run", u"runne"}, false},
        // Minus 3 found: minus 4 is not formed, and the prefix pass skips the shown form.
        {"running, minus 3 found", kEnglishRow, {{u"run", u"correr"}, {u"runn", u"x"}},
         u"running",
         {u"running", u"runn", u"runne", u"runnin", u"runni", u"run", u"unning", u"nning",
          u"ning", u"ing"},
         true},
        // E4 "hope", E5 "hop" found: "ho" and "hoy" are never formed; the
        // drop-last pass then skips the shown "hop".
        {"hoped", kEnglishRow, {{u"hop", u"pular"}}, u"hoped",
         {u"hoped", u"hope", u"hop", u"hope"}, false, u" ? hoped (! hop ) -> pular"},
        // Short bases: three letters never reach the long endings; E6's second
        // candidate is not formed while E5's may be empty; two letters stop
        // after normalisation.
        {"ess", kEnglishRow, {}, u"ess", {u"ess", u"es"}, true, u"ess -> Not found!"},
        {"ble", kEnglishRow, {}, u"ble", {u"ble"}, true, u"ble -> Not found!"},
        {"ing", kEnglishRow, {}, u"ing", {u"ing", u"", u"e"}, true, u"ing -> Not found!"},
        {"bed", kEnglishRow, {}, u"bed", {u"bed", u"be", u"b", u"", u"y"}, true,
         u"bed -> Not found!"},
        {"a.", kEnglishRow, {}, u"a.", {u"a.", u"a"}, true, u"a. -> Not found!"},
        {"of", kEnglishRow, {}, u"of", {u"of"}, true, u"of -> Not found!"},
        {"re at the start", kEnglishRow, {}, u"redo", {u"redo", u"do"}, false},
        // Normalisation: one character at each end only.
        {"((word))", kEnglishRow, {}, u"((word))",
         {u"((word))", u"(word)", u"(word", u"(wor", u"(wo", u"word)", u"ord)", u"rd)"}, true},
        // The hyphen goes once; no cache, so E4's "wor" is looked up again.
        {"-word", kEnglishRow, {}, u"-word", {u"-word", u"word", u"wor", u"wor", u"ord"}, true},
        {"well-known", kEnglishRow, {{u"well", u"bem"}, {u"known", u"conhecido"}}, u"well-known",
         {u"well-known", u"wellknown", u"wellknow", u"wellkno", u"wellkn", u"wellk", u"well",
          u"wel", u"ellknown", u"llknown", u"lknown", u"known", u"nown", u"own"},
         true, u" ? well-known (! well ) -> bem", {u"known"}},
        // The leading apostrophe goes (a double quote is no punctuation); then
        // the next apostrophe, then one double quote.
        {"apostrophes and quotes", kEnglishRow, {}, u"'it's\"\"",
         {u"'it's\"\"", u"it's\"\"", u"its\"\"", u"its\""}, false},
        {"inner spaces stay", kEnglishRow, {{u"ice cream", u"sorvete"}}, u"ice cream", {}, false,
         u"ice cream -> sorvete"},
        {"inner spaces, plural", kEnglishRow, {{u"ice cream", u"sorvete"}}, u"ice creams", {},
         false, u" ? ice creams (! ice cream ) -> sorvete"},
        // The drop-first pass has no already-shown test.
        {"remake", kEnglishRow, {{u"make", u"fazer"}}, u"remake",
         {u"remake", u"make", u"remak", u"rema", u"rem", u"emake", u"make", u"ake"}, true,
         u" ? remake (! make ) -> fazer", {u"make"}},
        {"animal, Portuguese", kPortugueseRow, {{u"animais", u"animals"}}, u"animal",
         {u"animal", u"animais", u"anima", u"anim", u"nimal", u"imal"}, true,
         u" ? animal (! animais ) -> animals"},
        {"canções", kPortugueseRow, {}, u"canções",
         {u"canções", u"cançõe", u"canção", u"cançõ", u"cançõe", u"cançõ", u"canç", u"anções",
          u"nções", u"ções"},
         true},
        {"m and em endings", 5, {}, u"homem", {u"homem", u"home", u"hom"}, false},
        // Portuguese rows skip no shown form: P1 lists "gato", the drop-last
        // pass looks it up again.
        {"gatos", kPortugueseRow, {{u"gatos", u"cats"}, {u"gato", u"cat"}}, u"gatos",
         {u"gatos", u"gato", u"gato", u"atos"}, true, u"gatos -> cats", {u"gato", u"gato"}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.label);
        FakeDictionary fake{state};
        for (const auto& [word, translation] : run.known) {
            fake.add(word, translation);
        }
        state.activeDictionary = run.row;
        searchText = run.text;
        const auto line = translateSearchText(searchText, state, fake.asLookup(), display);
        auto seen = fake.words();
        if (!run.wholeRun) {
            seen.resize(std::min(run.words.size(), seen.size()));
        }
        EXPECT_EQ(seen, run.words);
        if (!run.line.empty()) {
            EXPECT_EQ(line, run.line);
        }
        for (std::size_t slot = 0; slot < run.terms.size(); ++slot) {
            EXPECT_EQ(view.terms[slot], run.terms[slot]) << slot;
        }
        if (run.known.empty()) {
            for (const auto& call : fake.calls()) {
                EXPECT_TRUE(call.second) << "details are wanted while nothing is found";
            }
        }
    }
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

// --- the line break ----------------------------------------------------------

// A CR second to last cuts the text there and rewrites the search text;
// alone, or anywhere else, it stays.
TEST_F(TranslatorTest, LineBreakIsCutFromTheSearchText)
{
    dictionary.add(u"house", u"casa");
    const std::vector<std::array<std::u16string, 3>> rows = {
        // text, search text after, result line ("" unchecked)
        {u"house\r\n", u"house", u"house -> casa"},
        {u"houses\r\n", u"houses", u" ? houses (! house ) -> casa"},
        {u"xyz \r\n", u"xyz", u"xyz -> Not found!"},
        {u"house\rx", u"house", u""},
        {u"\r\n", u"", u""},
        {u"\r", u"\r", u""},
        {u"ho\r\nx", u"ho\r\nx", u""},
    };
    for (const auto& [text, after, line] : rows) {
        SCOPED_TRACE(core::toUtf8(text));
        const auto shown = translate(text);
        EXPECT_EQ(searchText, after);
        if (!line.empty()) {
            EXPECT_EQ(shown, line);
        }
    }
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

TEST_F(TranslatorTest, PortugueseAdverbEndingAndNoPortugueseEndingsOnEnglishRows)
{
    state.activeDictionary = kPortugueseRow;
    translate(u"rapidamente");
    auto words = dictionary.words();
    ASSERT_EQ(words.size(), 2u + 7u + 7u);
    EXPECT_EQ(words[1], u"rapida");
    EXPECT_EQ(words[2], u"rapidament");
    EXPECT_EQ(words.back(), u"ente");

    state.activeDictionary = kEnglishRow;
    dictionary.forgetCalls();
    translate(u"animal");
    words = dictionary.words();
    EXPECT_EQ(std::count(words.begin(), words.end(), u"animais"), 0);
}

}  // namespace
}  // namespace quillet::translation
