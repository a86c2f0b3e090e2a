#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace resource_files {

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bounds-checked little-endian reads; a read past the end throws FormatError.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position)
    {
    }

    std::size_t position() const { return position_; }
    void seek(std::size_t position)
    {
        require(position, 0);
        position_ = position;
    }
    void alignTo4() { seek((position_ + 3) & ~std::size_t{3}); }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
    std::uint64_t u64() { return take(8); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    std::span<const std::uint8_t> bytes(std::size_t count)
    {
        require(position_, count);
        const auto result = bytes_.subspan(position_, count);
        position_ += count;
        return result;
    }

    // A zero-terminated UTF-16 string, without its terminator.
    std::u16string utf16z()
    {
        std::u16string text;
        for (std::uint16_t unit = u16(); unit != 0; unit = u16())
            text.push_back(static_cast<char16_t>(unit));
        return text;
    }

private:
    void require(std::size_t position, std::size_t count) const
    {
        if (position > bytes_.size() || count > bytes_.size() - position)
            throw FormatError("truncated at byte " + std::to_string(position));
    }
    std::uint64_t take(std::size_t count)
    {
        std::uint64_t value = 0;
        const auto field = bytes(count);
        for (std::size_t i = count; i-- > 0;)
            value = value << 8 | field[i];
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_;
};

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& file);

}  // namespace resource_files
