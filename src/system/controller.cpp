#include "system/controller.h"

#include <exception>
#include <string>

#include "system/log.h"

namespace tavrin::system {

Pause::~Pause() {
    try {
        controller_.start();
    } catch (const std::exception& failure) {
        WriteLog([&] { return std::string("restart after a pause failed: ") + failure.what(); });
    } catch (...) {
    }
}

} // namespace tavrin::system
