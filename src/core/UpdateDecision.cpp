#include "core/UpdateDecision.h"

namespace quillet::core {

namespace {

std::u16string pageAddress(std::u16string_view siteBase, std::u16string_view path,
                           std::u16string_view webQuery)
{
    std::u16string address(siteBase);
    address += path;
    address += webQuery;
    return address;
}

}  // namespace

bool updateCheckDue(std::u16string_view lastCheck, std::u16string_view today)
{
    return lastCheck < today;
}

std::u16string versionPageAddress(std::u16string_view siteBase, std::u16string_view webQuery)
{
    return pageAddress(siteBase, u"/quillet/version.asp", webQuery);
}

std::u16string downloadPageAddress(std::u16string_view siteBase, std::u16string_view webQuery)
{
    return pageAddress(siteBase, u"/quillet/newversion.asp", webQuery);
}

bool announcesNewVersion(bool fetched, std::string_view body)
{
    return fetched && body.find(kNewVersionMarker) != std::string_view::npos;
}

}  // namespace quillet::core
