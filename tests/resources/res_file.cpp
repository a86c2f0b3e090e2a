#include "res_file.h"

namespace resource_files {
namespace {

ResourceId readResourceId(ByteReader& in)
{
    const std::size_t start = in.position();
    if (in.u16() == 0xFFFF)
        return in.u16();
    in.seek(start);
    return in.utf16z();
}

// One node of the version tree: length, value length, type, key, value, children.
struct VersionNode {
    std::u16string key;
    std::span<const std::uint8_t> value;
    std::vector<VersionNode> children;
};

VersionNode readVersionNode(std::span<const std::uint8_t> bytes, std::size_t start)
{
    ByteReader in(bytes, start);
    const std::uint16_t length = in.u16();
    const std::uint16_t valueLength = in.u16();
    const std::uint16_t type = in.u16();
    const std::size_t end = start + length;
    if (length < 6 || end > bytes.size())
        throw FormatError("version node overruns its parent");
    VersionNode node;
    node.key = in.utf16z();
    in.alignTo4();
    // Text values count UTF-16 units, binary values bytes.
    node.value = in.bytes(type == 1 ? std::size_t{valueLength} * 2 : valueLength);
    // The last node of a block may end unpadded.
    if (in.position() < end)
        in.alignTo4();
    while (in.position() < end) {
        const std::size_t childStart = in.position();
        node.children.push_back(readVersionNode(bytes.first(end), childStart));
        in.seek(childStart + ByteReader(bytes, childStart).u16());
        if (in.position() < end)
            in.alignTo4();
    }
    return node;
}

std::u16string textOf(std::span<const std::uint8_t> value)
{
    ByteReader in(value);
    std::u16string text;
    while (in.position() + 2 <= value.size()) {
        const auto unit = static_cast<char16_t>(in.u16());
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

}  // namespace

std::vector<Resource> readResFile(std::span<const std::uint8_t> res)
{
    std::vector<Resource> resources;
    ByteReader in(res);
    while (in.position() < res.size()) {
        const std::size_t start = in.position();
        const std::uint32_t dataSize = in.u32();
        const std::uint32_t headerSize = in.u32();
        Resource resource;
        resource.type = readResourceId(in);
        resource.name = readResourceId(in);
        in.alignTo4();
        in.u32();  // data version
        in.u16();  // memory flags
        resource.language = in.u16();
        in.seek(start + headerSize);
        const auto data = in.bytes(dataSize);
        resource.data.assign(data.begin(), data.end());
        if (in.position() < res.size())
            in.alignTo4();
        const bool emptyLeader = dataSize == 0 && resource.type == ResourceId{std::uint16_t{0}};
        if (!emptyLeader)
            resources.push_back(std::move(resource));
    }
    return resources;
}

std::vector<IconGroupEntry> readIconGroup(std::span<const std::uint8_t> data)
{
    ByteReader in(data);
    if (in.u16() != 0 || in.u16() != 1)
        throw FormatError("not an icon group");
    const std::uint16_t count = in.u16();
    std::vector<IconGroupEntry> entries;
    for (std::uint16_t i = 0; i < count; ++i) {
        IconGroupEntry entry;
        entry.width = in.u8();
        entry.height = in.u8();
        entry.colourCount = in.u8();
        in.u8();   // reserved
        in.u16();  // planes
        entry.bitCount = in.u16();
        entry.imageSize = in.u32();
        entry.iconId = in.u16();
        entries.push_back(entry);
    }
    return entries;
}

VersionInfo readVersionInfo(std::span<const std::uint8_t> data)
{
    const VersionNode root = readVersionNode(data, 0);
    if (root.key != u"VS_VERSION_INFO")
        throw FormatError("not a version record");
    ByteReader fixed(root.value);
    if (root.value.size() != 52 || fixed.u32() != 0xFEEF04BDu)
        throw FormatError("no fixed file information");
    VersionInfo info;
    fixed.u32();  // structure version
    info.fileVersionMs = fixed.u32();
    info.fileVersionLs = fixed.u32();
    info.productVersionMs = fixed.u32();
    info.productVersionLs = fixed.u32();
    fixed.u32();  // flags mask
    fixed.u32();  // flags
    info.fileOs = fixed.u32();
    info.fileType = fixed.u32();
    for (const VersionNode& block : root.children) {
        if (block.key == u"StringFileInfo") {
            for (const VersionNode& table : block.children) {
                auto& strings = info.stringTables[table.key];
                for (const VersionNode& entry : table.children)
                    strings[entry.key] = textOf(entry.value);
            }
        } else if (block.key == u"VarFileInfo") {
            for (const VersionNode& var : block.children) {
                if (var.key != u"Translation")
                    continue;
                ByteReader pairs(var.value);
                while (pairs.position() < var.value.size())
                    info.translations.push_back(pairs.u32());
            }
        }
    }
    return info;
}

}  // namespace resource_files
