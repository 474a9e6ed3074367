#pragma once

#include <concepts>
#include <cstdint>
#include <exception>
#include <memory>
#include <source_location>
#include <string>
#include <string_view>
#include <utility>

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

// Objects whose text is their toString(), such as date-time values. Exceptions are not
// among them: one exception goes into another as its chained cause.
template <typename Object>
concept TextObject = !std::derived_from<Object, std::exception> && requires(const Object& object) {
    { object.toString() } -> std::convertible_to<std::string>;
};

// The common root of the application's errors and exceptions. The cause is shared so that
// copies of a throwable (as catch clauses and the exception dialog make) keep the chain.
// Every class of the family answers className() with its C++ name, namespaces included
// ("tavrin::system::ItemException"), the form in which other exceptions' types are shown.
class TavrinThrowable : public std::exception {
public:
    using CODE = system::CODE;

    // The three ways to raise: a message; any object with toString(), whose text becomes
    // the message; UTF-16 text (as the Windows API gives it), converted to UTF-8. The
    // source position is the caller's; the time stamp is taken here.
    explicit TavrinThrowable(std::string message, CODE code = CODE::NONE,
                             std::shared_ptr<const std::exception> next = nullptr,
                             std::source_location where = std::source_location::current());
    template <TextObject Object>
    explicit TavrinThrowable(const Object& object, CODE code = CODE::NONE,
                             std::shared_ptr<const std::exception> next = nullptr,
                             std::source_location where = std::source_location::current())
        : TavrinThrowable(std::string(object.toString()), code, std::move(next), where) {}
    explicit TavrinThrowable(std::wstring_view text, CODE code = CODE::NONE,
                             std::shared_ptr<const std::exception> next = nullptr,
                             std::source_location where = std::source_location::current());

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }
    CODE Code() const noexcept { return code_; }
    const std::source_location& where() const noexcept { return where_; }
    const std::shared_ptr<const std::exception>& next() const noexcept { return next_; }
    // Local time at construction, in milliseconds since 1 January 1970.
    std::int64_t timeStamp() const noexcept { return timeStamp_; }

    virtual std::string_view className() const noexcept = 0;

    // "file(line) message[code] time", the time as a ThrowableTime, then each chained
    // cause's text after a single LF.
    std::string toString() const;

private:
    std::string message_;
    CODE code_;
    std::shared_ptr<const std::exception> next_;
    std::source_location where_;
    std::int64_t timeStamp_;
};

// Faults the program does not expect to recover from: broken invariants.
class TavrinError : public TavrinThrowable {
public:
    using TavrinThrowable::TavrinThrowable;
    std::string_view className() const noexcept override { return "tavrin::system::TavrinError"; }
};

// Failures that callers handle: bad input, failed system calls, missing files.
class TavrinException : public TavrinThrowable {
public:
    using TavrinThrowable::TavrinThrowable;
    std::string_view className() const noexcept override {
        return "tavrin::system::TavrinException";
    }
};

// Declares the error and the exception class of an area, each deriving from its side of the
// base pair (Tavrin for the roots), so that handlers can catch by area or by any ancestor.
#define TAVRIN_THROWABLE_PAIR(AREA, BASE)                                                          \
    class AREA##Error : public BASE##Error {                                                       \
    public:                                                                                        \
        using BASE##Error::BASE##Error;                                                            \
        std::string_view className() const noexcept override {                                     \
            return "tavrin::system::" #AREA "Error";                                               \
        }                                                                                          \
    };                                                                                             \
    class AREA##Exception : public BASE##Exception {                                               \
    public:                                                                                        \
        using BASE##Exception::BASE##Exception;                                                    \
        std::string_view className() const noexcept override {                                     \
            return "tavrin::system::" #AREA "Exception";                                           \
        }                                                                                          \
    }

TAVRIN_THROWABLE_PAIR(Item, Tavrin);
TAVRIN_THROWABLE_PAIR(TvGui, Tavrin);
TAVRIN_THROWABLE_PAIR(DateTime, Tavrin);
TAVRIN_THROWABLE_PAIR(Draw, Tavrin);
TAVRIN_THROWABLE_PAIR(Data, Tavrin);
TAVRIN_THROWABLE_PAIR(KeyBoard, Tavrin);
TAVRIN_THROWABLE_PAIR(ItemSet, Tavrin);
TAVRIN_THROWABLE_PAIR(DropFile, Tavrin);
TAVRIN_THROWABLE_PAIR(TavrinPath, Tavrin);
TAVRIN_THROWABLE_PAIR(SystemDialog, Tavrin);
TAVRIN_THROWABLE_PAIR(ClipBoard, Tavrin);
TAVRIN_THROWABLE_PAIR(TavrinFile, Tavrin);
TAVRIN_THROWABLE_PAIR(TavrinLayout, Tavrin);
TAVRIN_THROWABLE_PAIR(Com, Tavrin);
TAVRIN_THROWABLE_PAIR(TavrinFolder, TavrinFile);
TAVRIN_THROWABLE_PAIR(Control, TvGui);
TAVRIN_THROWABLE_PAIR(Window, TvGui);
TAVRIN_THROWABLE_PAIR(TavrinGui, TvGui);
TAVRIN_THROWABLE_PAIR(Menu, TvGui);
TAVRIN_THROWABLE_PAIR(TaskTray, TvGui);
TAVRIN_THROWABLE_PAIR(TvWindow, Window);
TAVRIN_THROWABLE_PAIR(ApplicationData, Data);
TAVRIN_THROWABLE_PAIR(GroupData, Data);
TAVRIN_THROWABLE_PAIR(GroupBox, Control);
TAVRIN_THROWABLE_PAIR(ComboBox, Control);
TAVRIN_THROWABLE_PAIR(UpDown, Control);
TAVRIN_THROWABLE_PAIR(Brush, Draw);
TAVRIN_THROWABLE_PAIR(Cursor, Draw);
TAVRIN_THROWABLE_PAIR(TavrinPanel, TavrinLayout);
TAVRIN_THROWABLE_PAIR(Setting, TvWindow);
TAVRIN_THROWABLE_PAIR(ItemData, Setting);
TAVRIN_THROWABLE_PAIR(SetData, Setting);
TAVRIN_THROWABLE_PAIR(Input, TvWindow);
// Text conversion and filters, and shortcut files.
TAVRIN_THROWABLE_PAIR(Convert, Tavrin);
TAVRIN_THROWABLE_PAIR(Filter, Tavrin);
TAVRIN_THROWABLE_PAIR(Shortcut, Com);

// The text of any caught exception: toString for the application's own, what() otherwise.
std::string throwableText(const std::exception& thrown);

} // namespace tavrin::system
