#include "dictionary/Folding.h"

namespace quillet::dictionary {

char16_t foldAccent(char16_t c)
{
    switch (c) {
        case u'á':
        case u'à':
        case u'ã':
        case u'â':
            return u'a';
        case u'é':
        case u'è':
        case u'ê':
            return u'e';
        case u'í':
        case u'ì':
        case u'î':
            return u'i';
        case u'ó':
        case u'ò':
        case u'ô':
        case u'õ':
            return u'o';
        case u'ú':
        case u'ù':
        case u'û':
        case u'ü':
            return u'u';
        case u'ç':
            return u'c';
        default:
            return c;
    }
}

std::u16string foldAccents(std::u16string_view word)
{
    std::u16string folded(word);
    for (char16_t& c : folded) c = foldAccent(c);
    return folded;
}

std::u16string detailsKey(std::u16string_view word)
{
    if (word.size() >= 5)
        return std::u16string(word);
    std::u16string key(word);
    key += u"xalxa";
    key.resize(5);
    return key;
}

}  // namespace quillet::dictionary
