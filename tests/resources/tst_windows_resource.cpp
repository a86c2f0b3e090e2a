// What the resource compiler made of the Windows resource file: the version
// record and the icon, read back from the compiled .res.

#include "icon_image.h"
#include "res_file.h"

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <QString>

#include <algorithm>
#include <string>

namespace {

using resource_files::Resource;
using resource_files::ResourceId;
using tests::PrintTo;

constexpr std::uint16_t chinesePrc = 0x0804;
constexpr std::uint16_t unicodeCodePage = 0x04B0;

const std::vector<Resource>& resources()
{
    static const auto all = resource_files::readResFile(resource_files::readFileBytes(TARVO_RES_FILE));
    return all;
}

std::vector<const Resource*> resourcesOfType(std::uint16_t type)
{
    std::vector<const Resource*> found;
    for (const Resource& resource : resources()) {
        if (resource.type == ResourceId{type})
            found.push_back(&resource);
    }
    return found;
}

const resource_files::VersionInfo& versionInfo()
{
    static const auto info = [] {
        const auto records = resourcesOfType(resource_files::rtVersion);
        if (records.size() != 1)
            throw resource_files::FormatError(std::to_string(records.size()) + " version records");
        return resource_files::readVersionInfo(records.front()->data);
    }();
    return info;
}

std::u16string utf16(const char* utf8)
{
    return QString::fromUtf8(utf8).toStdU16String();
}

TEST(VersionRecord, NumbersAreTheFileAndProductVersion)
{
    const auto& info = versionInfo();
    constexpr std::uint32_t high = TARVO_VERSION_MAJOR << 16 | TARVO_VERSION_MINOR;
    constexpr std::uint32_t low = TARVO_VERSION_PATCH << 16 | TARVO_VERSION_TWEAK;
    EXPECT_EQ(info.fileVersionMs, high);
    EXPECT_EQ(info.fileVersionLs, low);
    EXPECT_EQ(info.productVersionMs, high);
    EXPECT_EQ(info.productVersionLs, low);
    EXPECT_EQ(info.fileOs, 0x40004u);  // 32-bit Windows
    EXPECT_EQ(info.fileType, 1u);      // an application
}

TEST(VersionRecord, HasOneChineseUnicodeStringTableAndItsTranslation)
{
    const auto& info = versionInfo();
    ASSERT_EQ(info.stringTables.size(), 1u);
    EXPECT_EQ(info.stringTables.begin()->first, u"080404B0");
    EXPECT_EQ(info.translations, (std::vector<std::uint32_t>{std::uint32_t{unicodeCodePage} << 16 | chinesePrc}));
}

struct ExpectedString {
    const char* name;
    const char* value;  // UTF-8
};

class VersionStringTest : public testing::TestWithParam<ExpectedString> {};

TEST_P(VersionStringTest, HasItsValue)
{
    const auto& strings = versionInfo().stringTables.at(u"080404B0");
    const auto found = strings.find(utf16(GetParam().name));
    ASSERT_NE(found, strings.end()) << "no " << GetParam().name;
    EXPECT_EQ(QString::fromStdU16String(found->second).toStdString(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Fields, VersionStringTest,
                         testing::Values(ExpectedString{"FileVersion", TARVO_VERSION_TEXT},
                                         ExpectedString{"ProductVersion", TARVO_VERSION_TEXT},
                                         ExpectedString{"ProductName", "Tarvo"},
                                         ExpectedString{"InternalName", "Tarvo"},
                                         ExpectedString{"OriginalFilename", "Tarvo.exe"},
                                         ExpectedString{"FileDescription", TARVO_FILE_DESCRIPTION}),
                         tests::caseName);

TEST(Resources, AreAllInChinesePrc)
{
    ASSERT_FALSE(resources().empty());
    for (const Resource& resource : resources())
        EXPECT_EQ(resource.language, chinesePrc);
}

struct ExpectedIcon {
    int size;
    int bitsPerPixel;
};

// The group lists the three images in the .ico's order, and each RT_ICON
// holds exactly the image of the .ico file.
TEST(IconResource, HoldsTheThreeImagesOfTheIcoFile)
{
    const auto groups = resourcesOfType(resource_files::rtGroupIcon);
    ASSERT_EQ(groups.size(), 1u);
    const auto group = resource_files::readIconGroup(groups.front()->data);
    const auto ico = resource_files::readIcoFile(resource_files::readFileBytes(TARVO_ICON_FILE));
    const ExpectedIcon expected[] = {{32, 1}, {32, 4}, {16, 4}};
    ASSERT_EQ(group.size(), std::size(expected));
    ASSERT_EQ(resourcesOfType(resource_files::rtIcon).size(), std::size(expected));
    for (std::size_t i = 0; i < group.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(group[i].width, expected[i].size);
        EXPECT_EQ(group[i].height, expected[i].size);
        EXPECT_EQ(group[i].bitCount, expected[i].bitsPerPixel);
        EXPECT_EQ(group[i].colourCount, 1 << expected[i].bitsPerPixel);
        const auto icons = resourcesOfType(resource_files::rtIcon);
        const auto icon =
            std::ranges::find_if(icons, [&](const Resource* r) { return r->name == ResourceId{group[i].iconId}; });
        ASSERT_NE(icon, icons.end()) << "no icon " << group[i].iconId;
        EXPECT_EQ((*icon)->data.size(), group[i].imageSize);
        EXPECT_EQ((*icon)->data, ico.at(i).imageBytes);
        const auto image = resource_files::decodeIconImage((*icon)->data);
        EXPECT_EQ(image.width, expected[i].size);
        EXPECT_EQ(image.bitsPerPixel, expected[i].bitsPerPixel);
    }
}

}  // namespace
