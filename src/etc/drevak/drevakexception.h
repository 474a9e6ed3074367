#pragma once

#include <exception>
#include <source_location>
#include <string>

namespace drevak {

// Every misuse of the tree-document library raises this. what() carries the raising
// source position in front of the text; text() is the bare text for users.
class DrevakException : public std::exception {
public:
    explicit DrevakException(std::string text,
                             std::source_location where = std::source_location::current());

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
    std::string message_;
};

} // namespace drevak
