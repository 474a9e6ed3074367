#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <source_location>
#include <string>
#include <string_view>

namespace tavrin::system {

// Codes carried by the application's errors and exceptions; an exception's code is the
// process exit code when it ends the run.
enum class CODE : std::int32_t {
    NONE,
    TAVRIN,
    TAVRIN_USERNAME,
    TAVRIN_PCNAME,
    TAVRIN_MYPATH,
    ITEM,
    ITEM_LINK,
    ITEM_MULTI,
    ITEM_DATE,
    ITEM_DATE_LENGTH,
    ITEM_DATE_SPLIT,
    ITEM_DATE_INFO,
    DATE,
    DATE_DAY,
    DATE_HOUR,
    DATE_MINUTE,
    DATE_MONTH,
    DATE_MONTH_LIST,
    DATE_SECOND,
    DATE_WEEK,
    DATE_WEEKLIST,
    DATE_WEEK_NAME,
    FILE,
    FILE_EXECUTE,
    FILE_EXECUTE_PATH,
    FILE_EXECUTE_FOLDER,
    FILE_EXECUTE_PROPERTY,
    FILE_FOUND,
    FILE_WRITE,
    FILE_READ,
    FILE_CREATE,
    PROCCESS,
    PROCCESS_CREATE,
    GUI,
    GUI_CREATE,
};

// The member name of a code value, or "There is no corresponding enum member name in CODE".
std::string_view codeName(std::int32_t value);

// The common root of the application's errors and exceptions. The cause is shared so that
// copies of a throwable (as catch clauses and the exception dialog make) keep the chain.
class TavrinThrowable : public std::exception {
public:
    using CODE = system::CODE;

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }
    CODE Code() const noexcept { return code_; }
    const std::source_location& where() const noexcept { return where_; }
    const std::shared_ptr<const std::exception>& next() const noexcept { return next_; }

    // "file(line) message[code]", then each chained cause's text after a single LF.
    std::string toString() const;

protected:
    TavrinThrowable(std::string message, CODE code, std::shared_ptr<const std::exception> next,
                    std::source_location where);

private:
    std::string message_;
    CODE code_;
    std::shared_ptr<const std::exception> next_;
    std::source_location where_;
};

// Faults the program does not expect to recover from: broken invariants.
class TavrinError : public TavrinThrowable {
public:
    explicit TavrinError(std::string message, CODE code = CODE::NONE,
                         std::shared_ptr<const std::exception> next = nullptr,
                         std::source_location where = std::source_location::current());
};

// Failures that callers handle: bad input, failed system calls, missing files.
class TavrinException : public TavrinThrowable {
public:
    explicit TavrinException(std::string message, CODE code = CODE::NONE,
                             std::shared_ptr<const std::exception> next = nullptr,
                             std::source_location where = std::source_location::current());
};

// The text of any caught exception: toString for the application's own, what() otherwise.
std::string throwableText(const std::exception& thrown);

} // namespace tavrin::system
