#include "translation/ResultDisplay.h"

#include "RecordingView.h"

#include <gtest/gtest.h>

namespace quillet::translation {
namespace {

using testing::RecordingView;

class ResultDisplayTest : public ::testing::Test
{
protected:
    ResultDisplayTest()
    {
        state.interfaceLanguage = 1;
        state.messages[0] = u" Wait, please... ";
        state.messages[1] = u"Not found!";
    }

    // What a lookup that found `form` leaves behind.
    HitAnswer hit(std::u16string_view form, HitKind kind, std::u16string translation,
                  std::u16string details = {})
    {
        state.lastTranslation = std::move(translation);
        state.lastDetails = details.empty() ? state.lastTranslation : std::move(details);
        return display.recordHit(form, kind);
    }

    core::SharedState state;
    RecordingView view;
    ResultDisplay display{view, state};
};

TEST_F(ResultDisplayTest, BeginShowsTheWaitingTextAndClearsTheDetailsWindow)
{
    display.beginResultDisplay(u"books");
    EXPECT_TRUE(view.busy);
    EXPECT_EQ(view.searchBox, u" Wait, please... ");
    EXPECT_EQ(view.repaintedSearchBoxes, std::vector<std::u16string>{u" Wait, please... "});
    EXPECT_EQ(view.details, u"");
    for (int slot = 0; slot < kPossibilitySlots; ++slot) {
        EXPECT_EQ(view.terms[slot], u"");
        EXPECT_EQ(view.translations[slot], u"");
    }
    EXPECT_EQ(view.detailsRepaints, 1);
    EXPECT_FALSE(display.found());
}

TEST_F(ResultDisplayTest, DirectLine)
{
    display.beginResultDisplay(u"casa");
    EXPECT_EQ(hit(u"casa", HitKind::Direct, u"house; home", u"a note"), HitAnswer::Continue);
    EXPECT_EQ(display.finishResultDisplay(), u"casa -> house; home");
    EXPECT_EQ(view.searchBox, u"casa -> house; home");
    EXPECT_EQ(view.details, u"a note");
    EXPECT_TRUE(view.detailsButtonVisible);
    EXPECT_EQ(view.searchBoxWidth, 6500);
    EXPECT_FALSE(view.busy);
    EXPECT_EQ(view.detailsRepaints, 2);
}

TEST_F(ResultDisplayTest, TranslationIsTakenUnchanged)
{
    display.beginResultDisplay(u"x");
    hit(u"x", HitKind::Direct, u"  padded  ");
    EXPECT_EQ(display.finishResultDisplay(), u"x ->   padded  ");
}

TEST_F(ResultDisplayTest, LaterFormsFillTheSlotsWithTheirOwnTranslations)
{
    display.beginResultDisplay(u"cats");
    hit(u"cats", HitKind::Direct, u"gatos", u"main note");
    hit(u"cat", HitKind::Derived, u"gato", u"note of cat");
    hit(u"ats", HitKind::Derived, u"?");
    EXPECT_EQ(display.possibilityCount(), 2);
    EXPECT_EQ(view.searchBox, u"cats -> gatos");
    EXPECT_EQ(view.details, u"main note");
    EXPECT_EQ(view.terms[0], u"cat");
    EXPECT_EQ(view.translations[0], u"gato");
    EXPECT_EQ(view.terms[1], u"ats");
    EXPECT_EQ(view.translations[1], u"?");
    EXPECT_EQ(view.terms[2], u"");
    EXPECT_EQ(display.finishResultDisplay(), u"cats -> gatos");
}

TEST_F(ResultDisplayTest, FifthFormAnswersStopAndIsShownNowhere)
{
    display.beginResultDisplay(u"w");
    hit(u"w", HitKind::Direct, u"main");
    for (const auto* form : {u"a", u"b", u"c", u"d"}) {
        EXPECT_EQ(hit(form, HitKind::Derived, std::u16string(u"t") + form), HitAnswer::Continue);
    }
    EXPECT_EQ(hit(u"e", HitKind::Derived, u"te"), HitAnswer::Stop);
    EXPECT_EQ(display.possibilityCount(), 4);
    EXPECT_EQ(view.terms, (std::array<std::u16string, 4>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(view.translations[3], u"td");
    EXPECT_EQ(view.searchBox, u"w -> main");
    EXPECT_FALSE(display.isShown(u"e"));
}

TEST_F(ResultDisplayTest, AlreadyShownMeansTheMainFormOrAListedForm)
{
    display.beginResultDisplay(u"houses");
    EXPECT_FALSE(display.isShown(u""));
    EXPECT_FALSE(display.isShown(u"houses"));
    hit(u"house", HitKind::Derived, u"casa");
    hit(u"hous", HitKind::Derived, u"?");
    EXPECT_TRUE(display.isShown(u"house"));
    EXPECT_TRUE(display.isShown(u"hous"));
    EXPECT_FALSE(display.isShown(u"houses"));  // quoted, but not the shown form
    EXPECT_FALSE(display.isShown(u"hou"));
    EXPECT_FALSE(display.isShown(u""));

    // A new run forgets them.
    display.beginResultDisplay(u"x");
    EXPECT_FALSE(display.isShown(u"house"));
    EXPECT_FALSE(display.isShown(u"hous"));
}

}  // namespace
}  // namespace quillet::translation
