#include "dictionary/Folding.h"

#include <gtest/gtest.h>

using namespace quillet::dictionary;

TEST(Folding, LowerCaseAccentedLettersFoldToPlainOnes)
{
    EXPECT_EQ(foldAccents(u"áàãâéèêíìîóòôõúùûüç"), u"aaaaeeeiiioooouuuuc");
    EXPECT_EQ(foldAccents(u"ação"), u"acao");
    EXPECT_EQ(foldAccents(u"acao"), u"acao");
}

TEST(Folding, UpperCaseAndOtherLettersStay)
{
    EXPECT_EQ(foldAccents(u"Água"), u"Água");
    EXPECT_EQ(foldAccents(u"ÁÉÇÕ"), u"ÁÉÇÕ");
    EXPECT_EQ(foldAccents(u"äëïöñý"), u"äëïöñý");
    EXPECT_EQ(foldAccents(u" pão "), u" pao ");
    // Folded, Água still sorts after every word of unaccented letters.
    EXPECT_GT(foldAccents(u"Água"), u"zzz");
}

TEST(Folding, DetailsKeysPadShortWordsWithXalxa)
{
    EXPECT_EQ(detailsKey(u"cat"), u"catxa");
    EXPECT_EQ(detailsKey(u"a"), u"axalx");
    EXPECT_EQ(detailsKey(u"four"), u"fourx");
    EXPECT_EQ(detailsKey(u"house"), u"house");
    EXPECT_EQ(detailsKey(u"houses"), u"houses");
    EXPECT_EQ(detailsKey(u""), u"xalxa");
    EXPECT_EQ(detailsKey(u"pé"), u"péxal");
}
