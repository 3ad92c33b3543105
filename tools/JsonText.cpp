#include "JsonText.h"

#include "core/Utf8.h"

#include <cstdio>

namespace quillet::tool {

std::string jsonString(std::u16string_view text)
{
    std::string result = "\"";
    std::u16string plain;
    auto flush = [&] {
        result += core::toUtf8(plain);
        plain.clear();
    };
    for (char16_t c : text) {
        const char* escape = nullptr;
        switch (c) {
            case u'"':
                escape = "\\\"";
                break;
            case u'\\':
                escape = "\\\\";
                break;
            case u'\b':
                escape = "\\b";
                break;
            case u'\f':
                escape = "\\f";
                break;
            case u'\n':
                escape = "\\n";
                break;
            case u'\r':
                escape = "\\r";
                break;
            case u'\t':
                escape = "\\t";
                break;
            default:
                break;
        }
        if (escape) {
            flush();
            result += escape;
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029) {
            flush();
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            result += code;
        } else {
            plain += c;
        }
    }
    flush();
    result += '"';
    return result;
}

}  // namespace quillet::tool
