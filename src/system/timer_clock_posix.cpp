#include "system/timer.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <system_error>

namespace tavrin::system {

SystemTime currentLocalTime() {
    const auto sinceEpoch = std::chrono::floor<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    const auto seconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const std::time_t whole = static_cast<std::time_t>(seconds.count());
    std::tm local{};
    if (localtime_r(&whole, &local) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "localtime_r");
    }
    return {static_cast<std::uint16_t>(local.tm_year + 1900),
            static_cast<std::uint16_t>(local.tm_mon + 1), static_cast<std::uint16_t>(local.tm_wday),
            static_cast<std::uint16_t>(local.tm_mday), static_cast<std::uint16_t>(local.tm_hour),
            static_cast<std::uint16_t>(local.tm_min),
            // A leap second reads as the last second of its minute.
            static_cast<std::uint16_t>(local.tm_sec < 60 ? local.tm_sec : 59),
            static_cast<std::uint16_t>((sinceEpoch - seconds).count())};
}

} // namespace tavrin::system
