// Which other arrangements of a window a table may give.
#include <app/window_description.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <array>
#include <vector>

namespace {

struct Moves {
    const char* name;
    std::vector<app::ControlMove> moves;
    bool accepted;
};

class UprightArrangement : public testing::TestWithParam<Moves> {};

TEST_P(UprightArrangement, MovesEachControlOnceInsideItsClientArea)
{
    constexpr std::array controls{app::ControlDescription{.name = "A", .width = 100, .height = 50},
                                  app::ControlDescription{.name = "B", .left = 200, .width = 100, .height = 50}};
    EXPECT_EQ(
        app::arrangesEachControlOnce(controls, {.clientWidth = 100, .clientHeight = 100, .moves = GetParam().moves}),
        GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Tables, UprightArrangement,
                         testing::Values(Moves{"stacked", {{"A", {}}, {"B", {-200, 50}}}, true},
                                         Moves{"one_left_where_it_was", {{"A", {}}, {"B", {}}}, false},
                                         Moves{"one_moved_off_the_top", {{"A", {0, -1}}, {"B", {-200, 50}}}, false},
                                         Moves{"one_past_the_bottom", {{"A", {}}, {"B", {-200, 51}}}, false},
                                         Moves{"a_stranger", {{"A", {}}, {"C", {-200, 50}}}, false}),
                         tests::caseName);

}  // namespace
