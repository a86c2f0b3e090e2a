#pragma once

#include "window_description.h"

#include <cstddef>
#include <span>
#include <string_view>

// Typed references to the controls of a window table. A handler names a
// control through one of these, never through a string:
//
//     inline constexpr auto form1Controls = std::to_array<ControlDescription>({...});
//     inline constexpr TextBoxRef Text1 = textBoxIn(form1Controls, "Text1");
//
// The lookups run at compile time: a name the table lacks, a control of
// another kind, or a name the table holds twice does not compile.
namespace app {

template <ControlKind Kind>
struct ControlRef {
    std::string_view name;  // the table's name, e.g. "Label3(4)"
    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

using LabelRef = ControlRef<ControlKind::Label>;
using TextBoxRef = ControlRef<ControlKind::TextBox>;
using ButtonRef = ControlRef<ControlKind::Button>;

namespace detail {

// Not constexpr: calling it in a constant expression is the compile error.
inline void controlMissingOrOfAnotherKind() {}

template <ControlKind Kind>
consteval ControlRef<Kind> controlIn(std::span<const ControlDescription> table, std::string_view name)
{
    std::size_t found = 0;
    for (const ControlDescription& control : table) {
        if (control.name == name && control.kind == Kind)
            ++found;
    }
    if (found != 1)
        controlMissingOrOfAnotherKind();
    return ControlRef<Kind>{name};
}

}  // namespace detail

consteval LabelRef labelIn(std::span<const ControlDescription> table, std::string_view name)
{
    return detail::controlIn<ControlKind::Label>(table, name);
}

consteval TextBoxRef textBoxIn(std::span<const ControlDescription> table, std::string_view name)
{
    return detail::controlIn<ControlKind::TextBox>(table, name);
}

consteval ButtonRef buttonIn(std::span<const ControlDescription> table, std::string_view name)
{
    return detail::controlIn<ControlKind::Button>(table, name);
}

}  // namespace app
