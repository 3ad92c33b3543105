#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"

#include <gtest/gtest.h>

using namespace quillet::core;

TEST(Windows1252, EveryByteRoundTrips)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t unit = decodeWindows1252(static_cast<unsigned char>(byte));
        const auto back = encodeWindows1252(unit);
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
}

TEST(Windows1252, HighControlBytesAndUndefinedOnes)
{
    EXPECT_EQ(decodeWindows1252(0x80), u'\u20AC');
    EXPECT_EQ(decodeWindows1252(0x9F), u'\u0178');
    EXPECT_EQ(decodeWindows1252(0xE7), u'ç');
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(decodeWindows1252(undefined), char16_t(undefined));
    }
    EXPECT_FALSE(encodeWindows1252(u'\u0101').has_value());  // ā
    EXPECT_FALSE(toWindows1252(u"ação ā").has_value());
    EXPECT_EQ(*toWindows1252(u"ação"), "a\xE7\xE3o");
}

TEST(TextUtil, TrimsSpacesOnly)
{
    EXPECT_EQ(trimSpaces(u"  casa  "), u"casa");
    EXPECT_EQ(trimSpaces(u"\tcasa\r\n "), u"\tcasa\r\n");
    EXPECT_EQ(trimSpaces(u"    "), u"");
    EXPECT_EQ(trimSpaces(u""), u"");
}

TEST(TextUtil, LowerCasesLatinAndWindows1252Capitals)
{
    EXPECT_EQ(toLower(u"ÁGUA Ção ÀÉÎÕÜ"), u"água ção àéîõü");
    EXPECT_EQ(toLower(u"ŠŒŽŸ"), u"šœžÿ");
    EXPECT_EQ(toLower(u"×ß"), u"×ß");  // no lower case of their own
    EXPECT_EQ(toLower(u"ΑΩ ДЯ Ё"), u"αω дя ё");
}

TEST(Utf8, RoundTripsAndReplacesMalformedInput)
{
    const std::u16string text = u"canção € \U0001F600";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_TRUE(isValidUtf8(toUtf8(text)));
    EXPECT_FALSE(isValidUtf8("a\xE7\xE3o"));  // Windows-1252 bytes
    EXPECT_EQ(fromUtf8("a\xE7o"), u"a\uFFFDo");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}
