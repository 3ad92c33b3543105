#include "core/Installation.h"
#include "core/Messages.h"
#include "core/Utf8.h"

#include "support/TempFolder.h"
#include "fakes/FakeDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace quillet::core;
using quillet::fakes::FakeDialogs;
using quillet::platform::MessageButtons;
using quillet::platform::MessageIcon;

namespace {

// A folder holding exactly the given files; remembers what was asked.
struct FakeFolder
{
    std::set<std::u16string> files;
    std::vector<std::u16string> asked;

    FileExists callback()
    {
        return [this](const std::u16string& path) {
            asked.push_back(path);
            return files.count(path) == 1;
        };
    }
};

SharedState loadedState(std::int16_t language)
{
    SharedState state;
    state.interfaceLanguage = language;
    loadMessages(state);
    return state;
}

}  // namespace

TEST(InstallationFolder, SeparatorIsAppendedOnceAfterOneTrailingNulIsDropped)
{
    using namespace std::string_literals;
    const std::vector<std::tuple<std::u16string, char16_t, std::u16string>> rows = {
        {u"C:\\Program Files\\Quillet", u'\\', u"C:\\Program Files\\Quillet\\"},
        {u"C:\\Program Files\\Quillet\\", u'\\', u"C:\\Program Files\\Quillet\\"},
        {u"C:\\", u'\\', u"C:\\"},
        {u"/opt/quillet", u'/', u"/opt/quillet/"},
        {u"/", u'/', u"/"},
        // A slash is not the separator on Windows, so it does not end the folder.
        {u"C:/Quillet/", u'\\', u"C:/Quillet/\\"},
        {u"C:\\Quillet\0"s, u'\\', u"C:\\Quillet\\"},
        {u"C:\\\0"s, u'\\', u"C:\\"},
        {u"/opt/q\0"s, u'/', u"/opt/q/"},
        {u"/opt/q\0\0"s, u'/', u"/opt/q\0/"s},  // only one is dropped
        {u""s, u'/', u"/"},
    };
    for (const auto& [folder, separator, expected] : rows)
        EXPECT_EQ(normaliseFolder(folder, separator), expected) << toUtf8(folder);
}

TEST(InstallationCheck, CompleteInstallationShowsNothingAndSetsTheFolder)
{
    auto state = loadedState(0);
    FakeFolder folder{{u"/opt/q/quillet.htm", u"/opt/q/quillete.htm"}, {}};
    FakeDialogs dialogs;
    EXPECT_TRUE(checkInstallation(state, u"/opt/q", folder.callback(), dialogs, u'/'));
    EXPECT_EQ(state.appFolder, u"/opt/q/");
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(folder.asked,
              (std::vector<std::u16string>{u"/opt/q/quillet.htm", u"/opt/q/quillete.htm"}));
}

TEST(InstallationCheck, BothPagesMissingShowsOneBoxForThePortuguesePage)
{
    auto state = loadedState(0);
    FakeFolder folder;
    FakeDialogs dialogs;
    EXPECT_FALSE(checkInstallation(state, u"C:\\", folder.callback(), dialogs, u'\\'));
    EXPECT_EQ(state.appFolder, u"C:\\");
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(folder.asked, std::vector<std::u16string>{u"C:\\quillet.htm"});
    EXPECT_EQ(dialogs.last().icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.last().title, u"Aten\u00E7\u00E3o!");
    EXPECT_EQ(dialogs.last().text,
              u"Instala\u00E7\u00E3o incorreta, favor re-instalar o dicion\u00E1rio!");
}

TEST(InstallationCheck, OnlyTheEnglishPageMissingShowsOneBox)
{
    auto state = loadedState(1);
    FakeFolder folder{{u"/opt/q/quillet.htm"}, {}};
    FakeDialogs dialogs;
    EXPECT_FALSE(checkInstallation(state, u"/opt/q/", folder.callback(), dialogs, u'/'));
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(folder.asked.back(), u"/opt/q/quillete.htm");
    EXPECT_EQ(dialogs.last().title, u"Warning!");
    EXPECT_EQ(dialogs.last().text, u"Error! Re-install Quillet 2007, please!");
}

TEST(InstallationCheck, RealFileSystemAcceptsFilesButNotFoldersOfThatName)
{
    const quillet::testsupport::TempFolder temp;
    const auto& dir = temp.path();
    std::filesystem::create_directory(dir / "quillete.htm");
    {
        std::ofstream(dir / "quillet.htm") << "<html></html>";
    }
    auto state = loadedState(0);
    FakeDialogs dialogs;
    const FileExists exists = plainFileExists;
    const std::u16string folder = dir.u16string();
    EXPECT_FALSE(checkInstallation(state, folder, exists, dialogs));
    EXPECT_EQ(dialogs.count(), 1u);
    std::filesystem::remove(dir / "quillete.htm");
    {
        std::ofstream(dir / "quillete.htm") << "<html></html>";
    }
    EXPECT_TRUE(checkInstallation(state, folder, exists, dialogs));
    EXPECT_EQ(dialogs.count(), 1u);
}

TEST(Paths, TextAndNativePathsConvertWithoutThrowing)
{
    EXPECT_EQ(fromPath(toPath(u"/opt/qu\u00E9llet/a")), u"/opt/qu\u00E9llet/a");
#ifndef _WIN32
    EXPECT_EQ(fromPath(std::filesystem::path("/tmp/\xFF")), u"/tmp/\uFFFD");
    EXPECT_EQ(toPath(u"/tmp/\xD800").native(), "/tmp/\xEF\xBF\xBD");
#endif
    EXPECT_FALSE(plainFileExists(u"/no/such/quillet/file"));
}

TEST(WebQuery, JoinsVersionAndLanguageWithoutPadding)
{
    EXPECT_EQ(buildWebQuery(1, 0, 0), u"?v=200710&l=0");
    EXPECT_EQ(buildWebQuery(1, 0, 1), u"?v=200710&l=1");
    EXPECT_EQ(buildWebQuery(2, 13, 2), u"?v=2007213&l=2");
    EXPECT_EQ(buildWebQuery(1, 0, -1), u"?v=200710&l=-1");
}
