#include "core/UpdateDecision.h"

#include "core/WebAddresses.h"

namespace quillet::core {

bool updateCheckDue(std::u16string_view lastCheck, std::u16string_view today)
{
    return lastCheck < today;
}

std::u16string versionPageAddress(std::u16string_view webHost, std::u16string_view webQuery)
{
    return pageAddress(webHost, u"/quillet/version.asp", webQuery);
}

std::u16string downloadPageAddress(std::u16string_view webHost, std::u16string_view webQuery)
{
    return pageAddress(webHost, u"/quillet/newversion.asp", webQuery);
}

bool announcesNewVersion(bool fetched, std::string_view body)
{
    return fetched && body.find(kNewVersionMarker) != std::string_view::npos;
}

}  // namespace quillet::core
