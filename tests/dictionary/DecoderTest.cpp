#include "core/Windows1252.h"
#include "dictionary/CipherTables.h"
#include "dictionary/Decoder.h"
#include "dictionary/Encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace quillet::dictionary;

namespace {

std::set<char16_t> charactersOf(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// Encodes by hand with table `t`, for tests independent of the encoder's choice.
std::u16string encodeWith(std::size_t t, std::u16string_view plain)
{
    std::u16string stored(1, kSelectors[t]);
    for (const char16_t c : plain) {
        const auto k = kPlainAlphabet.find(c);
        stored.push_back(k == std::u16string_view::npos ? c : kCipherTables[t][k]);
    }
    return stored;
}

}  // namespace

TEST(CipherTables, MeetTheFormatsConstraints)
{
    ASSERT_EQ(kPlainAlphabet.size(), kAlphabetSize);
    EXPECT_EQ(charactersOf(kPlainAlphabet).size(), kAlphabetSize);
    ASSERT_EQ(kSelectors.size(), kTableCount);
    EXPECT_EQ(charactersOf(kSelectors).size(), kTableCount);
    EXPECT_EQ(tableIndexOf(kIdentitySelector), -1);

    const auto plainSet = charactersOf(kPlainAlphabet);
    std::set<std::u16string_view> distinctTables;
    for (std::size_t t = 0; t < kTableCount; ++t) {
        const std::u16string_view table = kCipherTables[t];
        SCOPED_TRACE(t);
        EXPECT_EQ(table.size(), kAlphabetSize);
        EXPECT_EQ(charactersOf(table).size(), kAlphabetSize);
        for (const char16_t c : table) {
            EXPECT_GT(c, u' ');
            EXPECT_LT(c, 0x7F);
        }
        EXPECT_NE(charactersOf(table), plainSet);
        distinctTables.insert(table);
        EXPECT_EQ(tableIndexOf(kSelectors[t]), static_cast<int>(t));
    }
    EXPECT_EQ(distinctTables.size(), kTableCount);
}

TEST(Decoder, EveryTableMapsEachPositionToThePlainAlphabet)
{
    for (std::size_t t = 0; t < kTableCount; ++t) {
        for (std::size_t k = 0; k < kAlphabetSize; ++k) {
            ASSERT_EQ(DecodeChar(kCipherTables[t][k], kSelectors[t]), kPlainAlphabet[k])
                << t << ' ' << k;
        }
    }
}

TEST(Decoder, ShortFieldsDecodeToEmptyText)
{
    EXPECT_EQ(DecodeField(u""), u"");
    EXPECT_EQ(DecodeField(std::u16string(1, kSelectors[0])), u"");
    EXPECT_EQ(DecodeField(encodeWith(0, u"a")), u"");
    EXPECT_EQ(DecodeField(u"xy"), u"");
    EXPECT_EQ(decodeFieldBytes("xy"), u"");
    EXPECT_TRUE(decodedFieldEquals("xy", u""));
    EXPECT_EQ(DecodeField(encodeWith(3, u"ab")), u"ab");
}

TEST(Decoder, UnknownSelectorDecodesByIdentity)
{
    ASSERT_EQ(tableIndexOf(u'~'), -1);
    EXPECT_EQ(DecodeField(u"~Zebra, (x)"), u"Zebra, (x)");
    EXPECT_EQ(DecodeField(u"\u00E7abc"), u"abc");
    EXPECT_EQ(DecodeChar(u'q', u'\u4E2D'), u'q');
}

TEST(Decoder, CharactersOutsideTheTablePassThroughInPlace)
{
    for (std::size_t t = 0; t < kTableCount; ++t) {
        const std::u16string stored = encodeWith(t, u"ação é");
        EXPECT_EQ(DecodeField(stored), u"ação é");
        EXPECT_EQ(stored[2], u'ç');
        EXPECT_EQ(stored[3], u'ã');
    }
}

TEST(Decoder, SelectorAndCharactersAreComparedExactly)
{
    // Find a selector letter whose other case is not a selector, or is another table.
    for (std::size_t t = 0; t < kTableCount; ++t) {
        const char16_t selector = kSelectors[t];
        if (selector >= u'A' && selector <= u'Z') {
            const char16_t lower = static_cast<char16_t>(selector + 32);
            EXPECT_NE(tableIndexOf(lower), static_cast<int>(t));
            const std::u16string stored = encodeWith(t, u"house");
            std::u16string other = stored;
            other[0] = lower;
            EXPECT_EQ(DecodeField(stored), u"house");
            EXPECT_NE(DecodeField(other), u"house");
        }
    }
}

TEST(Decoder, ByteDecodingAgreesWithTextDecoding)
{
    for (std::size_t t = 0; t < kTableCount; ++t) {
        const std::u16string stored = encodeWith(t, u" Água, pão (x) ");
        const auto bytes = quillet::core::toWindows1252(stored);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(decodeFieldBytes(*bytes), DecodeField(stored));
        EXPECT_TRUE(decodedFieldEquals(*bytes, u"Água, pão (x)"));
        EXPECT_FALSE(decodedFieldEquals(*bytes, u"Água, pão (x"));
        EXPECT_FALSE(decodedFieldEquals(*bytes, u"água, pão (x)"));
    }
}

TEST(Encoder, RoundTripsEveryWindows1252Character)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t c = quillet::core::decodeWindows1252(static_cast<unsigned char>(byte));
        for (const std::u16string& plain : {std::u16string{c, c}, std::u16string{u'a', c, u'Z'},
                                            std::u16string{c, u' ', u'(', u'x', u')'}}) {
            std::u16string stored;
            ASSERT_EQ(encodeField(plain, stored), EncodeError::None);
            ASSERT_EQ(stored.size(), plain.size() + 1);
            ASSERT_TRUE(quillet::core::isWindows1252(stored));
            ASSERT_EQ(DecodeField(stored), plain) << "byte " << byte;
        }
    }
    // All printable ASCII in one field leaves no table usable: the identity selector.
    std::u16string everything;
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        everything.push_back(c);
    }
    std::u16string stored;
    ASSERT_EQ(encodeField(everything, stored), EncodeError::None);
    EXPECT_EQ(stored[0], kIdentitySelector);
    EXPECT_EQ(DecodeField(stored), everything);
}

TEST(Encoder, PlainTextIsHiddenWhenATableCanBeUsed)
{
    std::u16string stored;
    ASSERT_EQ(encodeField(u"house", stored), EncodeError::None);
    EXPECT_NE(tableIndexOf(stored[0]), -1);
    EXPECT_NE(stored.substr(1), u"house");
}

TEST(Encoder, OneCharacterTextCannotBeStored)
{
    std::u16string stored = u"unchanged";
    EXPECT_EQ(encodeField(u"e", stored), EncodeError::SingleCharacter);
    EXPECT_EQ(stored, u"unchanged");
    EXPECT_EQ(encodeField(u"", stored), EncodeError::None);
    EXPECT_TRUE(stored.empty());
}
