#include <app/characters.h>

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace {

class CharacterCount : public testing::TestWithParam<std::pair<std::string_view, int>> {};

TEST_P(CharacterCount, CountsCodePointsNotBytes)
{
    EXPECT_EQ(app::characterCount(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterCount,
                         testing::Values(std::pair{std::string_view(""), 0}, std::pair{std::string_view("-12"), 3},
                                         std::pair{std::string_view("一二"), 2},
                                         std::pair{std::string_view("\xC3\xA9"
                                                                    "1"),
                                                   2},
                                         std::pair{std::string_view("\xF0\x9F\x98\x80"
                                                                    "1"),
                                                   2}));

}  // namespace
