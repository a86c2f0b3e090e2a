#include "error_cause.h"

#include "form1_description.h"

#include <array>
#include <string_view>
#include <type_traits>
#include <variant>

namespace ui::main {
namespace {

// By calc::Coefficient: A, B, C.
constexpr std::array<std::string_view, 3> coefficientNames{"a", "b", "c"};

}  // namespace

app::CauseNote describeCause(const calc::RunTimeError& error)
{
    return std::visit(
        [](const auto& from) -> app::CauseNote {
            using From = std::decay_t<decltype(from)>;
            if constexpr (std::is_same_v<From, calc::CoefficientText>) {
                const auto coefficient = std::size_t(from.coefficient);
                return {"系数 " + std::string(coefficientNames.at(coefficient)) + " 的输入“" + from.text +
                            "”无法转换为整数。",
                        form1::coefficientBoxes.at(coefficient).name};
            } else if constexpr (std::is_same_v<From, calc::DiscriminantRange>)
                return {"计算判别式 b² − 4ac 时超出了整数范围。"};
            else
                return {};
        },
        error.cause());
}

}  // namespace ui::main
