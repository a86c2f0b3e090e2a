// The backend's text rules, without windows: UTF-8 and UTF-16, the character
// limit of text boxes and the line breaks of captions.
#include "case_printing.h"

#include <app/win32/caption_layout.h>
#include <app/win32/character_limit.h>
#include <app/win32/utf16.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using win32_test::operator<<;

using namespace app::win32;

// Names a table's cases after their `name` field.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& test) const
    {
        return test.param.name;
    }
};
constexpr CaseName caseName;

// U+1F600 and U+20BB7: one character each, two UTF-16 code units each.
const std::wstring grin = L"\xD83D\xDE00";
const std::wstring ji = L"\xD842\xDFB7";

struct Conversion {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

class Utf16Test : public testing::TestWithParam<Conversion> {};

TEST_P(Utf16Test, ConvertsBothWays)
{
    EXPECT_EQ(toUtf16(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(toUtf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf16Test,
                         testing::Values(Conversion{"empty", "", L""}, Conversion{"ascii", "x1 =", L"x1 ="},
                                         Conversion{"chinese", "设计者：", L"设计者："},
                                         Conversion{"two_bytes", "x²", L"x\x00B2"},
                                         Conversion{"astral", "\xF0\x9F\x98\x80", grin},
                                         Conversion{"crlf", "a\r\nb", L"a\r\nb"}),
                         caseName);

struct Malformed {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

class MalformedUtf8Test : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedUtf8Test, BecomesReplacementCharacters)
{
    EXPECT_EQ(toUtf16(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(Bytes, MalformedUtf8Test,
                         testing::Values(Malformed{"truncated", "a\xE8\xAE", L"a\xFFFD\xFFFD"},
                                         Malformed{"stray_continuation", "\x80z", L"\xFFFDz"},
                                         Malformed{"overlong", "\xC0\xAF", L"\xFFFD\xFFFD"},
                                         Malformed{"surrogate", "\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},
                                         Malformed{"beyond_unicode", "\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"}),
                         caseName);

TEST(Utf16, LoneSurrogateBecomesReplacementCharacter)
{
    EXPECT_EQ(toUtf8(L"a\xD83D"), "a\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(L"\xDE00z"), "\xEF\xBF\xBDz");
}

struct Count {
    const char* name;
    std::wstring text;
    int characters;
};

class CharacterCountTest : public testing::TestWithParam<Count> {};

TEST_P(CharacterCountTest, CountsCharactersNotCodeUnits)
{
    EXPECT_EQ(characterCount(GetParam().text), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterCountTest,
                         testing::Values(Count{"empty", L"", 0}, Count{"ascii", L"-12", 3},
                                         Count{"chinese", L"系数a", 3}, Count{"pairs", grin + ji, 2},
                                         Count{"lone_high_surrogate",
                                               L"\xD83D"
                                               L"1",
                                               2}),
                         caseName);

struct Insertion {
    const char* name;
    std::wstring text;  // before the edit
    std::size_t start;  // the selection the edit replaces
    std::size_t end;
    std::wstring inserted;
    std::wstring fits;
};

class CharacterLimitTest : public testing::TestWithParam<Insertion> {};

TEST_P(CharacterLimitTest, TakesTheLeadingCharactersThatFit)
{
    const Insertion& edit = GetParam();
    EXPECT_EQ(fittingInsertion(edit.text, edit.start, edit.end, edit.inserted, 3), edit.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CharacterLimitTest,
    testing::Values(Insertion{"fits", L"1", 1, 1, L"2", L"2"}, Insertion{"fourth_refused", L"123", 3, 3, L"4", L""},
                    Insertion{"over_a_selection", L"123", 0, 3, L"98765", L"987"},
                    Insertion{"in_the_middle", L"12", 1, 1, L"abc", L"a"},
                    Insertion{"pair_counts_once", L"1", 1, 1, ji + L"23", ji + L"2"},
                    Insertion{"pair_never_split", L"12", 2, 2, grin + grin, grin},
                    Insertion{"low_half_completes_a_pair", L"12\xD83D", 3, 3, L"\xDE00", L"\xDE00"},
                    Insertion{"high_half_into_a_full_box", L"123", 3, 3, L"\xD83D", L""}),
    caseName);

// Every character is 10 pixels wide, a Chinese one 20: the label wraps by that.
int measure(std::wstring_view text)
{
    int width = 0;
    for (const wchar_t unit : text)
        width += unit >= 0x2E80 ? 20 : 10;
    return width;
}

struct Breaking {
    const char* name;
    std::wstring caption;
    int width;
    std::vector<std::wstring> lines;
};

class CaptionLayoutTest : public testing::TestWithParam<Breaking> {};

TEST_P(CaptionLayoutTest, BreaksAtBlanksAndBetweenChineseCharacters)
{
    const auto lines = breakCaption(GetParam().caption, GetParam().width, measure);
    EXPECT_EQ(std::vector<std::wstring>(lines.begin(), lines.end()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionLayoutTest,
    testing::Values(Breaking{"empty", L"", 100, {}}, Breaking{"fits", L"x", 100, {L"x"}},
                    Breaking{"at_blank", L"ab cd", 30, {L"ab", L"cd"}},
                    Breaking{"blanks_dropped_at_break", L"ab   cd", 30, {L"ab", L"cd"}},
                    Breaking{"leading_blank_kept", L" v1.1.0", 100, {L" v1.1.0"}},
                    Breaking{"run_without_break_stays_whole", L"1.4142135623731", 60, {L"1.4142135623731"}},
                    Breaking{"long_run_on_its_own_line", L"a 1234567 b", 40, {L"a", L"1234567", L"b"}},
                    Breaking{"between_chinese", L"本计算器", 40, {L"本计", L"算器"}},
                    Breaking{"chinese_then_latin", L"设计者：Osmel$_$", 100, {L"设计者：", L"Osmel$_$"}},
                    Breaking{"no_break_before_closing_punctuation", L"能力有限，如", 90, {L"能力有", L"限，如"}},
                    Breaking{"line_breaks", L"\r\n1.一\r\n2.二", 100, {L"", L"1.一", L"2.二"}}),
    caseName);

}  // namespace
