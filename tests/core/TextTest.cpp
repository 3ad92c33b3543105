#include "core/TextUtil.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <iconv.h>
#endif

#include <clocale>
#include <cwctype>

using namespace quillet::core;

// The C library's code page is the reference; it leaves the five holes
// undefined, which the program maps to the code points of the same value.
// Each byte's unit encodes back to the byte, and no other unit encodes.
TEST(Windows1252, AgreesWithTheCLibrarysCodePage)
{
#ifdef _WIN32
    GTEST_SKIP() << "iconv is the reference, and Windows has none";
#else
    const iconv_t convert = iconv_open("UTF-16LE", "WINDOWS-1252");
    ASSERT_NE(convert, reinterpret_cast<iconv_t>(-1));
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        unsigned char out[4] = {};
        char* inAt = &in;
        char* outAt = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        const bool defined = iconv(convert, &inAt, &inLeft, &outAt, &outLeft) != std::size_t(-1);
        const char16_t unit = defined ? static_cast<char16_t>(out[0] | out[1] << 8) : byte;
        EXPECT_EQ(decodeWindows1252(static_cast<unsigned char>(byte)), unit) << byte;
        EXPECT_EQ(encodeWindows1252(unit), static_cast<unsigned char>(byte)) << byte;
    }
    iconv_close(convert);
    int encodable = 0;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit)
        encodable += encodeWindows1252(static_cast<char16_t>(unit)).has_value();
    EXPECT_EQ(encodable, 256);
#endif
}

// Lower case agrees with the C library wherever the program promises it.
TEST(TextUtil, LowerCaseAgreesWithTheCLibrary)
{
#ifdef _WIN32
    GTEST_SKIP() << "the reference is the C library's C.UTF-8 locale, which Windows lacks";
#endif
    ASSERT_TRUE(std::setlocale(LC_CTYPE, "C.UTF-8"));
    std::u16string units;
    for (int byte = 0; byte < 256; ++byte)
        units += decodeWindows1252(static_cast<unsigned char>(byte));
    for (const auto& [first, last] : {std::pair{0x100, 0x17F}, {0x391, 0x3AB}, {0x400, 0x42F}})
        for (int unit = first; unit <= last; ++unit) units += static_cast<char16_t>(unit);
    for (const char16_t unit : units)
        EXPECT_EQ(toLower(unit), static_cast<char16_t>(std::towlower(unit))) << int(unit);
    std::setlocale(LC_CTYPE, "C");
}

TEST(Utf8, RoundTripsAndReplacesMalformedInput)
{
    const std::u16string text = u"can\u00E7\u00E3o \u20AC \U0001F600";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(u"a\xD800"), "a\xEF\xBF\xBD");
    for (const char* malformed : {"a\xE7\xE3o", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(isValidUtf8(malformed)) << malformed;
        EXPECT_NE(fromUtf8(malformed).find(u'\uFFFD'), std::u16string::npos);
    }
}
