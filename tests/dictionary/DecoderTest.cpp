#include "dictionary/Decoder.h"
#include "dictionary/Encoder.h"
#include "dictionary/Folding.h"

#include <gtest/gtest.h>

using namespace quillet::dictionary;

// Hand-worked with the first table, selected by "?": a->B, b->u, c->t, e->d, s->&.
TEST(Decoder, FieldsDecodeThroughTheirSelectorsTable)
{
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"?Bu", u"ab"},
        {u"?tB&d", u"case"},
        {u"?t\u00E7\u00E3t", u"c\u00E7\u00E3c"},
        {u"~Zebra, (x)", u"Zebra, (x)"},
        {u"\u00E7abc", u"abc"},
        {u"", u""},
        {u"?", u""},
        {u"?B", u""},
        {u"xy", u""}};
    for (const auto& [stored, plain] : rows) {
        EXPECT_EQ(DecodeField(stored), plain);
        std::string bytes(stored.begin(), stored.end());  // all below 0x100
        EXPECT_EQ(decodeFieldBytes(bytes), plain);
        EXPECT_TRUE(decodedFieldEquals(bytes, plain));
    }
    EXPECT_FALSE(decodedFieldEquals("?Bu", u"a"));
    EXPECT_TRUE(decodedFieldEquals("?Bu ", u"ab"));  // a trailing plain space
}

TEST(Encoder, OneCharacterIsRefusedAndTheEmptyTextStoredEmpty)
{
    std::u16string stored = u"unchanged";
    EXPECT_EQ(encodeField(u"e", stored), EncodeError::SingleCharacter);
    EXPECT_EQ(stored, u"unchanged");
    EXPECT_EQ(encodeField(u"", stored), EncodeError::None);
    EXPECT_EQ(stored, u"");
    EXPECT_EQ(encodeField(u"ab", stored), EncodeError::None);
    EXPECT_EQ(stored, u"?Bu");
}

TEST(Folding, LowerCaseAccentsFoldAndShortWordsPadTheirDetailsKey)
{
    EXPECT_EQ(foldAccents(u"áàãâéèêíìîóòôõúùûüç"), u"aaaaeeeiiioooouuuuc");
    EXPECT_EQ(foldAccents(u" Água ÁÇ äëïöñý"), u" Água ÁÇ äëïöñý");
    const std::vector<std::pair<std::u16string, std::u16string>> keys = {
        {u"a", u"axalx"},     {u"ab", u"abxal"},      {u"cat", u"catxa"}, {u"four", u"fourx"},
        {u"house", u"house"}, {u"houses", u"houses"}, {u"", u"xalxa"},    {u"pé", u"péxal"}};
    for (const auto& [word, key] : keys) EXPECT_EQ(detailsKey(word), key);
}
