// Runs `quillet-dict translate` on the dictionaries built from the FreeDict
// packages. Each expectation follows from the rules and the entries as the
// lookup command reports them: which candidate is the first found, which
// later forms exist, and the line built from the found form's translation.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kDictd = "/usr/share/dictd";
const fs::path kAppFolder = fs::path(QUILLET_BINARY_DIR) / "translate-test-app";

std::string quote(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command; its standard output, or nothing when it failed.
std::pair<bool, std::string> run(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return {false, {}};
    }
    std::array<char, 4096> buffer;
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        output.append(buffer.data(), read);
    }
    return {pclose(pipe) == 0, output};
}

// The strings and booleans of one output line, in order: keys and values alike.
std::vector<std::string> tokensOf(const std::string& line)
{
    std::vector<std::string> tokens;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '"') {
            std::string text;
            while (line.at(++at) != '"') {
                char c = line[at];
                if (c == '\\') {
                    c = line.at(++at);
                    c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
                }
                text += c;
            }
            tokens.push_back(text);
        } else if (line.compare(at, 4, "true") == 0 || line.compare(at, 5, "false") == 0) {
            tokens.emplace_back(line[at] == 't' ? "true" : "false");
            at += tokens.back().size() - 1;
        }
    }
    return tokens;
}

struct Expected
{
    std::string input;
    std::string captured;
    bool ignored = false;
    std::string line;
    std::vector<std::pair<std::string, std::string>> possibilities;  // term, translation
};

class TranslateCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        for (const char* source : {"eng-por", "por-eng"}) {
            for (const char* extension : {".index", ".dict.dz"}) {
                if (!fs::exists(kDictd / (std::string("freedict-") + source + extension))) {
                    s_missing = true;
                    return;
                }
            }
        }
        s_built = run(quote(std::string(QUILLET_SOURCE_DIR) + "/scripts/build-dictionaries") +
                      " " + quote(kAppFolder.string()) + " " + quote(QUILLET_BINARY_DIR) +
                      " >/dev/null")
                      .first;
    }

    void SetUp() override
    {
        if (s_missing) {
            GTEST_SKIP() << "the FreeDict packages dict-freedict-eng-por/-por-eng are not installed";
        }
        ASSERT_TRUE(s_built) << "scripts/build-dictionaries failed";
    }

    // The dictionary's translation of `word`, from the lookup command.
    static std::string translationOf(int row, const std::string& word)
    {
        const auto [ok, output] = run(quote(QUILLET_DICT_TOOL) + " lookup " +
                                      quote(kAppFolder.string()) + " " + std::to_string(row) +
                                      " " + quote(word));
        const std::string marker = "\ntranslation: ";
        const auto at = output.find(marker);
        if (!ok || output.rfind("found: yes", 0) != 0 || at == std::string::npos) {
            ADD_FAILURE() << "the dictionary has no entry " << word;
            return "(missing)";
        }
        const auto start = at + marker.size();
        return output.substr(start, output.find('\n', start) - start);
    }

    static void check(int row, const std::string& options, const std::vector<Expected>& cases)
    {
        const fs::path input = kAppFolder / ("input-" + std::to_string(row) + ".txt");
        {
            std::ofstream file(input, std::ios::binary);
            for (const auto& expected : cases) {
                file << expected.input << "\n";
            }
        }
        const auto [ok, output] =
            run(quote(QUILLET_DICT_TOOL) + " translate " + options + " " +
                quote(kAppFolder.string()) + " " + std::to_string(row) + " < " +
                quote(input.string()));
        ASSERT_TRUE(ok);

        std::vector<std::string> lines;
        for (std::size_t start = 0; start < output.size();) {
            const auto end = output.find('\n', start);
            lines.push_back(output.substr(start, end - start));
            start = end == std::string::npos ? output.size() : end + 1;
        }
        ASSERT_EQ(lines.size(), cases.size());
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const auto& expected = cases[i];
            SCOPED_TRACE("input line " + std::to_string(i + 1) + ": " + expected.input);
            const bool found = !expected.ignored && expected.line.find(" -> Not found!") ==
                                                        std::string::npos &&
                               expected.line.find(" -> Não encontrado!") == std::string::npos;
            auto tokens = tokensOf(lines[i]);
            // The details are the dictionary's own text: only whether there are any is known.
            constexpr std::size_t kDetails = 9;
            ASSERT_GT(tokens.size(), kDetails);
            EXPECT_EQ(tokens[kDetails].empty(), !found);
            tokens[kDetails] = "(details)";
            std::vector<std::string> wanted{"captured", expected.captured,
                                            "ignored",  expected.ignored ? "true" : "false",
                                            "line",     expected.line,
                                            "found",    found ? "true" : "false",
                                            "details",  "(details)",
                                            "possibilities"};
            for (const auto& [term, translation] : expected.possibilities) {
                wanted.insert(wanted.end(), {"term", term, "translation", translation});
            }
            EXPECT_EQ(tokens, wanted);
        }
    }

    static Expected ignored(std::string input, std::string captured)
    {
        return {std::move(input), std::move(captured), true, "", {}};
    }

    static inline bool s_missing = false;
    static inline bool s_built = false;
};

TEST_F(TranslateCommandTest, EnglishWordsOnTheEnglishPortugueseRow)
{
    const auto t = [](const char* word) { return translationOf(0, word); };
    check(0, "", {
        // Found directly; the drop-first pass finds "use".
        {"house", "house", false, "house -> " + t("house"), {{"use", t("use")}}},
        // E1; nothing else of the cascade is a headword.
        {"Houses", "houses", false, " ? houses (! house ) -> " + t("house"), {}},
        ignored("HOUSES ", "houses"),
        // E6: "runn" is not a headword, "run" is.
        {"running", "running", false, " ? running (! run ) -> " + t("run"), {}},
        // E4 "trie", then the E5 chain "tri", "tr", "try".
        {"tried", "tried", false, " ? tried (! try ) -> " + t("try"), {}},
        {"cats", "cats", false, " ? cats (! cat ) -> " + t("cat"), {}},
        {"  Books", "books", false, " ? books (! book ) -> " + t("book"), {}},
        // E8 lists "quick"; the prefix pass skips it as shown.
        {"quickly", "quickly", false, "quickly -> " + t("quickly"), {{"quick", t("quick")}}},
        {"waters", "waters", false, " ? waters (! water ) -> " + t("water"), {}},
        {"happily", "happily", false, "happily -> " + t("happily"), {}},
        {"-book", "-book", false, " ? -book (! book ) -> " + t("book"), {}},
        {"((book))", "((book))", false, "((book)) -> Not found!", {}},
        {"xyzzy", "xyzzy", false, "xyzzy -> Not found!", {}},
        // Copied with its line break: captured with it, quoted without it.
        {"Word\r", "word\r\n", false, "word -> " + t("word"), {}},
        ignored("Word\r", "word\r\n"),
        ignored("abcdefghijklmnopqrsT", "abcdefghijklmnopqrst"),
        ignored("     ", ""),
        ignored("", ""),
        // The same text again after another one is new again.
        {"xyzzy", "xyzzy", false, "xyzzy -> Not found!", {}},
    });
}

TEST_F(TranslateCommandTest, PortugueseWordsOnThePortugueseEnglishRow)
{
    const auto t = [](const char* word) { return translationOf(1, word); };
    check(1, "--language 0", {
        // P1, and the drop-last pass, which skips nothing, lists the same form.
        {"casas", "casas", false, " ? casas (! casa ) -> " + t("casa"), {{"casa", t("casa")}}},
        {"cidades", "cidades", false, " ? cidades (! cidade ) -> " + t("cidade"),
         {{"cidade", t("cidade")}}},
        {"livros", "livros", false, " ? livros (! livro ) -> " + t("livro"),
         {{"livro", t("livro")}}},
        // P5.
        {"falam", "falam", false, " ? falam (! fala ) -> " + t("fala"), {{"fala", t("fala")}}},
        // Found directly; P3's "animais" is not a headword.
        {"animal", "animal", false, "animal -> " + t("animal"), {}},
        // P2.
        {"Canções", "canções", false, " ? canções (! canção ) -> " + t("canção"), {}},
        // P7's "rapida" is not a headword; the drop-first pass finds "mente", then "ente".
        {"rapidamente", "rapidamente", false, " ? rapidamente (! mente ) -> " + t("mente"),
         {{"ente", t("ente")}}},
        {"xyzzy", "xyzzy", false, "xyzzy -> Não encontrado!", {}},
    });
}

// A row the catalogue does not have is a file problem, not a usage one.
TEST_F(TranslateCommandTest, BadArgumentsAreUsageErrors)
{
    const std::vector<std::pair<std::string, int>> runs = {
        {"--language 2 " + quote(kAppFolder.string()) + " 0", 2},
        {quote(kAppFolder.string()) + " 51", 2},
        {quote(kAppFolder.string()) + " 7", 1},
    };
    for (const auto& [arguments, status] : runs) {
        EXPECT_EQ(std::system((quote(QUILLET_DICT_TOOL) + " translate " + arguments +
                               " </dev/null 2>/dev/null")
                                  .c_str()),
                  status << 8)
            << arguments;
    }
}

}  // namespace
