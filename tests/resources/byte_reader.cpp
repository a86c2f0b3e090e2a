#include "byte_reader.h"

#include <fstream>
#include <iterator>

namespace resource_files {

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw FormatError("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace resource_files
