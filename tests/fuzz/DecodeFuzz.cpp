// Decoding never fails and keeps lengths; encoding then decoding gives the
// text back.

#include "core/TextUtil.h"
#include "core/Windows1252.h"
#include "dictionary/Decoder.h"
#include "dictionary/Encoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace dict = quillet::dictionary;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string stored = quillet::core::fromWindows1252(bytes);

    const std::u16string plain = dict::DecodeField(stored);
    if (plain.size() != (stored.size() > 2 ? stored.size() - 1 : 0))
        std::abort();
    if (dict::decodeFieldBytes(bytes) != plain)
        std::abort();
    if (!dict::decodedFieldEquals(bytes, quillet::core::trimSpaces(plain)))
        std::abort();

    // Any Windows-1252 text but a single character survives a round trip.
    std::u16string encoded;
    const dict::EncodeError error = dict::encodeField(stored, encoded);
    if (stored.size() == 1) {
        if (error != dict::EncodeError::SingleCharacter)
            std::abort();
    } else if (error != dict::EncodeError::None || dict::DecodeField(encoded) != stored) {
        std::abort();
    }
    return 0;
}
