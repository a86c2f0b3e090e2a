// The built Tarvo.exe as Windows sees it before running it: a GUI program for
// the expected processor that Windows 7 SP1 can load, hardened as a current
// one expects, that carries the version record, the icon and the manifest.
//
// Usage: tst_windows_executable TARVO_EXE ICO_FILE MACHINE IMPORT_LIST
//   MACHINE: x86-64 or x86; IMPORT_LIST: the reviewed imports, one dll!function
//   (or dll!#ordinal) a line, # comments.

#include "icon_image.h"
#include "pe_file.h"

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <string>

namespace {

using resource_files::Import;
using resource_files::Resource;
using resource_files::ResourceId;
using resource_files::Version;
using tests::PrintTo;

std::string exePath;
std::string icoPath;
std::string machineName;
std::string importListPath;

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

// As the list spells it: DLL names in lower case, which the loader ignores.
std::string listed(const Import& import)
{
    std::string dll = import.dll;
    std::ranges::transform(dll, dll.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return dll + "!" + (import.function.empty() ? "#" + std::to_string(import.ordinal) : import.function);
}

std::set<std::string> reviewedImports()
{
    std::ifstream in(importListPath);
    std::set<std::string> names;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#')
            names.insert(line);
    }
    return names;
}

// An import Windows 7 SP1 lacks stops the program before its first window;
// a new one waits here until someone has looked it up and listed it.
TEST(Executable, ImportsOnlyReviewedFunctionsOfWindows7)
{
    const std::set<std::string> reviewed = reviewedImports();
    ASSERT_FALSE(reviewed.empty()) << importListPath;
    ASSERT_FALSE(exe().imports.empty());
    for (const Import& import : exe().imports)
        EXPECT_TRUE(reviewed.contains(listed(import))) << listed(import) << " is not on " << importListPath;
}

TEST(Executable, AsksForNoWindowsNewerThan7)
{
    constexpr Version windows7{6, 1};
    EXPECT_LE(exe().subsystemVersion, windows7);
    EXPECT_LE(exe().operatingSystemVersion, windows7);
}

struct HeaderFlag {
    const char* name;
    std::uint16_t bit;  // of the DLL characteristics
    bool only64Bit;
};

class HeaderFlagTest : public testing::TestWithParam<HeaderFlag> {};

TEST_P(HeaderFlagTest, IsSet)
{
    if (GetParam().only64Bit && machineName == "x86")
        GTEST_SKIP() << "a 64-bit flag";
    EXPECT_NE(exe().dllCharacteristics & GetParam().bit, 0);
}

INSTANTIATE_TEST_SUITE_P(Hardening, HeaderFlagTest,
                         testing::Values(HeaderFlag{"dynamic_base", 0x0040, false},
                                         HeaderFlag{"nx_compat", 0x0100, false},
                                         HeaderFlag{"terminal_server_aware", 0x8000, false},
                                         HeaderFlag{"high_entropy_va", 0x0020, true}),
                         tests::caseName);

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

class ManifestTest : public testing::TestWithParam<ManifestPart> {};

TEST_P(ManifestTest, Declares)
{
    const auto manifests = resourcesOfType(resource_files::rtManifest);
    ASSERT_EQ(manifests.size(), 1u);
    EXPECT_EQ(manifests.front()->name, ResourceId{std::uint16_t{1}}) << "the manifest the loader reads";
    const std::string manifest(manifests.front()->data.begin(), manifests.front()->data.end());
    EXPECT_NE(manifest.find(GetParam().text), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ManifestTest,
    testing::Values(ManifestPart{"common_controls_6", R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"},
                    ManifestPart{"per_monitor_from_1607", ">PerMonitorV2, PerMonitor</dpiAwareness>"},
                    ManifestPart{"system_dpi_on_7_per_monitor_on_8_1", ">true/pm</dpiAware>"},
                    ManifestPart{"windows_7", R"(Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}")"},
                    ManifestPart{"windows_8", R"(Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}")"},
                    ManifestPart{"windows_8_1", R"(Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}")"},
                    ManifestPart{"windows_10", R"(Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")"},
                    ManifestPart{"as_invoker", R"(level="asInvoker")"}),
    tests::caseName);

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        std::fputs("usage: tst_windows_executable TARVO_EXE ICO_FILE MACHINE IMPORT_LIST\n", stderr);
        return 2;
    }
    exePath = argv[1];
    icoPath = argv[2];
    machineName = argv[3];
    importListPath = argv[4];
    return RUN_ALL_TESTS();
}
