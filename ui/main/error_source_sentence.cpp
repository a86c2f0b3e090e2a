#include "error_source_sentence.h"

#include <array>
#include <string_view>
#include <type_traits>
#include <variant>

namespace ui::main {
namespace {

// By calc::Coefficient: A, B, C.
constexpr std::array<std::string_view, 3> coefficientNames{"a", "b", "c"};

}  // namespace

std::string errorSourceSentence(const calc::RunTimeError& error)
{
    return std::visit(
        [](const auto& from) -> std::string {
            using From = std::decay_t<decltype(from)>;
            if constexpr (std::is_same_v<From, calc::CoefficientText>)
                return "系数 " + std::string(coefficientNames.at(std::size_t(from.coefficient))) + " 的输入“" +
                       from.text + "”无法转换为整数。";
            else if constexpr (std::is_same_v<From, calc::DiscriminantRange>)
                return "判别式 b² − 4ac 超出了整数范围。";
            else
                return {};
        },
        error.source());
}

}  // namespace ui::main
