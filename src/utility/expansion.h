#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace tavrin::utility {

// One call of the system's expansion: given no buffer it answers the size needed, the
// terminating zero included; given a buffer of that room it expands into it and answers
// the size it needed, which is larger than the room when the environment grew meanwhile.
// 0 means the system failed.
using ExpandCall =
    std::function<std::size_t(const wchar_t* source, wchar_t* buffer, std::size_t room)>;

// The expanded text by the size protocol above. Never fails: when the system does, the
// source comes back as written.
std::wstring expandBy(const std::wstring& source, const ExpandCall& expand);

} // namespace tavrin::utility
