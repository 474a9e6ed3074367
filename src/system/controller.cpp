#include "system/controller.h"

#include <exception>
#include <string>

#include "system/log.h"

namespace tavrin::system {

Pause::~Pause() {
    try {
        controller_.start();
    } catch (const std::exception& failure) {
        try {
            WriteLog(
                [&] { return std::string("restart after a pause failed: ") + failure.what(); });
        } catch (...) {
        }
    } catch (...) {
    }
}

} // namespace tavrin::system
