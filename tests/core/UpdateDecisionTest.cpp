#include "core/UpdateDecision.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quillet::core;

// The update check's rules: once a day, the exact marker. The addresses it
// asks and opens are pinned by the program test, which follows a whole check.
TEST(UpdateDecision, DueOnTheFirstStartOfADay)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string_view, std::u16string_view, bool>> rows = {
        {u"20070314", u"20070315", true}, {u"20061231", u"20070101", true}, {u"", u"20070315", true},
        {u"20070315", u"20070315", false}, {u"20070320", u"20070315", false}};
    // clang-format on
    for (const auto& [last, today, due] : rows)
        EXPECT_EQ(updateCheckDue(last, today), due) << std::string(last.begin(), last.end());
}

TEST(UpdateDecision, OnlyTheExactMarkerOfAFetchedPageAnnouncesAVersion)
{
    // clang-format off
    const std::vector<std::tuple<bool, std::string_view, bool>> rows = {
        {true, "0X99VA", true}, {true, "<p>version 0X99VA ready</p>", true}, {true, "0x99va", false},
        {true, "0X99 VA", false}, {true, "0X99V", false}, {true, "", false}, {false, "0X99VA", false}};
    // clang-format on
    for (const auto& [fetched, body, announces] : rows)
        EXPECT_EQ(announcesNewVersion(fetched, body), announces) << body;
}
