#include "gui/window/dialog/throwablechain.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "system/tavrinerrors.h"
#include "system/timer.h"

namespace tavrin::gui {
namespace {

// The C++ name of a foreign exception's dynamic type, as a reader knows it from the source.
std::string foreignClassName(const std::exception& thrown) {
    const char* mangled = typeid(thrown).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}

std::string fact(std::string_view name, std::string_view value) {
    std::string text(name);
    text += ": ";
    text += value;
    return text;
}

ThrowableEntry entryOf(const system::TavrinThrowable& thrown) {
    return {std::string(thrown.className()),
            thrown.message(),
            {fact("File", thrown.where().file_name()),
             fact("Line", std::to_string(thrown.where().line())),
             fact("Code", system::codeName(static_cast<std::int32_t>(thrown.Code()))),
             fact("Time", system::ThrowableTime(thrown.timeStamp()).toString())}};
}

} // namespace

std::vector<ThrowableEntry> throwableChain(const std::exception& failure) {
    std::vector<ThrowableEntry> chain;
    const std::exception* current = &failure;
    while (current != nullptr) {
        const auto* own = dynamic_cast<const system::TavrinThrowable*>(current);
        if (own == nullptr) {
            chain.push_back({foreignClassName(*current), current->what(), {}});
            break;
        }
        chain.push_back(entryOf(*own));
        current = own->next().get();
    }
    return chain;
}

std::string failureText(const std::vector<ThrowableEntry>& chain, std::string_view report) {
    std::string text;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += chain[i].message;
    }
    text += "\r\n";
    text.append(50, '-');
    text += "\r\n";
    text += report;
    return text;
}

} // namespace tavrin::gui
