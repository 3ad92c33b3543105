#include "dictionary/Decoder.h"

#include "core/Windows1252.h"
#include "dictionary/CipherTables.h"

#include <array>
#include <cstdint>

namespace quillet::dictionary {

namespace {

constexpr std::size_t kIdentity = kTableCount;

// Every table lookup is one array access: per table, each ASCII character's
// plain character (0: not in the table), and each file byte's decoded character.
struct DecodeTables
{
    std::array<std::int8_t, 128> tableOfSelector{};
    std::array<std::array<char16_t, 128>, kTableCount> plainOf{};
    std::array<std::array<char16_t, 256>, kTableCount + 1> byteToPlain{};

    DecodeTables()
    {
        tableOfSelector.fill(-1);
        for (std::size_t t = 0; t < kTableCount; ++t) {
            tableOfSelector[kSelectors[t]] = static_cast<std::int8_t>(t);
            const std::u16string_view table = kCipherTables[t];
            // The first position wins should a table ever repeat a character.
            for (std::size_t k = table.size(); k-- > 0;) plainOf[t][table[k]] = kPlainAlphabet[k];
        }
        for (std::size_t t = 0; t <= kTableCount; ++t) {
            for (int byte = 0; byte < 256; ++byte) {
                const char16_t c = core::decodeWindows1252(static_cast<unsigned char>(byte));
                byteToPlain[t][static_cast<std::size_t>(byte)] =
                    t == kIdentity ? c : decodeWith(t, c);
            }
        }
    }

    char16_t decodeWith(std::size_t table, char16_t c) const
    {
        if (c < 128) {
            const char16_t plain = plainOf[table][c];
            if (plain != 0)
                return plain;
        }
        return c;
    }

    std::size_t tableFor(char16_t selector) const
    {
        if (selector >= 128 || tableOfSelector[selector] < 0)
            return kIdentity;
        return static_cast<std::size_t>(tableOfSelector[selector]);
    }
};

const DecodeTables& tables()
{
    static const DecodeTables instance;
    return instance;
}

}  // namespace

char16_t DecodeChar(char16_t c, char16_t selector)
{
    const DecodeTables& all = tables();
    const std::size_t table = all.tableFor(selector);
    return table == kIdentity ? c : all.decodeWith(table, c);
}

std::u16string DecodeField(std::u16string_view stored)
{
    if (stored.size() <= 2)
        return {};
    const DecodeTables& all = tables();
    const std::size_t table = all.tableFor(stored[0]);
    std::u16string plain(stored.substr(1));
    if (table != kIdentity)
        for (char16_t& c : plain) c = all.decodeWith(table, c);
    return plain;
}

std::u16string decodeFieldBytes(std::string_view stored)
{
    if (stored.size() <= 2)
        return {};
    const DecodeTables& all = tables();
    const auto& map = all.byteToPlain[all.tableFor(
        core::decodeWindows1252(static_cast<unsigned char>(stored[0])))];
    std::u16string plain(stored.size() - 1, u'\0');
    for (std::size_t i = 1; i < stored.size(); ++i)
        plain[i - 1] = map[static_cast<unsigned char>(stored[i])];
    return plain;
}

bool decodedFieldEquals(std::string_view stored, std::u16string_view trimmedWord)
{
    if (stored.size() <= 2)
        return trimmedWord.empty();
    const DecodeTables& all = tables();
    const auto& map = all.byteToPlain[all.tableFor(
        core::decodeWindows1252(static_cast<unsigned char>(stored[0])))];
    std::size_t first = 1;
    std::size_t last = stored.size();  // one past the last kept character
    while (first < last && map[static_cast<unsigned char>(stored[first])] == u' ') ++first;
    while (last > first && map[static_cast<unsigned char>(stored[last - 1])] == u' ') --last;
    if (last - first != trimmedWord.size())
        return false;
    for (std::size_t i = 0; i < trimmedWord.size(); ++i)
        if (map[static_cast<unsigned char>(stored[first + i])] != trimmedWord[i])
            return false;
    return true;
}

}  // namespace quillet::dictionary
