// The update check's rules: once a day, the exact marker, the start's query.

#include "core/UpdateDecision.h"

#include <gtest/gtest.h>

using namespace quillet::core;

TEST(UpdateDecision, DueOnTheFirstStartOfADay)
{
    const struct
    {
        std::u16string_view last, today;
        bool due;
    } rows[] = {
        {u"20070314", u"20070315", true},  {u"20061231", u"20070101", true},
        {u"", u"20070315", true},          {u"20070315", u"20070315", false},
        {u"20070320", u"20070315", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(updateCheckDue(row.last, row.today), row.due) << "row " << &row - rows;
}

TEST(UpdateDecision, OnlyTheExactMarkerOfAFetchedPageAnnouncesAVersion)
{
    const struct
    {
        bool fetched;
        std::string_view body;
        bool announces;
    } rows[] = {
        {true, "0X99VA", true},   {true, "<p>version 0X99VA ready</p>", true},
        {true, "0x99va", false},  {true, "0X99 VA", false},
        {true, "0X99V", false},   {true, "", false},
        {false, "0X99VA", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(announcesNewVersion(row.fetched, row.body), row.announces) << row.body;
}

TEST(UpdateDecision, PagesCarryTheQueryOfTheStart)
{
    EXPECT_EQ(versionPageAddress(u"https://h.example", u"?v=200710&l=1"),
              u"https://h.example/quillet/version.asp?v=200710&l=1");
    EXPECT_EQ(downloadPageAddress(u"http://127.0.0.1:8", u"?v=200710&l=0"),
              u"http://127.0.0.1:8/quillet/newversion.asp?v=200710&l=0");
}
