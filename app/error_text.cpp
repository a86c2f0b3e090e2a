#include "error_text.h"

#include <array>

namespace app {
namespace {

struct Described {
    int number;
    std::string_view description;
};

constexpr std::array descriptions{
    Described{5, "无效的过程调用或参数"},  // an invalid floating-point operation
    Described{6, "溢出"},
    Described{outOfMemoryErrorNumber, "内存不足"},
    Described{11, "除数为零"},
    Described{13, "类型不匹配"},
    Described{internalErrorNumber, "内部错误"},
};

}  // namespace

std::string_view describeError(int number)
{
    for (const Described& entry : descriptions) {
        if (entry.number == number)
            return entry.description;
    }
    return "未知错误";
}

std::string runTimeErrorReport(int number)
{
    return "运行时错误 '" + std::to_string(number) + "':\n\n" + std::string(describeError(number));
}

}  // namespace app
