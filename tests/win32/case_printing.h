#pragma once

#include <ostream>

// Table cases print as their names in GoogleTest's failure messages, not as bytes.
namespace win32_test {

template <typename Case>
concept NamedCase = requires(const Case& c)
{
    c.name;
};

template <typename Case>
concept ControlCase = requires(const Case& c)
{
    c.control;
}
&&!NamedCase<Case>;

template <NamedCase Case>
std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.name;
}

template <ControlCase Case>
std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.control;
}

}  // namespace win32_test
