#include "tvgui/window/pendingexception.h"

#include <string>
#include <utility>

#include "system/log.h"

namespace tavrin::tvgui {

namespace {

thread_local std::exception_ptr pending;

std::string describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& caught) {
        return caught.what();
    } catch (...) {
        return "an object that is not an exception";
    }
}

} // namespace

void keepPendingException(std::exception_ptr exception) noexcept {
    if (!pending) {
        pending = std::move(exception);
        return;
    }
    system::WriteLog([&] { return "dropped while another waits: " + describe(exception); });
}

void rethrowPendingException() {
    if (pending) {
        std::rethrow_exception(std::exchange(pending, nullptr));
    }
}

} // namespace tavrin::tvgui
