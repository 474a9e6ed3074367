#include "system/raii.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

#include "system/tavrinerrors.h"

namespace tavrin::system {

std::string fullClassName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(type.name());
}

bool Raii::dispose() {
    if (alive) {
        release();
        alive = false;
    }
    return true;
}

void Raii::releaseAtEnd(void (*report)(const std::exception&) noexcept) noexcept {
    if (!alive) {
        return;
    }
    try {
        release();
        alive = false;
    } catch (const std::exception& refused) {
        // Nothing more can be done about a refused release while the holder dies.
        if (report != nullptr) {
            report(refused);
        }
    } catch (...) {
    }
}

void Raii::raiseReleaseFailure(std::string_view kind, std::source_location where) const {
    throw TavrinException(releaseFailureMessage(fullClassName(typeid(*this)), kind, this),
                          CODE::NONE, nullptr, where);
}

std::string releaseFailureMessage(std::string_view className, std::string_view kind,
                                  const void* identity) {
    char number[2 * sizeof(std::uintptr_t) + 1];
    std::snprintf(number, sizeof number, "%08llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(identity)));
    std::string message(className);
    message += ".RAII失敗(";
    message += kind;
    message += "()[";
    message += number;
    message += "]";
    return message;
}

} // namespace tavrin::system
