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
#include <map>
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

// The few JSON shapes the command prints: objects, arrays, strings, booleans.
struct Json
{
    std::string text;
    bool boolean = false;
    std::vector<Json> items;
    std::map<std::string, Json> fields;
};

class JsonReader
{
public:
    explicit JsonReader(const std::string& text) : m_text(text) {}

    Json value()
    {
        skipSpaces();
        Json result;
        if (peek() == '{') {
            ++m_at;
            while (skipSpaces(), peek() != '}') {
                const std::string key = string();
                skipSpaces();
                expect(':');
                result.fields[key] = value();
                skipSpaces();
                if (peek() == ',') {
                    ++m_at;
                }
            }
            ++m_at;
        } else if (peek() == '[') {
            ++m_at;
            while (skipSpaces(), peek() != ']') {
                result.items.push_back(value());
                skipSpaces();
                if (peek() == ',') {
                    ++m_at;
                }
            }
            ++m_at;
        } else if (peek() == '"') {
            result.text = string();
        } else if (m_text.compare(m_at, 4, "true") == 0) {
            result.boolean = true;
            m_at += 4;
        } else if (m_text.compare(m_at, 5, "false") == 0) {
            m_at += 5;
        } else {
            throw std::runtime_error("unexpected JSON at " + std::to_string(m_at));
        }
        return result;
    }

private:
    char peek() const
    {
        if (m_at >= m_text.size()) {
            throw std::runtime_error("JSON ends early");
        }
        return m_text[m_at];
    }
    void skipSpaces()
    {
        while (m_at < m_text.size() && m_text[m_at] == ' ') {
            ++m_at;
        }
    }
    void expect(char c)
    {
        if (peek() != c) {
            throw std::runtime_error(std::string("expected ") + c);
        }
        ++m_at;
    }
    std::string string()
    {
        expect('"');
        std::string result;
        while (peek() != '"') {
            char c = m_text[m_at++];
            if (c == '\\') {
                const char escaped = m_text.at(m_at++);
                c = escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped == 't' ? '\t' : escaped;
                if (escaped == 'u') {
                    throw std::runtime_error("\\u escape not expected here");
                }
            }
            result += c;
        }
        ++m_at;
        return result;
    }

    const std::string& m_text;
    std::size_t m_at = 0;
};

struct Possibility
{
    std::string term;
    std::string translation;
};

struct Expected
{
    std::string input;
    std::string captured;
    bool ignored = false;
    std::string line;
    std::vector<Possibility> possibilities;
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
            const Json json = JsonReader(lines[i]).value();
            EXPECT_EQ(json.fields.at("captured").text, expected.captured);
            EXPECT_EQ(json.fields.at("ignored").boolean, expected.ignored);
            EXPECT_EQ(json.fields.at("line").text, expected.line);
            const bool found = !expected.ignored && expected.line.find(" -> Not found!") ==
                                                        std::string::npos &&
                               expected.line.find(" -> Não encontrado!") == std::string::npos;
            EXPECT_EQ(json.fields.at("found").boolean, found);
            if (!found) {
                EXPECT_EQ(json.fields.at("details").text, "");
            } else {
                EXPECT_NE(json.fields.at("details").text, "");
            }
            const auto& possibilities = json.fields.at("possibilities").items;
            ASSERT_EQ(possibilities.size(), expected.possibilities.size());
            for (std::size_t p = 0; p < possibilities.size(); ++p) {
                EXPECT_EQ(possibilities[p].fields.at("term").text, expected.possibilities[p].term);
                EXPECT_EQ(possibilities[p].fields.at("translation").text,
                          expected.possibilities[p].translation);
            }
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

TEST_F(TranslateCommandTest, BadArgumentsAreUsageErrors)
{
    EXPECT_EQ(std::system((quote(QUILLET_DICT_TOOL) + " translate --language 2 " +
                           quote(kAppFolder.string()) + " 0 </dev/null 2>/dev/null")
                              .c_str()),
              2 << 8);
    EXPECT_EQ(std::system((quote(QUILLET_DICT_TOOL) + " translate " + quote(kAppFolder.string()) +
                           " 51 </dev/null 2>/dev/null")
                              .c_str()),
              2 << 8);
    // A row the catalogue does not have is a file problem, not a usage one.
    EXPECT_EQ(std::system((quote(QUILLET_DICT_TOOL) + " translate " + quote(kAppFolder.string()) +
                           " 7 </dev/null 2>/dev/null")
                              .c_str()),
              1 << 8);
}

}  // namespace
