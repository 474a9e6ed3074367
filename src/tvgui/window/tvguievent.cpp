#include "tvgui/window/tvguievent.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

#include "system/log.h"

namespace tavrin::tvgui {

namespace {

std::string readableName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

} // namespace

void TvGuiEvent::OnDestroy() {
    system::WriteLog([this] { return readableName(typeid(*this)) + ".TvGuiDestroy()"; });
}

} // namespace tavrin::tvgui
