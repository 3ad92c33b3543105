// The translate command on dictionaries imported from the FreeDict packages.
// Which form each word finds is worked out from the rules; its translation is
// what the lookup command gives for that form.

#include "Command.h"
#include "TranslateCommand.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quillet::tool {
namespace {

class TranslateCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const std::string source : {"eng-por", "por-eng"}) {
            const std::string dictd = "/usr/share/dictd/freedict-" + source;
            if (!std::filesystem::exists(dictd + ".index"))
                GTEST_SKIP() << "dict-freedict-" << source << " is not installed";
            run(runImportDictdCommand, {"--index", dictd + ".index", "--dict", dictd + ".dict.dz",
                                        "--out", app, "--stem", source});
        }
        std::ofstream(folder / "app/dictionaries.cfg")
            << "Inglês-Português|English-Portuguese|eng-por|0|S|S\n"
               "Português-Inglês|Portuguese-English|por-eng|1|N|S\n";
    }

    static std::string run(CommandFunction command, const CommandArguments& arguments)
    {
        std::ostringstream out, err;
        EXPECT_EQ(command(arguments, out, err), exitOk) << err.str();
        return out.str();
    }

    // The JSON line for a text that finds `form`, the details left out.
    std::string found(int row, std::string captured, std::string line, std::string form,
                      std::string possibility = "")
    {
        const auto translationOf = [&](const std::string& word) {
            const std::string out = run(runLookupCommand, {app, std::to_string(row), word});
            EXPECT_TRUE(out.starts_with("found: yes\ntranslation: ")) << word;
            return out.substr(24, out.find('\n', 24) - 24);
        };
        if (!possibility.empty())
            possibility = R"({"term": ")" + possibility + R"(", "translation": ")" +
                          translationOf(possibility) + R"("})";
        return R"({"captured": ")" + captured + R"(", "ignored": false, "line": ")" + line +
               translationOf(form) + R"(", "found": true, "details": (some), "possibilities": [)" +
               possibility + "]}\n";
    }

    testsupport::TempFolder folder;
    const std::string app = (folder / "app").string();
};

std::string ignored(const std::string& captured)
{
    return R"({"captured": ")" + captured +
           R"(", "ignored": true, "line": "", )"
           R"("found": false, "details": (none), "possibilities": []})"
           "\n";
}

// The output with the details' text, the dictionary's own, replaced by whether there is any.
std::string translate(CommandArguments arguments, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(runTranslateCommand(arguments, in, out, err), exitOk) << err.str();
    std::string text = out.str();
    for (auto at = text.find(R"("details": ")"); at != std::string::npos;
         at = text.find(R"("details": ")", at + 1)) {
        const auto length = text.find(R"(, "possibilities")", at) - at - 11;
        text.replace(at + 11, length, length == 2 ? "(none)" : "(some)");
    }
    return text;
}

TEST_F(TranslateCommandTest, TranslatesRealWordsOnBothRows)
{
    EXPECT_EQ(translate({app, "0"}, "house\nHouses\nHOUSES \nrunning\nquickly\nWord\r\nWord\r\n"),
              found(0, "house", "house -> ", "house", "use") +
                  found(0, "houses", " ? houses (! house ) -> ", "house") + ignored("houses") +
                  // "runn" is no headword: the -ing ending drops the doubled consonant.
                  found(0, "running", " ? running (! run ) -> ", "run") +
                  // The -ly ending lists "quick"; the prefix pass skips it as shown.
                  found(0, "quickly", "quickly -> ", "quickly", "quick") +
                  found(0, R"(word\r\n)", "word -> ", "word") + ignored(R"(word\r\n)"));
    EXPECT_EQ(translate({"--language", "0", app, "1"}, "casas\nCanções\nxyzzy\n"),
              // The -s plural finds "casa"; the prefix pass, which skips nothing here, again.
              found(1, "casas", " ? casas (! casa ) -> ", "casa", "casa") +
                  found(1, "canções", " ? canções (! canção ) -> ", "canção") +
                  R"({"captured": "xyzzy", "ignored": false, "line": "xyzzy -> Não encontrado!", )"
                  R"("found": false, "details": (none), "possibilities": []})"
                  "\n");
}

}  // namespace
}  // namespace quillet::tool
