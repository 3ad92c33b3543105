#include "core/WebAddresses.h"

#include "core/TextUtil.h"

namespace quillet::core {

std::u16string siteAddress(std::u16string_view webHost)
{
    std::u16string address = u"https://";
    address += webHost;
    return address;
}

std::u16string pageAddress(std::u16string_view webHost, std::u16string_view path,
                           std::u16string_view query)
{
    std::u16string address = siteAddress(webHost);
    address += path;
    address += query;
    return address;
}

std::u16string buildWebQuery(int major, int minor, std::int16_t interfaceLanguage)
{
    return u"?v=2007" + decimal(major) + decimal(minor) + u"&l=" + decimal(interfaceLanguage);
}

}  // namespace quillet::core
