#pragma once

#include <cstdint>

namespace tavrin::shell {

// ShellExecuteW reports a failure as a result of 32 or less in its own small codes, which
// are not all system error codes (0 is out of memory, 31 no association): the system error
// code that means the same, so that the system's message text fits. Codes without a
// counterpart of their own come back unchanged.
std::uint32_t systemCodeOfShellResult(std::intptr_t result) noexcept;

} // namespace tavrin::shell
