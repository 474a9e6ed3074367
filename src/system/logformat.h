#pragma once

#include <concepts>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <ranges>
#include <source_location>
#include <string>
#include <string_view>
#include <type_traits>

#include "system/tavrinerrors.h"

namespace tavrin::system {

// A log format: text in which each "%s" takes the text of one argument and "%%" stands for
// "%". The number of "%s" must match the arguments, and no other "%" sequence may appear;
// both are checked when the program is compiled. Carries the caller's source position.
template <typename... Args> class LogFormat {
public:
    template <typename Text>
    requires std::convertible_to<const Text&, std::string_view>
    consteval LogFormat(const Text& text,
                        std::source_location where = std::source_location::current())
        : text_(text), where_(where) {
        std::size_t placeholders = 0;
        for (std::size_t at = 0; at < text_.size(); ++at) {
            if (text_[at] != '%') {
                continue;
            }
            if (at + 1 == text_.size() || (text_[at + 1] != 's' && text_[at + 1] != '%')) {
                throw "a log format knows only %s and %%";
            }
            placeholders += text_[at + 1] == 's' ? 1 : 0;
            ++at;
        }
        if (placeholders != sizeof...(Args)) {
            throw "the log format's %s do not match its arguments";
        }
    }

    std::string_view text() const noexcept { return text_; }
    const std::source_location& where() const noexcept { return where_; }

private:
    std::string_view text_;
    std::source_location where_;
};

// The text of a value in a log message: text as it is, truth values as "true" or "false",
// numbers in decimal, objects by their toString(), lists as ["a", "b"].
template <typename Value> std::string logText(const Value& value) {
    if constexpr (std::convertible_to<const Value&, std::string_view>) {
        return std::string(std::string_view(value));
    } else if constexpr (std::same_as<Value, bool>) {
        return value ? "true" : "false";
    } else if constexpr (std::integral<Value>) {
        return std::to_string(value);
    } else if constexpr (std::floating_point<Value>) {
        char buffer[32];
        const int length =
            std::snprintf(buffer, sizeof buffer, "%Lg", static_cast<long double>(value));
        return std::string(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
    } else if constexpr (std::derived_from<Value, std::exception>) {
        return throwableText(value);
    } else if constexpr (requires {
                             { value.toString() } -> std::convertible_to<std::string>;
                         }) {
        return std::string(value.toString());
    } else {
        static_assert(std::ranges::input_range<const Value>, "no log text for this type");
        std::string text = "[";
        for (const auto& element : value) {
            if (text.size() > 1) {
                text += ", ";
            }
            using Element = std::remove_cvref_t<decltype(element)>;
            if constexpr (std::convertible_to<const Element&, std::string_view>) {
                text += '"' + logText(element) + '"';
            } else {
                text += logText(element);
            }
        }
        return text + "]";
    }
}

// The format with its "%s" replaced by the texts in order and "%%" by "%".
inline std::string formatLog(std::string_view format, std::initializer_list<std::string> texts) {
    std::string message;
    auto text = texts.begin();
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char next = at + 1 < format.size() ? format[at + 1] : '\0';
        if (format[at] == '%' && next == '%') {
            message += '%';
            ++at;
        } else if (format[at] == '%' && next == 's' && text != texts.end()) {
            message += *text++;
            ++at;
        } else {
            message += format[at];
        }
    }
    return message;
}

} // namespace tavrin::system
