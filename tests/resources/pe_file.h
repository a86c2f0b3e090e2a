#pragma once

#include "res_file.h"

#include <compare>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace resource_files {

inline constexpr std::uint16_t rtManifest = 24;
inline constexpr std::uint16_t machineI386 = 0x14C;
inline constexpr std::uint16_t machineAmd64 = 0x8664;
inline constexpr std::uint16_t subsystemWindowsGui = 2;

struct Version {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    auto operator<=>(const Version&) const = default;
};

// A function the loader finds in a DLL: by name, or by ordinal when the name is empty.
struct Import {
    std::string dll;
    std::string function;
    std::uint16_t ordinal = 0;
};

// What a reader of a built .exe sees: its processor, the oldest Windows it
// asks for, its subsystem and DLL characteristics (IMAGE_DLLCHARACTERISTICS_*),
// its imports in the file's order and its resources, in the order of the
// resource directory.
struct PeFile {
    std::uint16_t machine = 0;
    Version operatingSystemVersion;
    Version subsystemVersion;
    std::uint16_t subsystem = 0;
    std::uint16_t dllCharacteristics = 0;
    std::vector<Import> imports;
    std::vector<Resource> resources;
};

// Reads a PE32 or PE32+ image; throws FormatError.
PeFile readPeFile(std::span<const std::uint8_t> image);

}  // namespace resource_files
