#include "pe_file.h"

#include <algorithm>
#include <utility>

namespace resource_files {
namespace {

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t rawSize = 0;
};

class Image {
public:
    Image(std::span<const std::uint8_t> bytes, std::vector<Section> sections)
        : bytes_(bytes), sections_(std::move(sections))
    {
    }

    // The file offset of a relative virtual address.
    std::size_t offsetOf(std::uint32_t rva) const
    {
        for (const Section& section : sections_) {
            const std::uint32_t size = std::max(section.virtualSize, section.rawSize);
            if (rva >= section.virtualAddress && rva - section.virtualAddress < size) {
                if (rva - section.virtualAddress >= section.rawSize)
                    throw FormatError("address " + std::to_string(rva) + " has no bytes in the file");
                return section.rawOffset + (rva - section.virtualAddress);
            }
        }
        throw FormatError("address " + std::to_string(rva) + " is in no section");
    }

    ByteReader at(std::uint32_t rva) const { return ByteReader(bytes_, offsetOf(rva)); }

private:
    std::span<const std::uint8_t> bytes_;
    std::vector<Section> sections_;
};

std::string asciiz(ByteReader in)
{
    std::string text;
    for (std::uint8_t c = in.u8(); c != 0; c = in.u8())
        text.push_back(static_cast<char>(c));
    return text;
}

// Each DLL's lookup table lists its functions; `wide`: PE32+, whose entries are 64 bits.
std::vector<Import> readImports(const Image& image, std::uint32_t directory, bool wide)
{
    std::vector<Import> imports;
    if (directory == 0)
        return imports;
    ByteReader descriptors = image.at(directory);
    for (;;) {
        const std::uint32_t lookup = descriptors.u32();
        descriptors.u32();  // time stamp
        descriptors.u32();  // forwarder chain
        const std::uint32_t name = descriptors.u32();
        const std::uint32_t addresses = descriptors.u32();
        if (lookup == 0 && name == 0 && addresses == 0)
            return imports;
        const std::string dll = asciiz(image.at(name));
        // Without a lookup table the address table, unbound on disk, holds the same.
        ByteReader entries = image.at(lookup != 0 ? lookup : addresses);
        const std::uint64_t byOrdinal = wide ? std::uint64_t{1} << 63 : std::uint64_t{1} << 31;
        for (std::uint64_t entry = wide ? entries.u64() : entries.u32(); entry != 0;
             entry = wide ? entries.u64() : entries.u32()) {
            if (entry & byOrdinal) {
                imports.push_back({dll, {}, static_cast<std::uint16_t>(entry & 0xFFFF)});
                continue;
            }
            ByteReader hintAndName = image.at(static_cast<std::uint32_t>(entry & 0x7FFFFFFFu));
            hintAndName.u16();
            imports.push_back({dll, asciiz(hintAndName), 0});
        }
    }
}

// An entry of the resource directory: a name or number, and a subdirectory or data.
struct DirectoryEntry {
    ResourceId id;
    bool isDirectory = false;
    std::uint32_t offset = 0;  // from the start of the resource section
};

std::vector<DirectoryEntry> readDirectory(const Image& image, std::uint32_t root, std::uint32_t offset)
{
    ByteReader in = image.at(root + offset);
    in.seek(in.position() + 12);  // characteristics, time stamp, version
    const int count = in.u16() + in.u16();
    std::vector<DirectoryEntry> entries;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t name = in.u32();
        const std::uint32_t target = in.u32();
        DirectoryEntry entry;
        if (name & 0x80000000u) {
            ByteReader text = image.at(root + (name & 0x7FFFFFFFu));
            const std::uint16_t length = text.u16();
            std::u16string id;
            for (std::uint16_t k = 0; k < length; ++k)
                id.push_back(static_cast<char16_t>(text.u16()));
            entry.id = id;
        } else {
            entry.id = static_cast<std::uint16_t>(name);
        }
        entry.isDirectory = (target & 0x80000000u) != 0;
        entry.offset = target & 0x7FFFFFFFu;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<Resource> readResources(const Image& image, std::uint32_t root)
{
    std::vector<Resource> resources;
    if (root == 0)
        return resources;
    for (const DirectoryEntry& type : readDirectory(image, root, 0)) {
        if (!type.isDirectory)
            throw FormatError("a resource type without a directory");
        for (const DirectoryEntry& name : readDirectory(image, root, type.offset)) {
            if (!name.isDirectory)
                throw FormatError("a resource name without a directory");
            for (const DirectoryEntry& language : readDirectory(image, root, name.offset)) {
                if (language.isDirectory)
                    throw FormatError("a resource language without data");
                ByteReader entry = image.at(root + language.offset);
                const std::uint32_t dataRva = entry.u32();
                const std::uint32_t size = entry.u32();
                ByteReader data = image.at(dataRva);
                const auto bytes = data.bytes(size);
                resources.push_back({type.id, name.id, std::get<std::uint16_t>(language.id),
                                     std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
            }
        }
    }
    return resources;
}

}  // namespace

PeFile readPeFile(std::span<const std::uint8_t> image)
{
    ByteReader in(image);
    if (in.u16() != 0x5A4D)
        throw FormatError("no MZ header");
    in.seek(0x3C);
    in.seek(in.u32());
    if (in.u32() != 0x00004550)
        throw FormatError("no PE signature");
    PeFile pe;
    pe.machine = in.u16();
    const std::uint16_t sectionCount = in.u16();
    in.seek(in.position() + 12);  // time stamp, symbol table, symbol count
    const std::uint16_t optionalHeaderSize = in.u16();
    in.u16();  // characteristics
    const std::size_t optionalHeader = in.position();
    const std::uint16_t magic = in.u16();
    if (magic != 0x10B && magic != 0x20B)
        throw FormatError("neither PE32 nor PE32+");
    in.seek(optionalHeader + 40);
    pe.operatingSystemVersion = {in.u16(), in.u16()};
    in.u16();  // image version
    in.u16();
    pe.subsystemVersion = {in.u16(), in.u16()};
    in.seek(optionalHeader + 68);
    pe.subsystem = in.u16();
    pe.dllCharacteristics = in.u16();
    // The count of data directories ends the header's fixed part, which PE32+ makes 16 bytes longer.
    in.seek(optionalHeader + (magic == 0x20B ? 108 : 92));
    const std::uint32_t directoryCount = in.u32();
    auto directory = [&](std::uint32_t index) {
        if (index >= directoryCount)
            return std::uint32_t{0};
        ByteReader entry(image, in.position() + index * 8);
        return entry.u32();
    };
    const std::uint32_t imports = directory(1);
    const std::uint32_t resources = directory(2);

    in.seek(optionalHeader + optionalHeaderSize);
    std::vector<Section> sections;
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        in.bytes(8);  // name
        Section section;
        section.virtualSize = in.u32();
        section.virtualAddress = in.u32();
        section.rawSize = in.u32();
        section.rawOffset = in.u32();
        in.bytes(16);  // relocations, line numbers, characteristics
        sections.push_back(section);
    }
    const Image mapped(image, std::move(sections));
    pe.imports = readImports(mapped, imports, magic == 0x20B);
    pe.resources = readResources(mapped, resources);
    return pe;
}

}  // namespace resource_files
