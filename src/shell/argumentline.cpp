#include "shell/argumentline.h"

namespace tavrin::shell {
namespace {

// The ASCII symbols cmd.exe passes through untouched outside quotes.
constexpr std::string_view cmdPlainSymbols = "#$*+-./:?@\\_";

bool isAsciiAlphanumeric(unsigned char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool cmdNeedsQuotes(std::string_view argument) noexcept {
    if (argument.empty() || argument.back() == '\\') {
        // An empty argument would vanish; a batch file that quotes "%~1" itself would have
        // its closing quote escaped by a trailing backslash.
        return true;
    }
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && !isAsciiAlphanumeric(byte) &&
            cmdPlainSymbols.find(c) == std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Writes the argument between quotes (when quoted) with the backslashes before a quote and
// before the closing quote doubled; quoteEscape follows those backslashes in place of each
// quote, and percent stands for each "%".
std::string escaped(std::string_view argument, bool quoted, std::string_view quoteEscape,
                    std::string_view percent) {
    std::string out;
    out.reserve(argument.size() + 2);
    if (quoted) {
        out += '"';
    }
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            out += c;
            continue;
        }
        if (c == '"') {
            out.append(backslashes, '\\');
            out += quoteEscape;
        } else if (c == '%') {
            out += percent;
        } else {
            out += c;
        }
        backslashes = 0;
    }
    if (quoted) {
        out.append(backslashes, '\\');
        out += '"';
    }
    return out;
}

} // namespace

std::string runtimeArgument(std::string_view argument, bool alwaysQuoted) {
    const bool quoted = alwaysQuoted || argument.empty() ||
                        argument.find_first_of(" \t\n\v\"") != std::string_view::npos;
    if (!quoted) {
        return std::string(argument);
    }
    return escaped(argument, true, "\\\"", "%");
}

std::optional<std::string> cmdArgument(std::string_view argument) {
    if (argument.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return std::nullopt;
    }
    // A doubled quote stays inside the quotes for cmd and is one quote to the C runtimes.
    // "%%cd:~,%" is "%" and an empty slice of the always defined %cd%: cmd finds no
    // variable name in the "%" that follows it.
    return escaped(argument, cmdNeedsQuotes(argument), "\"\"", "%%cd:~,%");
}

ArgumentLine argumentLine(const std::vector<std::string>& arguments, LINE_READER reader) {
    ArgumentLine result;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        std::optional<std::string> argument = reader == LINE_READER::CMD
                                                  ? cmdArgument(arguments[index])
                                                  : runtimeArgument(arguments[index]);
        if (!argument) {
            return {{}, index};
        }
        if (index > 0) {
            result.line += ' ';
        }
        result.line += *argument;
    }
    return result;
}

} // namespace tavrin::shell
