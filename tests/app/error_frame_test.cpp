// The error frame: which error becomes which number and report, and that the
// handler's locals are released on the way out.
#include <app/error_frame.h>
#include <app/form.h>
#include <calc/run_time_error.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace {

using calc::FloatingPointCondition;
using calc::RunTimeError;
using tests::PrintTo;

struct Raised {
    const char* name;
    std::function<void()> raise;
    int number;
    const char* description;
};

class ErrorFrame : public testing::TestWithParam<Raised> {};

TEST_P(ErrorFrame, EndsTheHandlerAndReportsTheNumberAndDescription)
{
    const Raised& raised = GetParam();
    int released = 0;
    bool ranOn = false;
    const auto report = app::runInErrorFrame(
        [&] {
            const std::shared_ptr<int> held(nullptr, [&](int*) { ++released; });
            raised.raise();
            ranOn = true;
        },
        nullptr);
    ASSERT_TRUE(report.has_value());
    EXPECT_FALSE(ranOn);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(report->number, raised.number);
    EXPECT_EQ(report->text, "运行时错误 '" + std::to_string(raised.number) + "':\n\n" + raised.description);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorFrame,
    testing::Values(
        Raised{"type_mismatch", [] { throw RunTimeError::typeMismatch(); }, 13, "类型不匹配"},
        Raised{"overflow", [] { throw RunTimeError::overflow(); }, 6, "溢出"},
        Raised{"division_by_zero", [] { throw RunTimeError::floatingPoint(FloatingPointCondition::DivisionByZero); },
               11, "除数为零"},
        Raised{"invalid_operation", [] { throw RunTimeError::floatingPoint(FloatingPointCondition::InvalidOperation); },
               5, "无效的过程调用或参数"},
        Raised{"out_of_memory", [] { throw std::bad_alloc(); }, 7, "内存不足"},
        Raised{"invalid_property_value", [] { throw app::InvalidPropertyValue("negative"); }, 380, "无效的属性值"},
        Raised{"internal", [] { throw std::logic_error("bug"); }, 51, "内部错误"},
        Raised{"anything_else", [] { throw 42; }, 51, "内部错误"}),
    tests::caseName);

TEST(ErrorFrame, AHandlerWithoutErrorHasNoReport)
{
    EXPECT_FALSE(app::runInErrorFrame([] {}, nullptr).has_value());
}

struct Described {
    const char* name;
    app::CauseDescriber describe;
    const char* text;
    std::string_view control;
};

class Cause : public testing::TestWithParam<Described> {};

TEST_P(Cause, TheDescribersSentenceEndsTheReport)
{
    const auto report = app::runInErrorFrame([] { throw RunTimeError::overflow().from(calc::DiscriminantRange{}); },
                                             GetParam().describe);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->text, GetParam().text);
    EXPECT_EQ(report->causeControl, GetParam().control);
}

INSTANTIATE_TEST_SUITE_P(Describers, Cause,
                         testing::Values(Described{"sentence",
                                                   [](const RunTimeError&) {
                                                       return app::CauseNote{"S", "Text2"};
                                                   },
                                                   "运行时错误 '6':\n\n溢出\n\nS", "Text2"},
                                         Described{"nothing_to_say",
                                                   [](const RunTimeError&) { return app::CauseNote{}; },
                                                   "运行时错误 '6':\n\n溢出", ""},
                                         Described{"no_describer", nullptr, "运行时错误 '6':\n\n溢出", ""}),
                         tests::caseName);

}  // namespace
