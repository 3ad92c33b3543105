// The translate command over the committed golden dictionary, named as row 0
// (English rules) and row 1 (Portuguese rules) of one catalogue. The expected
// lines are worked out by hand from the rules and tests/data/golden/en-pt.tsv.

#include "Command.h"
#include "TranslateCommand.h"
#include "support/TempFolder.h"
#include "support/TestDictionary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quillet::tool {
namespace {

// A line not found has no details; an ignored one no line either.
std::string json(const std::string& captured, const std::string& line = "",
                 const std::string& details = "", const std::string& possibilities = "")
{
    return R"({"captured": ")" + captured + R"(", "ignored": )" +
           (line.empty() ? "true" : "false") + R"(, "line": ")" + line + R"(", "found": )" +
           (details.empty() ? "false" : "true") + R"(, "details": ")" + details +
           R"(", "possibilities": [)" + possibilities + "]}\n";
}

TEST(TranslateCommand, PrintsOneLinePerTextReadWithTheRowsRules)
{
    const testsupport::TempFolder folder;
    const auto golden = std::filesystem::path(QUILLET_TEST_DATA) / "golden";
    for (const std::string extension : {".qlc", ".ind", ".pdt"})
        std::filesystem::copy_file(golden / ("en-pt" + extension), folder / ("en-pt" + extension));
    testsupport::writeTextFile(folder / "en-pt.dcu", "");
    testsupport::writeTextFile(folder / "en-pt.dtu", "");
    testsupport::writeTextFile(folder / "dictionaries.cfg",
                               "a|English-Portuguese|en-pt|0|S|S\nb|b|en-pt|1|N|S\n");
    // What the command prints, then what it reports.
    const auto translate = [&](const CommandArguments& arguments, const std::string& input,
                               int status = exitOk) {
        std::istringstream in(input);
        std::ostringstream out, err;
        EXPECT_EQ(runTranslateCommand(arguments, in, out, err), status) << err.str();
        return out.str() + err.str();
    };
    const std::string app = folder.path().string();
    EXPECT_EQ(
        translate({app, "0"}, "cat\nCats\nCATS \nrunning\nHand\r\nHand\r\n"),
        // The build kept no note for "cat" nor "hand": the translation stands in.
        json("cat", "cat -> gato", "gato") + json("cats", " ? cats (! cat ) -> gato", "gato") +
            json("cats") +
            json("running", " ? running (! run ) -> correr (v.), corrida",
                 R"(run <v>\n1. correr\n2. funcionar)") +
            // "and" is a suffix of "hand".
            json(R"(hand\r\n)", "hand -> mão", "mão", R"({"term": "and", "translation": "e "})") +
            json(R"(hand\r\n)"));
    EXPECT_EQ(translate({"--language", "0", app, "1"}, "running\n"),
              json("running", "running -> Não encontrado!"));
    // Line 1 is as long as the program keeps of a copied text.
    EXPECT_TRUE(
        translate({app, "0"}, std::string(16384, 'x') + "\n" + std::string(16385, 'x'), exitFailure)
            .ends_with("]}\nquillet-dict: standard input:2: line longer than 16384 "
                       "bytes, more than the program keeps of a copied text\n"));
}

}  // namespace
}  // namespace quillet::tool
