// The rules of text both backends follow, measured in a font of fixed widths:
// one unit per UTF-16 code unit, two per Chinese character of the BMP, 1 em.
#include <app/text.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <string>
#include <string_view>

namespace {

using tests::PrintTo;

// U+1F600 and U+20BB7: one character each, two UTF-16 code units each.
constexpr std::u16string_view grin = u"\U0001F600";
constexpr std::u16string_view ji = u"\U00020BB7";

double fixedWidth(std::u16string_view text)
{
    double width = 0;
    for (const char16_t unit : text)
        width += unit >= 0x2E80 && (unit < 0xD800 || unit > 0xDFFF) ? 2 : 1;
    return width;
}

app::CaptionLayout layOut(std::u16string_view caption, double width, double height)
{
    return app::layOutCaption(caption, {width, height, 1.0}, [caption](std::size_t begin, std::size_t end) {
        return fixedWidth(caption.substr(begin, end - begin));
    });
}

// The drawn lines, separated by '|'.
std::u16string shownLines(std::u16string_view caption, const app::CaptionLayout& layout)
{
    std::u16string joined;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const app::CaptionLine& line = layout.lines[i];
        joined += (i == 0 ? u"" : u"|") + std::u16string(caption.substr(line.begin, line.end - line.begin));
    }
    return joined;
}

// ---- Encodings

struct Conversion {
    std::string_view name;
    std::string utf8;
    std::u16string utf16;
};

class Encoding : public testing::TestWithParam<Conversion> {};

TEST_P(Encoding, ConvertsBothWays)
{
    EXPECT_EQ(app::toUtf16(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(app::toUtf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, Encoding,
                         testing::Values(Conversion{"empty", "", u""}, Conversion{"ascii", "x1 =", u"x1 ="},
                                         Conversion{"chinese", "设计者：", u"设计者："},
                                         Conversion{"two_bytes", "x²", u"x\u00B2"},
                                         Conversion{"astral", "\xF0\x9F\x98\x80", std::u16string(grin)},
                                         Conversion{"crlf", "a\r\nb", u"a\r\nb"}),
                         tests::caseName);

class MalformedEncoding : public testing::TestWithParam<Conversion> {};

TEST_P(MalformedEncoding, BecomesReplacementCharacters)
{
    if (GetParam().utf8.empty()) {
        EXPECT_EQ(app::toUtf16(app::toUtf8(GetParam().utf16)), u"a\uFFFD");
    } else {
        EXPECT_EQ(app::toUtf16(GetParam().utf8), GetParam().utf16);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, MalformedEncoding,
    testing::Values(Conversion{"truncated", "a\xE8\xAE", u"a\uFFFD\uFFFD"},
                    Conversion{"stray_continuation", "\x80z", u"\uFFFDz"},
                    Conversion{"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    Conversion{"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                    Conversion{"beyond_unicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                    Conversion{"lone_high_surrogate_to_utf8", "", std::u16string{u'a', char16_t(0xD83D)}},
                    Conversion{"lone_low_surrogate_to_utf8", "", std::u16string{u'a', char16_t(0xDE00)}}),
    tests::caseName);

// ---- Characters and positions

struct Count {
    std::string_view name;
    std::u16string text;
    int characters;
};

class CharacterCount : public testing::TestWithParam<Count> {};

// In UTF-16 as the boxes hold it, and in UTF-8 as a handler reads it.
TEST_P(CharacterCount, CountsCodePointsNotUnits)
{
    EXPECT_EQ(app::characterCount(GetParam().text), GetParam().characters);
    EXPECT_EQ(app::characterCount(app::toUtf8(GetParam().text)), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterCount,
                         testing::Values(Count{"empty", u"", 0}, Count{"ascii", u"-12", 3},
                                         Count{"chinese", u"系数a", 3}, Count{"latin1", u"\u00E91", 2},
                                         Count{"pairs", std::u16string(grin) + std::u16string(ji), 2},
                                         Count{"lone_high_surrogate", std::u16string{char16_t(0xD83D), u'1'}, 2}),
                         tests::caseName);

struct Selection {
    std::string_view name;
    std::u16string text;
    std::size_t start;  // UTF-16 units
    int characters;
    std::size_t end;  // UTF-16 units
};

class SelectionEnd : public testing::TestWithParam<Selection> {};

// A selection from the start is also where a caret at that position goes.
TEST_P(SelectionEnd, CountsCharactersNotUnits)
{
    const Selection& selection = GetParam();
    EXPECT_EQ(app::selectionEnd(selection.text, selection.start, selection.characters), selection.end);
    if (selection.start == 0) {
        EXPECT_EQ(app::unitOffset(selection.text, selection.characters), selection.end);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SelectionEnd,
    testing::Values(Selection{"ascii", u"-12", 0, 2, 2}, Selection{"whole", u"-12", 0, 3, 3},
                    Selection{"beyond_the_end", u"-12", 1, 5, 3}, Selection{"none", u"-12", 1, 0, 1},
                    Selection{"pair_is_one", std::u16string(grin) + u"1", 0, 1, 2},
                    Selection{"after_pairs", std::u16string(grin) + std::u16string(ji) + u"1", 4, 1, 5},
                    Selection{"from_after_a_pair", std::u16string(grin) + std::u16string(ji) + u"1", 2, 1, 4}),
    tests::caseName);

// ---- A text box's character limit of 3

struct Insertion {
    std::string_view name;
    std::u16string text;  // before the edit
    std::size_t start;    // the selection the edit replaces
    std::size_t end;
    std::u16string inserted;
    std::u16string fits;
};

class CharacterLimit : public testing::TestWithParam<Insertion> {};

TEST_P(CharacterLimit, TakesTheLeadingCharactersThatFit)
{
    const Insertion& edit = GetParam();
    EXPECT_EQ(edit.inserted.substr(0, app::fittingUnits(edit.text, edit.start, edit.end, edit.inserted, 3)), edit.fits);
}

const std::u16string grin2 = std::u16string(grin);
const std::u16string ji2 = std::u16string(ji);

INSTANTIATE_TEST_SUITE_P(Edits, CharacterLimit,
                         testing::Values(Insertion{"fits", u"1", 1, 1, u"2", u"2"},
                                         Insertion{"fourth_refused", u"123", 3, 3, u"4", u""},
                                         Insertion{"over_a_selection", u"123", 0, 3, u"98765", u"987"},
                                         Insertion{"in_the_middle", u"12", 1, 1, u"abc", u"a"},
                                         Insertion{"pair_counts_once", u"1", 1, 1, ji2 + u"23", ji2 + u"2"},
                                         Insertion{"pair_never_split", u"12", 2, 2, grin2 + grin2, grin2},
                                         Insertion{"low_half_completes_a_pair", u"12" + grin2.substr(0, 1), 3, 3,
                                                   grin2.substr(1), grin2.substr(1)},
                                         Insertion{"high_half_into_a_full_box", u"123", 3, 3, grin2.substr(0, 1), u""}),
                         tests::caseName);

// ---- Captions

struct Breaking {
    std::string_view name;
    std::u16string_view caption;
    double width;
    std::u16string_view lines;  // separated by '|'
};

class CaptionBreaks : public testing::TestWithParam<Breaking> {};

TEST_P(CaptionBreaks, OnlyAtBlanksAndBesideChineseCharacters)
{
    const Breaking& expected = GetParam();
    const app::CaptionLayout layout = layOut(expected.caption, expected.width, 100);
    EXPECT_EQ(shownLines(expected.caption, layout), expected.lines);
}

INSTANTIATE_TEST_SUITE_P(Numbers, CaptionBreaks,
                         testing::Values(Breaking{"root", u"1.4142135623731", 5, u"1.414"},
                                         Breaking{"negativeRoot", u"-1.4142135623731", 5, u"-1.41"},
                                         Breaking{"exponent", u"1.11111111111111E-09", 5, u"1.111"},
                                         Breaking{"discriminant", u"1600000000", 1, u"1"}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(Blanks, CaptionBreaks,
                         testing::Values(Breaking{"twoWordsFit", u"ab cd ef", 5, u"ab cd|ef"},
                                         Breaking{"blanksAtTheBreakGo", u"ab   cd", 3, u"ab|cd"},
                                         Breaking{"leadingBlankKept", u" v1.1.0", 10, u" v1.1.0"},
                                         Breaking{"allFits", u"ab cd", 5, u"ab cd"},
                                         Breaking{"longRunOnItsOwnLine", u"a 1234567 b", 7, u"a|1234567|b"},
                                         Breaking{"afterFullWidthColon", u"QQ：12345678", 10, u"QQ：|12345678"},
                                         Breaking{"empty", u"", 5, u""}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(Paragraphs, CaptionBreaks,
                         testing::Values(Breaking{"crlf", u"\r\n1.一\r\n2.二", 10, u"|1.一|2.二"},
                                         Breaking{"lf", u"ab\ncd", 10, u"ab|cd"},
                                         Breaking{"emptyBetween", u"ab\r\n\r\ncd", 10, u"ab||cd"}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(Chinese, CaptionBreaks,
                         testing::Values(Breaking{"chinese", u"本计算器可解", 6, u"本计算|器可解"},
                                         Breaking{"numberedChinese", u"1.本计算器可解一元", 7, u"1.本计|算器可|解一元"},
                                         Breaking{"creditWide", u"设计者：Osmel$_$", 10, u"设计者：|Osmel$_$"},
                                         Breaking{"creditNarrow", u"设计者：Osmel$_$", 5, u"设计|者：|Osmel"},
                                         Breaking{"closingMarks", u"谅解）。", 6, u"谅|解）。"},
                                         Breaking{"openingMark", u"（注）", 2, u"（"},
                                         Breaking{"numberAfterChinese", u"系数为999", 5, u"系数|为999"},
                                         Breaking{"surrogatePairs", u"\U00020BB7\U00020BB7\U00020BB7", 4,
                                                  u"\U00020BB7\U00020BB7|\U00020BB7"},
                                         Breaking{"emoji", u"ab\U0001F600cd", 3, u"ab\U0001F600"}),
                         tests::caseName);

struct Cut {
    std::string_view name;
    std::u16string_view caption;
    double width;
    double height;
    std::u16string_view shown;  // what is drawn, lines separated by '|'
    bool cutOff;
    double lastBaseline;
};

class CaptionCut : public testing::TestWithParam<Cut> {};

// A line wider than the label is drawn up to the last character that starts
// inside it; a line that starts below the bottom is not drawn, one whose
// baseline is below it is drawn cut. A run without a break point (the Numbers
// rows above) is cut, never broken.
TEST_P(CaptionCut, AtTheLabelsEdges)
{
    const Cut& expected = GetParam();
    const app::CaptionLayout layout = layOut(expected.caption, expected.width, expected.height);
    EXPECT_EQ(shownLines(expected.caption, layout), expected.shown);
    EXPECT_EQ(layout.cutOff, expected.cutOff);
    if (!layout.lines.empty()) {
        EXPECT_DOUBLE_EQ(layout.lines.back().baseline, expected.lastBaseline);
    }
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionCut,
                         testing::Values(Cut{"fits", u"-12", 5, 1, u"-12", false, 0.86},
                                         Cut{"justFits", u"12345", 5, 1, u"12345", false, 0.86},
                                         Cut{"rootAtTheEdge", u"1.4142135623731", 5, 1, u"1.414", true, 0.86},
                                         Cut{"lastCharacterHalfIn", u"1.4142135623731", 4.5, 1, u"1.414", true, 0.86},
                                         Cut{"pairHalfIn", u"12\U0001F600", 3, 1, u"12\U0001F600", true, 0.86},
                                         Cut{"secondLineBelow", u"ab cd", 2, 1, u"ab", true, 0.86},
                                         Cut{"secondLineHalfIn", u"ab cd", 2, 1.2, u"ab|cd", true, 2.01},
                                         Cut{"secondLineIn", u"ab cd", 2, 2.1, u"ab|cd", false, 2.01},
                                         Cut{"empty", u"", 5, 0, u"", false, 0}),
                         tests::caseName);

struct Tooltip {
    std::string_view name;
    app::CaptionSource source;
    double width;  // of the label, for the caption "-1.4142135623731"
    bool shown;
};

class CaptionTooltip : public testing::TestWithParam<Tooltip> {};

TEST_P(CaptionTooltip, ShowsAHandlersCaptionWhereCut)
{
    constexpr std::u16string_view caption = u"-1.4142135623731";
    const app::CaptionLayout layout = layOut(caption, GetParam().width, 1);
    EXPECT_EQ(app::captionTooltip(caption, GetParam().source, layout), GetParam().shown ? caption : u"");
}

INSTANTIATE_TEST_SUITE_P(Labels, CaptionTooltip,
                         testing::Values(Tooltip{"handlerCut", app::CaptionSource::Handler, 10, true},
                                         Tooltip{"handlerWhole", app::CaptionSource::Handler, 16, false},
                                         Tooltip{"tableCut", app::CaptionSource::Table, 10, false},
                                         Tooltip{"tableWhole", app::CaptionSource::Table, 16, false}),
                         tests::caseName);

}  // namespace
