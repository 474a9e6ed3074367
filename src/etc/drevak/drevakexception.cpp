#include "etc/drevak/drevakexception.h"

namespace drevak {

DrevakException::DrevakException(std::string text, std::source_location where)
    : text_(std::move(text)) {
    message_ = std::string(where.file_name()) + "(" + std::to_string(where.line()) + "): " + text_;
}

} // namespace drevak
