#include "system/tavrinerrors.h"

#include <array>
#include <utility>

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
    : message_(std::move(message)), code_(code), next_(std::move(next)), where_(where) {}

std::string TavrinThrowable::toString() const {
    std::string text = std::string(where_.file_name()) + "(" + std::to_string(where_.line()) +
                       ") " + message_ + "[" + std::to_string(static_cast<std::int32_t>(code_)) +
                       "]";
    if (next_) {
        // The cause's own text carries the rest of the chain.
        text += '\n';
        text += throwableText(*next_);
    }
    return text;
}

TavrinError::TavrinError(std::string message, CODE code, std::shared_ptr<const std::exception> next,
                         std::source_location where)
    : TavrinThrowable(std::move(message), code, std::move(next), where) {}

TavrinException::TavrinException(std::string message, CODE code,
                                 std::shared_ptr<const std::exception> next,
                                 std::source_location where)
    : TavrinThrowable(std::move(message), code, std::move(next), where) {}

std::string throwableText(const std::exception& thrown) {
    if (const auto* own = dynamic_cast<const TavrinThrowable*>(&thrown)) {
        return own->toString();
    }
    return thrown.what();
}

} // namespace tavrin::system
