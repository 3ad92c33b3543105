#include "JsonText.h"
#include "ToolError.h"
#include "TsvReader.h"

#include <gtest/gtest.h>

namespace quillet::tool {
namespace {

TEST(TsvReader, ReadsTwoOrThreeFields)
{
    const auto entries = parseTsv("\xEF\xBB\xBFhouse\tcasa\r\n\nação\taction\tnote\\nline two \\\\n\n", "t.tsv");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].headword, u"house");
    EXPECT_EQ(entries[0].translation, u"casa");
    EXPECT_EQ(entries[0].details, u"");
    EXPECT_EQ(entries[0].origin, 1u);
    EXPECT_EQ(entries[1].headword, u"ação");
    EXPECT_EQ(entries[1].details, u"note\nline two \\n");
    EXPECT_EQ(entries[1].origin, 3u);
}

TEST(TsvReader, DamageIsAnErrorNamingTheLine)
{
    auto errorOf = [](std::string_view bytes) -> std::string {
        try {
            parseTsv(bytes, "t.tsv");
        } catch (const FileError& error) {
            return error.what();
        }
        return "no error";
    };
    EXPECT_NE(errorOf("a\tb\nno tab here\n").find("t.tsv:2"), std::string::npos);
    EXPECT_NE(errorOf("a\tb\tc\td\n").find("t.tsv:1"), std::string::npos);
    EXPECT_NE(errorOf("ok\tfine\nbad\t\xC3\x28\n").find("t.tsv:2: not valid UTF-8"), std::string::npos);
}

TEST(JsonText, EscapesEveryControlCharacter)
{
    EXPECT_EQ(jsonString(u"casa"), "\"casa\"");
    EXPECT_EQ(jsonString(u"a\"b\\c/"), "\"a\\\"b\\\\c/\"");
    EXPECT_EQ(jsonString(u"\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(jsonString(std::u16string(1, u'\0')), "\"\\u0000\"");
    EXPECT_EQ(jsonString(u"\x1f\x7f"), "\"\\u001f\\u007f\"");
    EXPECT_EQ(jsonString(u"ação"), "\"a\xC3\xA7\xC3\xA3o\"");
    for (char16_t c = 0; c < 0x20; ++c) {
        const std::string json = jsonString(std::u16string(1, c));
        for (char byte : json)
            EXPECT_GE(static_cast<unsigned char>(byte), 0x20) << "unit " << int(c);
    }
}

}  // namespace
}  // namespace quillet::tool
