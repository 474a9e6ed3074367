#include "shell/commandline.h"

#include "utility/addressscheme.h"

namespace tavrin::shell {
namespace {

std::string_view withoutLeadingBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string joined(std::string_view rest, std::string_view options) {
    std::string parameters(rest);
    if (!rest.empty() && !options.empty()) {
        parameters += ' ';
    }
    parameters += options;
    return parameters;
}

} // namespace

CommandLine splitCommandLine(std::string_view address, std::string_view options) {
    if (address.starts_with('"')) {
        const std::string_view quoted = address.substr(1);
        const std::size_t close = quoted.find('"');
        if (close == std::string_view::npos) {
            // An unclosed quote: the whole text is meant as the program.
            return {std::string(quoted), std::string(options)};
        }
        return {std::string(quoted.substr(0, close)),
                joined(withoutLeadingBlanks(quoted.substr(close + 1)), options)};
    }
    const std::size_t blank = address.find(' ');
    if (blank == std::string_view::npos) {
        return {std::string(address), std::string(options)};
    }
    return {std::string(address.substr(0, blank)), joined(address.substr(blank + 1), options)};
}

bool programIsPath(std::string_view program) noexcept {
    if (utility::hasAddressScheme(program)) {
        return false;
    }
    const bool drive =
        program.size() >= 2 && program[1] == ':' &&
        ((program[0] >= 'A' && program[0] <= 'Z') || (program[0] >= 'a' && program[0] <= 'z'));
    return drive || program.find('\\') != std::string_view::npos;
}

} // namespace tavrin::shell
