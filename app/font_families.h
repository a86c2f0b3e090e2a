#pragma once

#include <array>
#include <string_view>

// What stands in for the faces the windows name where they are not installed:
// Hei is a sans-serif style, Song a serif one, and 微软雅黑 is a Hei face too.
// The same table serves every backend that picks faces itself.
namespace app {

struct FontFamilies {
    std::string_view face;                     // as the tables name it
    std::string_view latinName;                // the same face's English name
    std::array<std::string_view, 3> standIns;  // installed CJK faces of its style, likest first
    std::string_view generic;                  // the CSS generic family of its style
};

inline constexpr std::array fontFamilies{
    FontFamilies{"黑体", "SimHei", {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei"}, "sans-serif"},
    FontFamilies{
        "微软雅黑", "Microsoft YaHei", {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei"}, "sans-serif"},
    FontFamilies{"宋体", "SimSun", {"Noto Serif CJK SC", "Source Han Serif SC", "AR PL UMing CN"}, "serif"},
};

}  // namespace app
