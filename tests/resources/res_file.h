#pragma once

#include "byte_reader.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace resource_files {

// A resource type or name: a number or a string.
using ResourceId = std::variant<std::uint16_t, std::u16string>;

inline constexpr std::uint16_t rtIcon = 3;
inline constexpr std::uint16_t rtGroupIcon = 14;
inline constexpr std::uint16_t rtVersion = 16;

struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

// Reads the resources of a compiled .res file, skipping its empty first entry;
// throws FormatError.
std::vector<Resource> readResFile(std::span<const std::uint8_t> res);

// An entry of an RT_GROUP_ICON resource: one image and the RT_ICON holding it.
struct IconGroupEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int bitCount = 0;
    std::uint32_t imageSize = 0;
    std::uint16_t iconId = 0;
};

// Parses the data of an RT_GROUP_ICON resource; throws FormatError.
std::vector<IconGroupEntry> readIconGroup(std::span<const std::uint8_t> data);

// The version record of a VERSIONINFO resource.
struct VersionInfo {
    std::uint32_t fileVersionMs = 0;
    std::uint32_t fileVersionLs = 0;
    std::uint32_t productVersionMs = 0;
    std::uint32_t productVersionLs = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::map<std::u16string, std::map<std::u16string, std::u16string>> stringTables;  // by key "LLLLCCCC"
    std::vector<std::uint32_t> translations;  // language in the low word, code page in the high word
};

// Parses the data of an RT_VERSION resource; throws FormatError.
VersionInfo readVersionInfo(std::span<const std::uint8_t> data);

}  // namespace resource_files
