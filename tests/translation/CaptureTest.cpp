#include "translation/Capture.h"

#include <gtest/gtest.h>

namespace quillet::translation {
namespace {

class CaptureTest : public ::testing::Test
{
protected:
    CaptureTest() { state.splashClosed = true; }

    // One tick; a translated text is recorded as the program does after the run.
    CaptureDecision tick(std::u16string_view clipboard)
    {
        auto decision = decideCapture(clipboard, state);
        recordCapture(state, decision);
        return decision;
    }

    core::SharedState state;
};

TEST_F(CaptureTest, TrimsSpacesOnlyAndLowerCases)
{
    const auto decision = tick(u"  Ação ");
    EXPECT_TRUE(decision.translate);
    EXPECT_EQ(decision.capturedText, u"ação");
    EXPECT_EQ(state.lastCapturedText, u"ação");

    EXPECT_EQ(tick(u"\tWord").capturedText, u"\tword");
}

TEST_F(CaptureTest, SameTextTwiceIsTranslatedOnce)
{
    EXPECT_TRUE(tick(u"word").translate);
    EXPECT_FALSE(tick(u"word").translate);
    EXPECT_FALSE(tick(u"Word ").translate);
    EXPECT_FALSE(tick(u"WORD").translate);
    EXPECT_EQ(state.lastCapturedText, u"word");

    // The search button forgets the last text, so the same word goes again.
    state.lastCapturedText.clear();
    EXPECT_TRUE(tick(u"word").translate);
}

TEST_F(CaptureTest, NineteenUnitsAreTranslatedTwentyAreNot)
{
    const std::u16string nineteen(19, u'a');
    const std::u16string twenty(20, u'b');
    EXPECT_TRUE(tick(u"  " + nineteen + u"  ").translate);
    EXPECT_FALSE(tick(twenty).translate);
    EXPECT_EQ(state.lastCapturedText, nineteen);
    // A long text is examined again at each tick and never recorded.
    EXPECT_FALSE(tick(twenty).translate);
    EXPECT_EQ(state.lastCapturedText, nineteen);
}

TEST_F(CaptureTest, EmptyAndSpacesOnlyAreIgnored)
{
    EXPECT_FALSE(tick(u"").translate);
    EXPECT_FALSE(tick(u"     ").translate);
    EXPECT_FALSE(tick(std::u16string(30, u' ')).translate);
    EXPECT_EQ(state.lastCapturedText, u"");
}

TEST_F(CaptureTest, NothingBeforeTheSplashCloses)
{
    state.splashClosed = false;
    EXPECT_FALSE(tick(u"house").translate);
    EXPECT_EQ(state.lastCapturedText, u"");
    state.splashClosed = true;
    EXPECT_TRUE(tick(u"house").translate);
}

TEST_F(CaptureTest, LineBreakIsPartOfTheCapturedText)
{
    auto decision = tick(u"House\r\n");
    EXPECT_TRUE(decision.translate);
    EXPECT_EQ(decision.capturedText, u"house\r\n");
    EXPECT_EQ(state.lastCapturedText, u"house\r\n");
    EXPECT_FALSE(tick(u"House\r\n").translate);
    // The line break counts towards the length.
    EXPECT_FALSE(tick(std::u16string(18, u'c') + u"\r\n").translate);
    EXPECT_TRUE(tick(std::u16string(17, u'c') + u"\r\n").translate);
}

TEST_F(CaptureTest, HugeTextIsIgnoredAndShortOnePaddedWithHugeSpacesIsNot)
{
    const std::u16string huge(5 * 1024 * 1024, u'X');
    EXPECT_FALSE(tick(huge).translate);
    EXPECT_EQ(state.lastCapturedText, u"");

    const std::u16string padding(5 * 1024 * 1024, u' ');
    const auto decision = tick(padding + u"Word" + padding);
    EXPECT_TRUE(decision.translate);
    EXPECT_EQ(decision.capturedText, u"word");
}

}  // namespace
}  // namespace quillet::translation
