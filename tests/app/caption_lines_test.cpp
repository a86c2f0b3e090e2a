// Where captions break into lines, measured in a font of fixed widths: one
// unit per UTF-16 code unit, two per Chinese character of the BMP.
#include <app/caption_lines.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

struct BreakCase {
    std::string_view name;
    std::u16string_view paragraph;
    double width;
    std::u16string_view lines;  // separated by '|'
};

void PrintTo(const BreakCase& c, std::ostream* os)
{
    *os << c.name << ", width " << c.width;
}

std::string nameOf(const testing::TestParamInfo<BreakCase>& info)
{
    return std::string(info.param.name);
}

double fixedWidth(std::u16string_view text)
{
    double width = 0;
    for (const char16_t unit : text)
        width += unit >= 0x2E80 && (unit < 0xD800 || unit > 0xDFFF) ? 2 : 1;
    return width;
}

class CaptionBreaks : public testing::TestWithParam<BreakCase> {};

TEST_P(CaptionBreaks, OnlyAtBlanksAndBesideChineseCharacters)
{
    const BreakCase& expected = GetParam();
    const std::u16string_view text = expected.paragraph;
    const auto lines = app::breakCaptionLines(text, expected.width, [&](std::size_t begin, std::size_t end) {
        return fixedWidth(text.substr(begin, end - begin));
    });
    std::u16string joined;
    for (std::size_t i = 0; i < lines.size(); ++i)
        joined += (i == 0 ? u"" : u"|") + std::u16string(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
    EXPECT_EQ(joined, expected.lines);
}

INSTANTIATE_TEST_SUITE_P(Numbers, CaptionBreaks,
                         testing::Values(BreakCase{"root", u"1.4142135623731", 5, u"1.4142135623731"},
                                         BreakCase{"negativeRoot", u"-1.4142135623731", 5, u"-1.4142135623731"},
                                         BreakCase{"exponent", u"1.11111111111111E-09", 5, u"1.11111111111111E-09"},
                                         BreakCase{"discriminant", u"1600000000", 1, u"1600000000"}),
                         nameOf);

INSTANTIATE_TEST_SUITE_P(Blanks, CaptionBreaks,
                         testing::Values(BreakCase{"twoWordsFit", u"ab cd ef", 5, u"ab cd|ef"},
                                         BreakCase{"blanksAtTheBreakGo", u"ab   cd", 3, u"ab|cd"},
                                         BreakCase{"allFits", u"ab cd", 5, u"ab cd"},
                                         BreakCase{"afterFullWidthColon", u"QQ：12345678", 6, u"QQ：|12345678"},
                                         BreakCase{"empty", u"", 5, u""}),
                         nameOf);

INSTANTIATE_TEST_SUITE_P(Chinese, CaptionBreaks,
                         testing::Values(BreakCase{"chinese", u"本计算器可解", 6, u"本计算|器可解"},
                                         BreakCase{"numberedChinese", u"1.本计算器可解一元", 7,
                                                   u"1.本计|算器可|解一元"},
                                         BreakCase{"creditWide", u"设计者：Osmel$_$", 8, u"设计者：|Osmel$_$"},
                                         BreakCase{"creditNarrow", u"设计者：Osmel$_$", 5, u"设计|者：|Osmel$_$"},
                                         BreakCase{"closingMarks", u"谅解）。", 4, u"谅|解）。"},
                                         BreakCase{"openingMark", u"（注）", 2, u"（注）"},
                                         BreakCase{"numberAfterChinese", u"系数为999", 5, u"系数|为999"},
                                         BreakCase{"surrogatePairs", u"\U00020BB7\U00020BB7\U00020BB7", 4,
                                                   u"\U00020BB7\U00020BB7|\U00020BB7"},
                                         BreakCase{"emoji", u"ab\U0001F600cd", 2, u"ab\U0001F600cd"}),
                         nameOf);

}  // namespace
