#include "core/UserFolders.h"

#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

using namespace quillet::core;
namespace fs = std::filesystem;

// A portable copy has its page file beside the program, an installed tree in
// ../share/quillet/; one the setup program installed, its uninstaller too.
TEST(UserFolders, WritablePortableCopyKeepsAllElseTheXdgFoldersOrTheirDefaults)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no XDG folders nor a share/ tree (next test)";
#endif
    // layout (Portable, Share tree, Uninstaller beside), writable,
    // XDG_CONFIG_HOME, XDG_DATA_HOME; then data, user data and settings
    // folders, P the program's, S share/quillet/.
    // clang-format off
    const std::vector<std::tuple<char, bool, const char*, const char*, std::string>> rows = {
        {'P', true, "/x/c", "/x/d", "P P P "},
        {'P', false, "/x/c", "/x/d", "P /x/d/quillet/ /x/c/quillet/ "},
        {'P', false, nullptr, "", "P /h/.local/share/quillet/ /h/.config/quillet/ "},
        {'P', false, "x/c", "x/d", "P /h/.local/share/quillet/ /h/.config/quillet/ "},
        {'S', true, "/x/c", "/x/d", "S /x/d/quillet/ /x/c/quillet/ "},
        {'U', true, "/x/c", "/x/d", "P /x/d/quillet/ /x/c/quillet/ "}};
    // clang-format on
    for (const auto& [layout, writable, config, data, expected] : rows) {
        quillet::testsupport::TempFolder tree;
        const fs::path bin = tree / "bin/", share = tree / "share/quillet/";
        for (const fs::path& folder : {bin, share}) fs::create_directories(folder);
        quillet::testsupport::writeTextFile((layout == 'S' ? share : bin) / "quillet.htm", "pt");
        if (layout == 'U')
            quillet::testsupport::writeTextFile(bin / "uninstall.exe", "MZ");
        const std::map<std::string, const char*> variables = {
            {"HOME", "/h"}, {"XDG_CONFIG_HOME", config}, {"XDG_DATA_HOME", data}};
        const UserFolders folders = chooseUserFolders(
            bin, [&](const char* name) { return variables.at(name); },
            [&, writable = writable](const fs::path& folder) { return writable && folder == bin; });
        std::string text;
        for (const fs::path& folder : {folders.data, folders.userData, folders.settings})
            text += (folder == bin ? "P" : folder == share ? "S" : folder.string()) + " ";
        EXPECT_EQ(text, expected) << layout << writable << !config;
    }
}

#ifdef _WIN32
// Windows: a program in a folder it may write to is portable; else its data
// stays beside it and the user's files go to Quillet\ in %APPDATA%, whose
// value (as any variable's) arrives as UTF-8 whatever the letters.
TEST(UserFolders, WindowsKeepsTheUsersFilesBesideTheProgramOrInAppData)
{
    quillet::testsupport::TempFolder program;
    ASSERT_EQ(::_wputenv(L"QUILLET_TEST_APPDATA=C:\\Users\\Usu\u00E1rio\\AppData"), 0);
    const Environment system = systemEnvironment();
    EXPECT_STREQ(system("QUILLET_TEST_APPDATA"), "C:\\Users\\Usu\xC3\xA1rio\\AppData");
    const auto environment = [&](const char*) { return system("QUILLET_TEST_APPDATA"); };
    for (const bool writable : {true, false}) {
        const UserFolders folders = chooseUserFolders(program.path(), environment,
                                                      [&](const fs::path&) { return writable; });
        const fs::path user =
            writable ? program.path() : fs::path(u8"C:\\Users\\Usu\u00E1rio\\AppData\\Quillet\\");
        EXPECT_EQ(folders.data, program.path());
        EXPECT_EQ(folders.userData, user);
        EXPECT_EQ(folders.settings, user);
        EXPECT_EQ(folders.perUser, !writable);
    }
    // Asking leaves nothing behind.
    EXPECT_TRUE(folderWritable(program.path()));
    EXPECT_FALSE(folderWritable(program / "missing"));
    EXPECT_TRUE(fs::is_empty(program.path()));
}
#endif
