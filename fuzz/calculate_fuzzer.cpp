// Arbitrary bytes, split at the first two NUL bytes into the three coefficient
// texts: calculate must return an outcome or raise RunTimeError, nothing else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <calc/calculation.h>
#include <calc/run_time_error.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view texts[3];
    for (int i = 0; i < 2; ++i) {
        const std::size_t end = input.find('\0');
        texts[i] = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    texts[2] = input;
    try {
        calc::calculate(texts[0], texts[1], texts[2]);
    } catch (const calc::RunTimeError&) {
    }
    return 0;
}
