// The built Tarvo.exe as Windows sees it before running it: a GUI program for
// the expected processor that imports only DLLs every Windows ships, and
// carries the version record, the icon and the manifest.
//
// Usage: tst_windows_executable TARVO_EXE ICO_FILE MACHINE   (MACHINE: x86-64 or x86)

#include "icon_image.h"
#include "pe_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <set>
#include <string>

namespace {

using resource_files::Resource;
using resource_files::ResourceId;

std::string exePath;
std::string icoPath;
std::string machineName;

const resource_files::PeFile& exe()
{
    static const auto file = resource_files::readPeFile(resource_files::readFileBytes(exePath));
    return file;
}

std::vector<const Resource*> resourcesOfType(std::uint16_t type)
{
    std::vector<const Resource*> found;
    for (const Resource& resource : exe().resources) {
        if (resource.type == ResourceId{type})
            found.push_back(&resource);
    }
    return found;
}

TEST(Executable, IsAGuiProgramForItsProcessor)
{
    EXPECT_EQ(exe().machine, machineName == "x86" ? resource_files::machineI386 : resource_files::machineAmd64);
    EXPECT_EQ(exe().subsystem, resource_files::subsystemWindowsGui);
}

// Statically linked: no DLL of the compiler's run-time libraries.
TEST(Executable, ImportsOnlyDllsEveryWindowsShips)
{
    const std::set<std::string> system{"advapi32.dll", "comctl32.dll", "gdi32.dll",  "imm32.dll",
                                       "kernel32.dll", "msvcrt.dll",   "ole32.dll",  "oleacc.dll",
                                       "oleaut32.dll", "shell32.dll",  "user32.dll", "uxtheme.dll"};
    ASSERT_FALSE(exe().importedDlls.empty());
    for (std::string dll : exe().importedDlls) {
        std::ranges::transform(dll, dll.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(system.contains(dll)) << dll;
    }
}

TEST(Executable, CarriesTheVersionRecord)
{
    const auto records = resourcesOfType(resource_files::rtVersion);
    ASSERT_EQ(records.size(), 1u);
    const auto info = resource_files::readVersionInfo(records.front()->data);
    EXPECT_EQ(info.fileVersionMs, 0x00010001u);
    EXPECT_EQ(info.fileVersionLs, 0u);
    const auto strings = info.stringTables.at(u"080404B0");
    EXPECT_EQ(strings.at(u"OriginalFilename"), u"Tarvo.exe");
    EXPECT_EQ(strings.at(u"ProductName"), u"Tarvo");
    EXPECT_EQ(strings.at(u"FileVersion"), u"1.01");
}

// The desktop shows the first icon group: it must hold the three images of the .ico.
TEST(Executable, FirstIconIsTheProgramsIcon)
{
    const auto groups = resourcesOfType(resource_files::rtGroupIcon);
    ASSERT_FALSE(groups.empty());
    const auto group = resource_files::readIconGroup(groups.front()->data);
    const auto ico = resource_files::readIcoFile(resource_files::readFileBytes(icoPath));
    ASSERT_EQ(group.size(), 3u);
    ASSERT_EQ(ico.size(), 3u);
    const auto icons = resourcesOfType(resource_files::rtIcon);
    for (std::size_t i = 0; i < group.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const auto icon =
            std::ranges::find_if(icons, [&](const Resource* r) { return r->name == ResourceId{group[i].iconId}; });
        ASSERT_NE(icon, icons.end());
        EXPECT_EQ((*icon)->data, ico[i].imageBytes);
    }
}

struct ManifestPart {
    const char* name;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const ManifestPart& part)
{
    return out << part.name;
}

class ManifestTest : public testing::TestWithParam<ManifestPart> {};

TEST_P(ManifestTest, Declares)
{
    const auto manifests = resourcesOfType(resource_files::rtManifest);
    ASSERT_EQ(manifests.size(), 1u);
    EXPECT_EQ(manifests.front()->name, ResourceId{std::uint16_t{1}}) << "the manifest the loader reads";
    const std::string manifest(manifests.front()->data.begin(), manifests.front()->data.end());
    EXPECT_NE(manifest.find(GetParam().text), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Settings, ManifestTest,
                         testing::Values(ManifestPart{"common_controls_6",
                                                      R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"},
                                         ManifestPart{"per_monitor_v2", ">PerMonitorV2</dpiAwareness>"},
                                         ManifestPart{"per_monitor_before_1607", ">true/pm</dpiAware>"},
                                         ManifestPart{"as_invoker", R"(level="asInvoker")"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        std::fputs("usage: tst_windows_executable TARVO_EXE ICO_FILE MACHINE\n", stderr);
        return 2;
    }
    exePath = argv[1];
    icoPath = argv[2];
    machineName = argv[3];
    return RUN_ALL_TESTS();
}
