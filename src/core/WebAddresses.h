#pragma once
// Addresses on the maker's web site. Every page address ends with the web
// query, which tells the site the program's version and interface language.

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet::core {

// "https://" + host, without a trailing slash.
std::u16string siteAddress(std::u16string_view webHost);

// The site address, then `path` (from its leading "/"), then `query` as given.
std::u16string pageAddress(std::u16string_view webHost, std::u16string_view path,
                           std::u16string_view query);

// "?v=2007" + major + minor + "&l=" + language, plain decimal numbers.
std::u16string buildWebQuery(int major, int minor, std::int16_t interfaceLanguage);

}  // namespace quillet::core
