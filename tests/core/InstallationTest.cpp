#include "core/Installation.h"
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quillet::core;
using namespace std::string_literals;

TEST(Installation, FolderGetsOneSeparatorAfterOneTrailingNulIsDropped)
{
    // clang-format off
    const std::vector<std::tuple<std::u16string, char16_t, std::u16string>> rows = {
        {u"C:\\Quillet", u'\\', u"C:\\Quillet\\"}, {u"C:\\Quillet\\", u'\\', u"C:\\Quillet\\"},
        {u"C:\\", u'\\', u"C:\\"}, {u"/", u'/', u"/"}, {u"C:/Quillet/", u'\\', u"C:/Quillet/\\"},
        {u"C:\\Quillet\0"s, u'\\', u"C:\\Quillet\\"}, {u"/q\0\0"s, u'/', u"/q\0/"s}, {u""s, u'/', u"/"}};
    // clang-format on
    for (const auto& [folder, separator, expected] : rows)
        EXPECT_EQ(normaliseFolder(folder, separator), expected) << toUtf8(folder);
}
