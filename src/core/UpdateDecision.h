#pragma once
// The daily check for a newer version, without the network: when it is due,
// which pages it asks for and what the version page's reply means.

#include <string>
#include <string_view>

namespace quillet::core {

// The version page holds this text, case and all, exactly when a newer
// version exists.
inline constexpr std::string_view kNewVersionMarker = "0X99VA";

// Dates are "yyyymmdd" and compare as text. A last check after today (a clock
// set back) is not due either.
bool updateCheckDue(std::u16string_view lastCheck, std::u16string_view today);

// Pages on the site of `webHost`, with the web query built at start-up.
std::u16string versionPageAddress(std::u16string_view webHost, std::u16string_view webQuery);
std::u16string downloadPageAddress(std::u16string_view webHost, std::u16string_view webQuery);

// A fetch that failed means "no new version", like a reply without the
// marker.
bool announcesNewVersion(bool fetched, std::string_view body);

}  // namespace quillet::core
