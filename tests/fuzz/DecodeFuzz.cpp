// Decoding never fails and keeps lengths; encoding then decoding gives the
// text back.

#include "FuzzTarget.h"

#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "dictionary/Decoder.h"
#include "dictionary/Encoder.h"

namespace dict = quillet::dictionary;
using quillet::fuzz::check;

QUILLET_FUZZ_TARGET(bytes)
{
    const std::u16string stored = quillet::core::fromWindows1252(bytes);

    const std::u16string plain = dict::DecodeField(stored);
    check(plain.size() == (stored.size() > 2 ? stored.size() - 1 : 0));
    check(dict::decodeFieldBytes(bytes) == plain);
    check(dict::decodedFieldEquals(bytes, quillet::core::trimSpaces(plain)));

    // Any Windows-1252 text but a single character survives a round trip.
    std::u16string encoded;
    const dict::EncodeError error = dict::encodeField(stored, encoded);
    if (stored.size() == 1)
        check(error == dict::EncodeError::SingleCharacter);
    else
        check(error == dict::EncodeError::None && dict::DecodeField(encoded) == stored);
}
