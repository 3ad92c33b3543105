#include "core/ErrorReport.h"
#include "core/Messages.h"
#include "core/Utf8.h"

#include <gtest/gtest.h>

using namespace quillet::core;

// Stand-in texts "<n>" (n: the message number's last digit) show the layout.
TEST(ErrorReport, CodesFirstLetterChoosesTheOpeningLine)
{
    MessageTable messages;
    for (int number = kMsgFileError; number <= kMsgErrorTitleEnd; ++number)
        messages[number] = u"<" + std::u16string(1, u'0' + number % 10) + u">";
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"A07", u"<5>\n"}, {u"B07", u"<6>\n"}, {u"C07", u""}, {u"a07", u""}, {u"", u""}};
    for (const auto& [code, opening] : rows) {
        const ErrorReport report = composeErrorReport(messages, code, u"QL");
        EXPECT_EQ(report.text, opening + u"<7>\n<8>" + code + u"QL<9>\n<0>") << toUtf8(code);
        EXPECT_EQ(report.title, u"<1>" + code + u"QL<2>");
    }
}
