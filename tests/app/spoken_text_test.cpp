// What a screen reader hears of labels and notice windows.
#include <app/spoken_text.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <array>

namespace {

using tests::PrintTo;

struct Spoken {
    const char* name;
    app::ControlDescription label;
    const char* caption;
    const char* heard;
};

class SpokenName : public testing::TestWithParam<Spoken> {};

TEST_P(SpokenName, IsTheNameThenASlotsValue)
{
    EXPECT_EQ(app::spokenName(GetParam().label, GetParam().caption), GetParam().heard);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SpokenName,
    testing::Values(Spoken{"caption_without_a_name", {.text = "设计者"}, "设计者", "设计者"},
                    Spoken{"glyph_says_what_it_means", {.text = "√", .accessibleName = "根号"}, "√", "根号"},
                    Spoken{"slot_says_its_value", {.copyable = true, .accessibleName = "判别式"}, "-3", "判别式 -3"},
                    Spoken{"empty_slot_says_its_name", {.copyable = true, .accessibleName = "x1"}, "", "x1"}),
    tests::caseName);

TEST(NoticeText, IsEveryCaptionLineInOrderWithoutEmptyOnes)
{
    constexpr std::array controls{app::ControlDescription{.name = "Label1", .text = "\r\n1.一\r\n2.二"},
                                  app::ControlDescription{.name = "Label2", .text = "三"}};
    EXPECT_EQ(app::noticeText({.controls = controls}), "1.一\n2.二\n三");
}

}  // namespace
