#include <gtest/gtest.h>

#include <concepts>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "system/tavrinerrors.h"
#include "system/timer.h"

namespace tavrin::system {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find('\n', from);
        result.push_back(text.substr(from, end - from));
        if (end == std::string::npos) {
            return result;
        }
        from = end + 1;
    }
}

std::string here() {
    return std::source_location::current().file_name();
}

TEST(Code, NamesEveryMemberAndRefusesValuesOutsideTheList) {
    EXPECT_EQ(codeName(0), "NONE");
    EXPECT_EQ(codeName(4), "TAVRIN_MYPATH");
    EXPECT_EQ(codeName(16), "DATE_MONTH");
    EXPECT_EQ(codeName(31), "PROCCESS");
    EXPECT_EQ(codeName(34), "GUI_CREATE");
    EXPECT_EQ(static_cast<int>(CODE::FILE_EXECUTE_FOLDER), 25);
    EXPECT_EQ(codeName(35), "There is no corresponding enum member name in CODE");
    EXPECT_EQ(codeName(-1), "There is no corresponding enum member name in CODE");
}

TEST(TavrinThrowable, TextIsFileLineMessageDecimalCodeAndTimeStamp) {
    const int line = __LINE__ + 1;
    const TavrinException exception("月の値が不正(13)", CODE::DATE_MONTH);
    EXPECT_EQ(exception.toString(), here() + "(" + std::to_string(line) +
                                        ") 月の値が不正(13)[16] " +
                                        ThrowableTime(exception.timeStamp()).toString());
    EXPECT_TRUE(std::regex_search(exception.toString(),
                                  std::regex(R"(\[16\] \d{4}/\d\d/\d\d \d\d:\d\d:\d\d\.\d{3}$)")));
    EXPECT_STREQ(exception.what(), "月の値が不正(13)");
    EXPECT_EQ(exception.Code(), CODE::DATE_MONTH);

    const TavrinError error("壊れた");
    EXPECT_EQ(error.Code(), CODE::NONE);
    EXPECT_NE(error.toString().find(") 壊れた[0] "), std::string::npos);
    EXPECT_EQ(lines(error.toString()).size(), 1u);
}

TEST(TavrinThrowable, RefusedMonthReadsAsOneLineFromTheDateTimeSource) {
    DateTime time(2008, 1, 2, 9, 5, 3, 7);
    try {
        time.setMonth(13);
        FAIL() << "month 13 accepted";
    } catch (const TavrinException& refused) {
        EXPECT_EQ(refused.className(), "tavrin::system::DateTimeException");
        EXPECT_EQ(codeName(static_cast<std::int32_t>(refused.Code())), "DATE_MONTH");
        const std::string file = refused.where().file_name();
        EXPECT_TRUE(file.ends_with("timer.cpp")) << file;
        EXPECT_TRUE(refused.toString().starts_with(
            file + "(" + std::to_string(refused.where().line()) + ") 月の値が不正(13)[16] "));
        EXPECT_EQ(lines(refused.toString()).size(), 1u);
    }
}

TEST(TavrinThrowable, ChainedCausesFollowEachAfterOneLineFeed) {
    const auto bottom = std::make_shared<std::runtime_error>("open failed");
    const auto middle =
        std::make_shared<TavrinFileException>("ファイル実行例外", CODE::FILE, bottom);
    const ItemException top("アイテム(a)実行例外", CODE::ITEM, middle);

    const std::vector<std::string> text = lines(top.toString());
    ASSERT_EQ(text.size(), 3u);
    EXPECT_NE(text[0].find(") アイテム(a)実行例外[5] "), std::string::npos);
    EXPECT_EQ(text[1], lines(middle->toString())[0]);
    EXPECT_NE(text[1].find(") ファイル実行例外[22] "), std::string::npos);
    EXPECT_EQ(text[2], "open failed");
    EXPECT_EQ(throwableText(top), top.toString());
    EXPECT_EQ(throwableText(*bottom), "open failed");
    EXPECT_EQ(top.next(), middle);
}

TEST(TavrinThrowable, ThreeFamilyCausesGiveThreeLinesEachWithItsOwnStamp) {
    const auto first = std::make_shared<TavrinError>("1");
    const auto second = std::make_shared<TvWindowException>("2", CODE::GUI, first);
    const SettingError third("3", CODE::NONE, second);
    const std::vector<std::string> text = lines(third.toString());
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[0], lines(third.toString())[0]);
    EXPECT_NE(text[0].find(") 3[0] "), std::string::npos);
    EXPECT_EQ(text[1], lines(second->toString())[0]);
    EXPECT_EQ(text[2], first->toString());
}

TEST(TavrinThrowable, TimeStampIsTakenAtConstruction) {
    const std::int64_t before = currentTimeValue();
    const TavrinException exception("x");
    const std::int64_t after = currentTimeValue();
    EXPECT_LE(before, exception.timeStamp());
    EXPECT_LE(exception.timeStamp(), after);

    const std::string text = exception.toString();
    while (currentTimeValue() <= exception.timeStamp()) {
        // Let the clock move on: printing later must still show the construction time.
    }
    EXPECT_EQ(exception.toString(), text);
    try {
        throw exception;
    } catch (const TavrinException& thrown) {
        EXPECT_EQ(thrown.timeStamp(), exception.timeStamp());
    }
}

TEST(TavrinThrowable, MessagesFromObjectsAndUtf16Text) {
    const DateTime time(2008, 1, 2, 9, 5, 3, 7);
    EXPECT_EQ(DateTimeException(time, CODE::DATE).message(), "2008/1/2(水) 9:5:3.7");

    EXPECT_EQ(ComException(std::wstring(L"ファイル")).message(), "ファイル");
    EXPECT_EQ(ComException(std::wstring_view(L"a\U0001F600b")).message(), "a\xF0\x9F\x98\x80"
                                                                          "b");
    const std::wstring broken{L'x', static_cast<wchar_t>(0xD800), L'y',
                              static_cast<wchar_t>(0xDC00)};
    EXPECT_EQ(ShortcutError(broken).message(), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
    EXPECT_EQ(ShortcutError(std::wstring_view()).message(), "");

    const int line = __LINE__ + 1;
    const FilterException fromText(L"フィルタ", CODE::NONE);
    EXPECT_EQ(fromText.where().line(), static_cast<std::uint_least32_t>(line));
    EXPECT_EQ(here(), fromText.where().file_name());
}

TEST(TavrinThrowable, AreaClassesTakeTheCallersPosition) {
    const int line = __LINE__ + 1;
    const ItemDataException exception("x");
    EXPECT_EQ(exception.where().line(), static_cast<std::uint_least32_t>(line));
    EXPECT_EQ(here(), exception.where().file_name());
}

#define EXPECT_PAIR(AREA, BASE)                                                                    \
    static_assert(std::derived_from<AREA##Error, BASE##Error>);                                    \
    static_assert(std::derived_from<AREA##Exception, BASE##Exception>);                            \
    static_assert(!std::derived_from<AREA##Exception, TavrinError>);                               \
    static_assert(!std::derived_from<AREA##Error, TavrinException>)

EXPECT_PAIR(Item, Tavrin);
EXPECT_PAIR(TvGui, Tavrin);
EXPECT_PAIR(DateTime, Tavrin);
EXPECT_PAIR(Draw, Tavrin);
EXPECT_PAIR(Data, Tavrin);
EXPECT_PAIR(KeyBoard, Tavrin);
EXPECT_PAIR(ItemSet, Tavrin);
EXPECT_PAIR(DropFile, Tavrin);
EXPECT_PAIR(TavrinPath, Tavrin);
EXPECT_PAIR(SystemDialog, Tavrin);
EXPECT_PAIR(ClipBoard, Tavrin);
EXPECT_PAIR(TavrinFile, Tavrin);
EXPECT_PAIR(TavrinLayout, Tavrin);
EXPECT_PAIR(Com, Tavrin);
EXPECT_PAIR(TavrinFolder, TavrinFile);
EXPECT_PAIR(Control, TvGui);
EXPECT_PAIR(Window, TvGui);
EXPECT_PAIR(TavrinGui, TvGui);
EXPECT_PAIR(Menu, TvGui);
EXPECT_PAIR(TaskTray, TvGui);
EXPECT_PAIR(TvWindow, Window);
EXPECT_PAIR(ApplicationData, Data);
EXPECT_PAIR(GroupData, Data);
EXPECT_PAIR(GroupBox, Control);
EXPECT_PAIR(ComboBox, Control);
EXPECT_PAIR(UpDown, Control);
EXPECT_PAIR(Brush, Draw);
EXPECT_PAIR(Cursor, Draw);
EXPECT_PAIR(TavrinPanel, TavrinLayout);
EXPECT_PAIR(Setting, TvWindow);
EXPECT_PAIR(ItemData, Setting);
EXPECT_PAIR(SetData, Setting);
EXPECT_PAIR(Input, TvWindow);
EXPECT_PAIR(Convert, Tavrin);
EXPECT_PAIR(Filter, Tavrin);
EXPECT_PAIR(Shortcut, Com);
static_assert(std::derived_from<TavrinError, TavrinThrowable>);
static_assert(std::derived_from<TavrinException, TavrinThrowable>);

std::string demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 ? name.get() : type.name();
}

template <typename Throwable> void expectClassNameIsTheTypeName() {
    const Throwable thrown("x");
    const TavrinThrowable& root = thrown;
    EXPECT_EQ(root.className(), demangled(typeid(root)));
}

template <typename... Throwable> void expectClassNamesAreTheTypeNames() {
    (expectClassNameIsTheTypeName<Throwable>(), ...);
}

#define PAIR_TYPES(AREA) AREA##Error, AREA##Exception

TEST(TavrinThrowable, EveryClassAnswersItsFullName) {
    expectClassNamesAreTheTypeNames<
        PAIR_TYPES(Tavrin), PAIR_TYPES(Item), PAIR_TYPES(TvGui), PAIR_TYPES(DateTime),
        PAIR_TYPES(Draw), PAIR_TYPES(Data), PAIR_TYPES(KeyBoard), PAIR_TYPES(ItemSet),
        PAIR_TYPES(DropFile), PAIR_TYPES(TavrinPath), PAIR_TYPES(SystemDialog),
        PAIR_TYPES(ClipBoard), PAIR_TYPES(TavrinFile), PAIR_TYPES(TavrinLayout), PAIR_TYPES(Com),
        PAIR_TYPES(TavrinFolder), PAIR_TYPES(Control), PAIR_TYPES(Window), PAIR_TYPES(TavrinGui),
        PAIR_TYPES(Menu), PAIR_TYPES(TaskTray), PAIR_TYPES(TvWindow), PAIR_TYPES(ApplicationData),
        PAIR_TYPES(GroupData), PAIR_TYPES(GroupBox), PAIR_TYPES(ComboBox), PAIR_TYPES(UpDown),
        PAIR_TYPES(Brush), PAIR_TYPES(Cursor), PAIR_TYPES(TavrinPanel), PAIR_TYPES(Setting),
        PAIR_TYPES(ItemData), PAIR_TYPES(SetData), PAIR_TYPES(Input), PAIR_TYPES(Convert),
        PAIR_TYPES(Filter), PAIR_TYPES(Shortcut)>();
    EXPECT_EQ(TavrinFolderException("x").className(), "tavrin::system::TavrinFolderException");
}

TEST(TavrinThrowable, HandlersCatchByAreaOrRootButNotAcrossTrees) {
    try {
        throw ItemDataException("x", CODE::ITEM);
    } catch (const SettingException& caught) {
        EXPECT_EQ(caught.className(), "tavrin::system::ItemDataException");
    }
    try {
        throw ShortcutError("x");
    } catch (const TavrinException&) {
        FAIL() << "an error caught as an exception";
    } catch (const ComError& caught) {
        EXPECT_EQ(caught.Code(), CODE::NONE);
    }
}

} // namespace
} // namespace tavrin::system
