#pragma once

#include <cstdint>

namespace tavrin::tvgui {

// The axis a panel stacks its cells along; scroll messages name theirs with it too.
enum class DIRECTION : std::int32_t { HORIZON = 0, VERTICAL = 1 };

} // namespace tavrin::tvgui
