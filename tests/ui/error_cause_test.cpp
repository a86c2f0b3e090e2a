// The sentence that names a calculation error's cause.
#include <calc/run_time_error.h>
#include <ui/main/error_cause.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <string_view>

namespace {

using calc::RunTimeError;
using tests::PrintTo;

struct Cause {
    const char* name;
    RunTimeError error;
    const char* sentence;
    std::string_view control;  // whose text failed
};

class CauseSentence : public testing::TestWithParam<Cause> {};

TEST_P(CauseSentence, NamesTheCoefficientAndItsTextOrTheDiscriminant)
{
    const app::CauseNote note = ui::main::describeCause(GetParam().error);
    EXPECT_EQ(note.sentence, GetParam().sentence);
    EXPECT_EQ(note.control, GetParam().control);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CauseSentence,
    testing::Values(Cause{"a", RunTimeError::typeMismatch().from(calc::CoefficientText{calc::Coefficient::A, "x"}),
                          "系数 a 的输入“x”无法转换为整数。", "Text1"},
                    Cause{"c", RunTimeError::overflow().from(calc::CoefficientText{calc::Coefficient::C, "9e9"}),
                          "系数 c 的输入“9e9”无法转换为整数。", "Text3"},
                    Cause{"discriminant", RunTimeError::overflow().from(calc::DiscriminantRange{}),
                          "计算判别式 b² − 4ac 时超出了整数范围。", ""},
                    Cause{"unknown", RunTimeError::overflow(), "", ""}),
    tests::caseName);

}  // namespace
