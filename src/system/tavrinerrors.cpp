#include "system/tavrinerrors.h"

#include <array>
#include <utility>

#include "system/timer.h"

namespace tavrin::system {

namespace {

constexpr std::array<std::string_view, 35> codeNames{
    "NONE",
    "TAVRIN",
    "TAVRIN_USERNAME",
    "TAVRIN_PCNAME",
    "TAVRIN_MYPATH",
    "ITEM",
    "ITEM_LINK",
    "ITEM_MULTI",
    "ITEM_DATE",
    "ITEM_DATE_LENGTH",
    "ITEM_DATE_SPLIT",
    "ITEM_DATE_INFO",
    "DATE",
    "DATE_DAY",
    "DATE_HOUR",
    "DATE_MINUTE",
    "DATE_MONTH",
    "DATE_MONTH_LIST",
    "DATE_SECOND",
    "DATE_WEEK",
    "DATE_WEEKLIST",
    "DATE_WEEK_NAME",
    "FILE",
    "FILE_EXECUTE",
    "FILE_EXECUTE_PATH",
    "FILE_EXECUTE_FOLDER",
    "FILE_EXECUTE_PROPERTY",
    "FILE_FOUND",
    "FILE_WRITE",
    "FILE_READ",
    "FILE_CREATE",
    "PROCCESS",
    "PROCCESS_CREATE",
    "GUI",
    "GUI_CREATE",
};
static_assert(codeNames.size() == static_cast<std::size_t>(CODE::GUI_CREATE) + 1);

void appendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// UTF-16 where wchar_t has 16 bits (Windows), UTF-32 where it has 32; both decode alike
// because a 32-bit unit never falls in the surrogate range of valid text. Broken
// sequences become U+FFFD, as at the Windows API boundary: a message must not be lost.
std::string utf8FromWide(std::wstring_view wide) {
    constexpr char32_t replacement = 0xFFFD;
    std::string text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto unit = static_cast<char32_t>(wide[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size()) {
            const auto low = static_cast<char32_t>(wide[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        const bool valid = unit < 0xD800 || (unit > 0xDFFF && unit <= 0x10FFFF);
        appendUtf8(text, valid ? unit : replacement);
    }
    return text;
}

} // namespace

std::string_view codeName(std::int32_t value) {
    if (value < 0 || static_cast<std::size_t>(value) >= codeNames.size()) {
        return "There is no corresponding enum member name in CODE";
    }
    return codeNames[static_cast<std::size_t>(value)];
}

TavrinThrowable::TavrinThrowable(std::string message, CODE code,
                                 std::shared_ptr<const std::exception> next,
                                 std::source_location where)
    : message_(std::move(message)), code_(code), next_(std::move(next)), where_(where),
      timeStamp_(currentTimeValue()) {}

TavrinThrowable::TavrinThrowable(std::wstring_view text, CODE code,
                                 std::shared_ptr<const std::exception> next,
                                 std::source_location where)
    : TavrinThrowable(utf8FromWide(text), code, std::move(next), where) {}

std::string TavrinThrowable::toString() const {
    std::string text = std::string(where_.file_name()) + "(" + std::to_string(where_.line()) +
                       ") " + message_ + "[" + std::to_string(static_cast<std::int32_t>(code_)) +
                       "] " + ThrowableTime(timeStamp_).toString();
    if (next_) {
        // The cause's own text carries the rest of the chain.
        text += '\n';
        text += throwableText(*next_);
    }
    return text;
}

std::string throwableText(const std::exception& thrown) {
    if (const auto* own = dynamic_cast<const TavrinThrowable*>(&thrown)) {
        return own->toString();
    }
    return thrown.what();
}

} // namespace tavrin::system
