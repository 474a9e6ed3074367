#include "tavrin/arguments.h"

#include <memory>

#include "system/win32.h"

#include <shellapi.h>

#include "system/unicode.h"

namespace tavrin {

std::vector<std::string> commandLineArguments(const wchar_t* commandLine) {
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&LocalFree)> split(
        CommandLineToArgvW(commandLine, &count), &LocalFree);
    std::vector<std::string> arguments;
    if (!split) {
        return arguments;
    }
    for (int index = 0; index < count; ++index) {
        arguments.push_back(system::toUtf8(split.get()[index]));
    }
    return arguments;
}

} // namespace tavrin
