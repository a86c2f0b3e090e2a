// The sentence that says what a calculation error came from.
#include <calc/run_time_error.h>
#include <ui/main/error_cause.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <string_view>

namespace {

using calc::RunTimeError;
using tests::PrintTo;

struct Source {
    const char* name;
    RunTimeError error;
    const char* sentence;
    std::string_view control;  // whose text failed
};

class CauseSentence : public testing::TestWithParam<Source> {};

TEST_P(CauseSentence, NamesTheCoefficientAndItsTextOrTheDiscriminant)
{
    const app::CauseNote source = ui::main::describeCause(GetParam().error);
    EXPECT_EQ(source.sentence, GetParam().sentence);
    EXPECT_EQ(source.control, GetParam().control);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, CauseSentence,
    testing::Values(Source{"a", RunTimeError::typeMismatch().from(calc::CoefficientText{calc::Coefficient::A, "x"}),
                           "系数 a 的输入“x”无法转换为整数。", "Text1"},
                    Source{"c", RunTimeError::overflow().from(calc::CoefficientText{calc::Coefficient::C, "9e9"}),
                           "系数 c 的输入“9e9”无法转换为整数。", "Text3"},
                    Source{"discriminant", RunTimeError::overflow().from(calc::DiscriminantRange{}),
                           "计算判别式 b² − 4ac 时超出了整数范围。", ""},
                    Source{"unknown", RunTimeError::overflow(), "", ""}),
    tests::caseName);

}  // namespace
