#include "core/ErrorReport.h"
#include "core/Installation.h"
#include "core/Messages.h"
#include "core/Utf8.h"

#include "fakes/FakeDialogs.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace quillet::core;
using namespace std::string_literals;
using quillet::fakes::FakeDialogs;

TEST(Installation, FolderGetsOneSeparatorAfterOneTrailingNulIsDropped)
{
    const std::vector<std::tuple<std::u16string, char16_t, std::u16string>> rows = {
        {u"C:\\Program Files\\Quillet", u'\\', u"C:\\Program Files\\Quillet\\"},
        {u"C:\\Quillet\\", u'\\', u"C:\\Quillet\\"},
        {u"C:\\", u'\\', u"C:\\"},
        {u"/", u'/', u"/"},
        {u"C:/Quillet/", u'\\', u"C:/Quillet/\\"},
        {u"C:\\Quillet\0"s, u'\\', u"C:\\Quillet\\"},
        {u"/opt/q\0\0"s, u'/', u"/opt/q\0/"s},
        {u""s, u'/', u"/"},
    };
    for (const auto& [folder, separator, expected] : rows)
        EXPECT_EQ(normaliseFolder(folder, separator), expected) << toUtf8(folder);
}

// The pages are asked for in order and the first one missing stops the check.
TEST(Installation, FirstMissingPageIsReportedInOneBox)
{
    struct Row
    {
        std::set<std::u16string> present;
        bool complete;
        std::vector<std::u16string> asked;
    };
    const std::u16string pt = u"/opt/q/quillet.htm", en = u"/opt/q/quillete.htm";
    const std::vector<Row> rows = {{{pt, en}, true, {pt, en}},
                                   {{}, false, {pt}},
                                   {{pt}, false, {pt, en}},
                                   {{en}, false, {pt}}};
    for (const Row& row : rows) {
        SharedState state;
        state.interfaceLanguage = 1;
        loadMessages(state);
        FakeDialogs dialogs;
        std::vector<std::u16string> asked;
        const auto exists = [&](const std::u16string& path) {
            asked.push_back(path);
            return row.present.count(path) == 1;
        };
        EXPECT_EQ(checkInstallation(state, u"/opt/q", exists, dialogs, u'/'), row.complete);
        EXPECT_EQ(state.appFolder, u"/opt/q/");
        EXPECT_EQ(asked, row.asked);
        ASSERT_EQ(dialogs.count(), row.complete ? 0u : 1u);
        if (!row.complete) {
            EXPECT_EQ(dialogs.last().icon, quillet::platform::MessageIcon::Critical);
            EXPECT_EQ(dialogs.last().title, state.messages[kMsgWarningTitle]);
            EXPECT_EQ(dialogs.last().text, state.messages[kMsgBadInstallation]);
        }
    }
}

TEST(Installation, OnDiskAFolderNamedLikeAPageDoesNotCount)
{
    const quillet::testsupport::TempFolder folder;
    quillet::testsupport::writeTextFile(folder / "quillet.htm", "<html></html>");
    std::filesystem::create_directory(folder / "quillete.htm");
    SharedState state;
    FakeDialogs dialogs;
    EXPECT_FALSE(checkInstallation(state, fromPath(folder.path()), plainFileExists, dialogs));
    std::filesystem::remove(folder / "quillete.htm");
    quillet::testsupport::writeTextFile(folder / "quillete.htm", "<html></html>");
    EXPECT_TRUE(checkInstallation(state, fromPath(folder.path()), plainFileExists, dialogs));
    EXPECT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(fromPath(std::filesystem::path("/tmp/\xFF")), u"/tmp/\uFFFD");
    EXPECT_EQ(toPath(u"/tmp/\xD800").native(), "/tmp/\xEF\xBF\xBD");
}

TEST(Installation, WebQueryJoinsVersionAndLanguageWithoutPadding)
{
    EXPECT_EQ(buildWebQuery(1, 0, 0), u"?v=200710&l=0");
    EXPECT_EQ(buildWebQuery(2, 13, 1), u"?v=2007213&l=1");
    EXPECT_EQ(buildWebQuery(1, 0, -1), u"?v=200710&l=-1");
}

// Stand-in texts show the layout without restating the message table.
TEST(ErrorReport, CodesFirstLetterChoosesTheOpeningLine)
{
    MessageTable messages;
    for (int number : {kMsgFileError, kMsgGenericError, kMsgNotCompleted, kMsgNoteCode,
                       kMsgSendMail, kMsgSupportAddress, kMsgErrorTitle, kMsgErrorTitleEnd})
        messages[number] = u"<" + std::u16string(1, u'0' + number % 10) + u">";
    const std::u16string rest = u"<7>\n<8>A07QL<9>\n<0>";
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"A07", u"<5>\n" + rest}, {u"B07", u"<6>\n" + rest}, {u"C07", rest}, {u"a07", rest}};
    for (const auto& [code, text] : rows) {
        const ErrorReport report = composeErrorReport(messages, code, u"QL");
        std::u16string expected = text;
        expected.replace(expected.find(u"A07"), 3, code);
        EXPECT_EQ(report.text, expected) << toUtf8(code);
        EXPECT_EQ(report.title, u"<1>" + code + u"QL<2>");
    }
    FakeDialogs dialogs;
    reportError(messages, u"A07", u"QL", dialogs);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, quillet::platform::MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().buttons, quillet::platform::MessageButtons::Ok);
    EXPECT_EQ(dialogs.last().text, u"<5>\n" + rest);
}
