#pragma once

// Names for the rows of parametrised tables: a row runs as .../minus0, not /1,
// and a failure prints that name, not the row's bytes. A row is named by its
// `name`; where its inputs say enough, the row type ends in
//     std::string name = tests::spelled(text);
// and a row that would spell like another gives its own. Instantiate with
// tests::caseName; `using tests::PrintTo;` beside the rows lets GoogleTest print them.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace tests {

// A character other than a letter or a digit: its word, or else its byte; capitalised after the first.
inline std::string spelledCharacter(char c, bool first)
{
    constexpr std::pair<char, std::string_view> words[] = {
        {' ', "blank"}, {'\t', "tab"}, {'\n', "newline"}, {'+', "plus"}, {'-', "minus"}, {'.', "point"},
        {',', "comma"}, {'&', "amp"},  {'$', "dollar"},   {'(', "open"}, {')', "close"}};
    const auto byte = static_cast<unsigned char>(c);
    std::string word = std::string("byte") + "0123456789ABCDEF"[byte >> 4] + "0123456789ABCDEF"[byte & 15];
    for (const auto& [character, known] : words) {
        if (character == c)
            word = known;
    }
    if (!first)
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

inline std::string spelledInput(std::string_view text)
{
    std::string name = text.empty() ? "empty" : "";
    for (const char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name += c;
        else
            name += spelledCharacter(c, name.empty());
    }
    return name;
}

inline std::string spelledInput(std::int64_t number)
{
    return spelledInput(std::to_string(number));
}

// The inputs as one name of [A-Za-z0-9_], joined by "_": letters and digits
// stay, other characters become words ("-0.5" is minus0Point5, "" empty), and
// digits alone, which would read as GoogleTest's numbering, become number7.
template <typename... Inputs>
std::string spelled(const Inputs&... inputs)
{
    std::string name;
    ((name += (name.empty() ? "" : "_") + spelledInput(inputs)), ...);
    if (name.find_first_not_of("0123456789") == std::string::npos)
        name = "number" + name;
    return name;
}

// GoogleTest's name generator: a row's `name`, or a bare text or number spelled.
inline constexpr auto caseName = [](const auto& info) -> std::string {
    if constexpr (requires { info.param.name; })
        return std::string(info.param.name);
    else
        return spelled(info.param);
};

template <typename Row>
requires requires(const Row& row)
{
    row.name;
}
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

}  // namespace tests
