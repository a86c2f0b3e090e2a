#pragma once

#include "res_file.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace resource_files {

inline constexpr std::uint16_t rtManifest = 24;
inline constexpr std::uint16_t machineI386 = 0x14C;
inline constexpr std::uint16_t machineAmd64 = 0x8664;
inline constexpr std::uint16_t subsystemWindowsGui = 2;

// What a reader of a built .exe sees: its processor, subsystem, the DLLs it
// imports and its resources, in the order of the resource directory.
struct PeFile {
    std::uint16_t machine = 0;
    std::uint16_t subsystem = 0;
    std::vector<std::string> importedDlls;
    std::vector<Resource> resources;
};

// Reads a PE32 or PE32+ image; throws FormatError.
PeFile readPeFile(std::span<const std::uint8_t> image);

}  // namespace resource_files
