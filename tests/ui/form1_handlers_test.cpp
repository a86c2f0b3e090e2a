// The main window's handlers against a recording window: what they read and
// write, in which order, for every outcome and error.
#include <calc/run_time_error.h>
#include <tests/support/recording_form.h>
#include <ui/main/form1_description.h>
#include <ui/main/form1_handlers.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <string>
#include <vector>

namespace {

using namespace ui::main;
using namespace ui::main::form1;
using tests::PrintTo;
using Operations = std::vector<std::string>;

const Operations readsTheBoxes{"text Text1", "text Text2", "text Text3"};

Operations concat(Operations first, const Operations& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

tests::RecordingForm formWith(const std::string& a, const std::string& b, const std::string& c)
{
    tests::RecordingForm form;
    form.texts = {{"Text1", a}, {"Text2", b}, {"Text3", c}};
    return form;
}

struct Calculation {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    Operations writes;  // after the three reads
};

class Calculate : public testing::TestWithParam<Calculation> {};

TEST_P(Calculate, WritesTheSlotsInOrderOrShowsTheMessage)
{
    const Calculation& calculation = GetParam();
    tests::RecordingForm form = formWith(calculation.a, calculation.b, calculation.c);
    command1Click(form);
    EXPECT_EQ(form.operations, concat(readsTheBoxes, calculation.writes));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Calculate,
    testing::Values(Calculation{"quadratic",
                                "1",
                                "-3",
                                "2",
                                {"caption Label8 1", "caption Label11 1", "caption Label9 -3", "caption Label12 -3",
                                 "caption Label10 2", "caption Label13 2", "caption Label5 2", "caption Label6 1",
                                 "announce x1 等于 2，x2 等于 1"}},
                    Calculation{"linear", "0", "2", "-4", {"caption Label5 2", "caption Label6 2", "announce x 等于 2"}},
                    Calculation{"any_real_number", "0", "0", "0", {"message 提示 方程根为任意实数"}},
                    Calculation{"no_solution", "0", "0", "7", {"message 提示 方程无解"}},
                    Calculation{"no_real_roots", "1", "0", "1", {"message 提示 方程无实根"}}),
    tests::caseName);

struct Failure {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    int number;
};

class CalculateFails : public testing::TestWithParam<Failure> {};

TEST_P(CalculateFails, ThrowsBeforeAnySlotIsWritten)
{
    const Failure& failure = GetParam();
    tests::RecordingForm form = formWith(failure.a, failure.b, failure.c);
    try {
        command1Click(form);
        FAIL() << "no error";
    } catch (const calc::RunTimeError& error) {
        EXPECT_EQ(error.number(), failure.number);
    }
    EXPECT_EQ(form.operations, readsTheBoxes);
}

INSTANTIATE_TEST_SUITE_P(Errors, CalculateFails,
                         testing::Values(Failure{"a_not_a_number", "x", "1", "1", 13},
                                         Failure{"b_empty", "1", "", "abc", 13},
                                         Failure{"c_too_large", "1", "1", "9e9", 6},
                                         Failure{"overflow_at_4a", "1e9", "0", "0", 6},
                                         Failure{"overflow_at_bb", "1", "2e9", "0", 6}),
                         tests::caseName);

TEST(LinearRoot, LeavesTheFormulaSlotsAsAnEarlierCalculationLeftThem)
{
    tests::RecordingForm form = formWith("1", "-3", "2");
    command1Click(form);
    form.texts = {{"Text1", "0"}, {"Text2", "2"}, {"Text3", "-4"}};
    command1Click(form);
    EXPECT_EQ(form.captions.at("Label8"), "1");
    EXPECT_EQ(form.captions.at("Label9"), "-3");
    EXPECT_EQ(form.captions.at("Label10"), "2");
    EXPECT_EQ(form.captions.at("Label5"), "2");
}

TEST(Clear, ZeroesTheBoxesThenEmptiesTheSlotsInOrder)
{
    tests::RecordingForm form = formWith("1", "-3", "2");
    command3Click(form);
    EXPECT_EQ(form.operations, (Operations{"setText Text1 0", "setText Text2 0", "setText Text3 0", "caption Label5",
                                           "caption Label6", "caption Label8", "caption Label9", "caption Label10",
                                           "caption Label11", "caption Label12", "caption Label13",
                                           "announce 已清零"}));
}

struct Selection {
    const char* name;
    void (*click)(app::Form&);
    const char* box;
    const char* text;
    Operations operations;
};

class SelectOnClick : public testing::TestWithParam<Selection> {};

TEST_P(SelectOnClick, SelectsTheWholeTextInCharacters)
{
    const Selection& selection = GetParam();
    tests::RecordingForm form;
    form.texts[selection.box] = selection.text;
    selection.click(form);
    EXPECT_EQ(form.operations, selection.operations);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SelectOnClick,
    testing::Values(
        Selection{
            "text1_two_digits", text1Click, "Text1", "12", {"selStart Text1 0", "text Text1", "selLength Text1 2"}},
        Selection{"text2_empty", text2Click, "Text2", "", {"selStart Text2 0", "text Text2", "selLength Text2 0"}},
        Selection{"text3_chinese_and_astral",
                  text3Click,
                  "Text3",
                  "一\xF0\x9F\x98\x80"
                  "2",
                  {"selStart Text3 0", "text Text3", "selLength Text3 3"}}),
    tests::caseName);

TEST(InfoButtons, ShowTheirWindowsByName)
{
    tests::RecordingForm form;
    command2Click(form);
    command4Click(form);
    EXPECT_EQ(form.operations, (Operations{"show Form2", "show Form3"}));
}

}  // namespace
