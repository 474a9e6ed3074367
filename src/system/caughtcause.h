#pragma once

#include <exception>
#include <memory>

namespace tavrin::system {

// The exception being handled, kept as a chained cause with its own class: the cause shares
// ownership of the thrown object instead of slicing a copy. Call it only inside the handler
// that caught `caught`.
inline std::shared_ptr<const std::exception> caughtCause(const std::exception& caught) {
    const auto thrown = std::make_shared<const std::exception_ptr>(std::current_exception());
    return std::shared_ptr<const std::exception>(thrown, &caught);
}

} // namespace tavrin::system
