#include "etc/drevak/convert.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>

#include "etc/drevak/drevakexception.h"

namespace drevak {
namespace {

constexpr char TAB = '\t';
constexpr std::string_view TYPE_CHARS = ":=*@\\$?!";
constexpr std::string_view SPLIT_CHARS = " _";
constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

struct CharClasses {
    std::array<bool, 256> type{};
    std::array<bool, 256> name{};
};

constexpr CharClasses makeCharClasses() {
    CharClasses classes;
    for (char c : TYPE_CHARS) {
        classes.type[static_cast<unsigned char>(c)] = true;
    }
    for (int c = 0; c < 256; ++c) {
        classes.name[c] = !classes.type[c] && c != '\r' && c != '\n' && c != '/' && c != ';';
    }
    return classes;
}

// Every line of every document passes through these tests: a table keeps them branch-free.
constexpr CharClasses CHAR_CLASSES = makeCharClasses();

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Avoids building a new string for the usual value that holds no blank and no "_".
std::string_view withoutSplitChars(std::string_view text, std::string& scratch) {
    if (text.find_first_of(SPLIT_CHARS) == std::string_view::npos) {
        return text;
    }
    scratch = Convert::cutSplitChar(text);
    return scratch;
}

[[noreturn]] void throwNotANumber(std::string_view typeName, std::string_view text) {
    throw std::invalid_argument("not a decimal " + std::string(typeName) + ": \"" +
                                std::string(text) + "\"");
}

[[noreturn]] void throwOutOfRange(std::string_view typeName, std::string_view text) {
    throw std::out_of_range(std::string(typeName) + " out of range: \"" + std::string(text) + "\"");
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCaseWord) {
    if (text.size() != lowerCaseWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCaseWord[i]) {
            return false;
        }
    }
    return true;
}

// The parts of a decimal floating-point text that passed the grammar check.
struct RealText {
    bool negative = false;
    bool infinite = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0; // saturated far beyond any long double
};

// Accepts [+-] digits [. digits] [(e|E) [+-] digits] with at least one mantissa digit, and
// [+-] inf or infinity in any case, which is what "%Lg" writes for an infinity. Nothing
// else: no hexadecimal form, no NaN words, no white space.
std::optional<RealText> scanReal(std::string_view text) {
    RealText parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    if (equalsIgnoringCase(rest, "inf") || equalsIgnoringCase(rest, "infinity")) {
        parts.infinite = true;
        return parts;
    }
    const auto digitRun = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        return text.substr(start, i - start);
    };
    parts.integerDigits = digitRun();
    if (i < text.size() && text[i] == '.') {
        ++i;
        parts.fractionDigits = digitRun();
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::string_view exponentDigits = digitRun();
        if (exponentDigits.empty()) {
            return std::nullopt;
        }
        constexpr std::int64_t saturation = 1'000'000'000'000'000;
        for (char d : exponentDigits) {
            if (parts.exponent < saturation) {
                parts.exponent = parts.exponent * 10 + (d - '0');
            }
        }
        if (negativeExponent) {
            parts.exponent = -parts.exponent;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return parts;
}

// MinGW's strtold takes time quadratic in the number of digits, so a long mantissa is cut
// down first. No decimal halfway point between two neighbouring 64-bit-mantissa long doubles
// has more than about 11,520 significant digits; keeping this many digits plus one nonzero
// "sticky" digit for a nonzero remainder therefore rounds exactly as the whole text would.
constexpr std::size_t MAX_REAL_DIGITS = 12000;

// The same number as 0.DIGITS e EXPONENT with at most MAX_REAL_DIGITS (+1 sticky) digits.
std::string shortenReal(const RealText& parts) {
    std::string text = parts.negative ? "-0." : "0.";
    std::int64_t pointPosition = static_cast<std::int64_t>(parts.integerDigits.size());
    std::size_t kept = 0;
    bool leadingZeros = true;
    bool sticky = false;
    const auto take = [&](std::string_view digits) {
        for (char d : digits) {
            if (leadingZeros && d == '0') {
                --pointPosition;
                continue;
            }
            leadingZeros = false;
            if (kept < MAX_REAL_DIGITS) {
                text += d;
                ++kept;
            } else if (d != '0') {
                sticky = true;
            }
        }
    };
    take(parts.integerDigits);
    take(parts.fractionDigits);
    if (leadingZeros) {
        return parts.negative ? "-0" : "0";
    }
    if (sticky) {
        text += '1';
    }
    text += 'e';
    text += std::to_string(pointPosition + parts.exponent);
    return text;
}

real parseReal(std::string_view original) {
    std::string scratch;
    const std::string_view text = withoutSplitChars(original, scratch);
    if (text == "*") {
        return std::numeric_limits<real>::quiet_NaN();
    }
    const std::optional<RealText> parts = scanReal(text);
    if (!parts) {
        throwNotANumber("real", original);
    }
    if (parts->infinite) {
        constexpr real infinity = std::numeric_limits<real>::infinity();
        return parts->negative ? -infinity : infinity;
    }
    const std::string checked =
        text.size() <= MAX_REAL_DIGITS ? std::string(text) : shortenReal(*parts);
    char* end = nullptr;
    errno = 0;
    const real value = std::strtold(checked.c_str(), &end);
    // Stopping early can only mean a C locale with another decimal point: refuse, never guess.
    if (end != checked.c_str() + checked.size()) {
        throwNotANumber("real", original);
    }
    // Underflow to a tiny or zero value is a fair reading of the text; overflow is not.
    if (errno == ERANGE && std::isinf(value)) {
        throwOutOfRange("real", original);
    }
    return value;
}

Integer parseInteger(std::string_view original) {
    std::string scratch;
    const std::string_view text = withoutSplitChars(original, scratch);
    if (text == "*") {
        return UNSET_INTEGER;
    }
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) {
        throwNotANumber("Integer", original);
    }
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<Integer>::max()};
    std::uint64_t magnitude = 0;
    bool overflow = false;
    // The whole text is checked before overflow is reported, so that "99999999999x" is
    // called what it is: not a number.
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            throwNotANumber("Integer", original);
        }
        if (!overflow) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[i] - '0');
            overflow = magnitude > limit;
        }
    }
    if (overflow) {
        throwOutOfRange("Integer", original);
    }
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return static_cast<Integer>(negative ? -signedMagnitude : signedMagnitude);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

Binary parseBinary(std::string_view original) {
    std::string scratch;
    const std::string_view text = withoutSplitChars(original, scratch);
    if (text == "*") {
        return {};
    }
    if (text.size() % 2 != 0) {
        throw DrevakException("大佐！ 「" + std::string(text) + "」が偶数じゃありません！");
    }
    Binary bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            throw DrevakException("大佐！ 「" + std::string(text.substr(2 * i, 2)) +
                                  "」が不正と思われます！");
        }
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return bytes;
}

template <typename Element, typename Parse>
std::vector<Element> parseArray(std::string_view text, Parse parse) {
    if (!Convert::isTSV(text)) {
        throw DrevakException("TSV変換不可(" + std::string(text) + ")");
    }
    std::vector<Element> values;
    values.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), TAB)) + 1);
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = text.find(TAB, start);
        values.push_back(parse(text.substr(start, tab - start)));
        if (tab == std::string_view::npos) {
            return values;
        }
        start = tab + 1;
    }
}

template <typename Element> void appendArray(std::string& out, const std::vector<Element>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != 0) {
            out += TAB;
        }
        Convert::append(out, values[i]);
    }
}

} // namespace

bool Convert::isTypeChar(char c) noexcept {
    return CHAR_CLASSES.type[static_cast<unsigned char>(c)];
}

bool Convert::isNameChar(char c) noexcept {
    return CHAR_CLASSES.name[static_cast<unsigned char>(c)];
}

bool Convert::isName(std::string_view name) noexcept {
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        if (!isNameChar(c)) {
            return false;
        }
    }
    return true;
}

bool Convert::isAddress(std::string_view address) noexcept {
    return !address.empty() && !isComment(address) && address.front() != '/' &&
           address.back() != '/' && address.find("//") == std::string_view::npos;
}

std::vector<std::string_view> Convert::splitAddress(std::string_view address) {
    if (address.size() < 3) {
        return {address};
    }
    std::vector<std::string_view> components;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = address.find('/', start);
        components.push_back(address.substr(start, slash - start));
        if (slash == std::string_view::npos) {
            return components;
        }
        start = slash + 1;
    }
}

bool Convert::isComment(std::string_view line) noexcept {
    return !line.empty() && line.front() == ';';
}

bool Convert::isDataLine(std::string_view line) noexcept {
    return readDataLine(line).has_value();
}

std::optional<Convert::DataLine> Convert::readDataLine(std::string_view line) noexcept {
    if (line.size() < 3 || !isNameChar(line[0])) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < line.size(); ++i) {
        const char c = line[i];
        if (isTypeChar(c)) {
            if (line[i - 1] == '/' || i + 1 == line.size()) {
                return std::nullopt;
            }
            return DataLine{line.substr(0, i), c, line.substr(i + 1)};
        }
        if (c == '/' && line[i - 1] == '/') {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Convert::DataLine Convert::splitDataLine(std::string_view line) noexcept {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (isTypeChar(line[i])) {
            return {line.substr(0, i), line[i], line.substr(i + 1)};
        }
    }
    return {line, '\0', {}};
}

std::string Convert::joinComment(const std::vector<std::string>& commentLines) {
    std::string comment;
    for (std::size_t i = 0; i < commentLines.size(); ++i) {
        if (i != 0) {
            comment += "\r\n";
        }
        if (!commentLines[i].empty()) {
            comment.append(commentLines[i], 1);
        }
    }
    return comment;
}

std::vector<std::string_view> Convert::splitComment(std::string_view comment) {
    std::vector<std::string_view> lines;
    if (comment.empty()) {
        return lines;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < comment.size(); ++i) {
        const char c = comment[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        lines.push_back(comment.substr(start, i - start));
        if (c == '\r' && i + 1 < comment.size() && comment[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    lines.push_back(comment.substr(start));
    return lines;
}

bool Convert::isTSV(std::string_view value) noexcept {
    return !value.empty() && value.front() != TAB && value.back() != TAB &&
           value.find("\t\t") == std::string_view::npos;
}

std::vector<std::string_view> Convert::splitTSV(std::string_view value) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = value.find(TAB, start);
        fields.push_back(value.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

std::string Convert::cutSplitChar(std::string_view value) {
    std::string cut;
    cut.reserve(value.size());
    for (char c : value) {
        if (SPLIT_CHARS.find(c) == std::string_view::npos) {
            cut += c;
        }
    }
    return cut;
}

Integer Convert::toInteger(std::string_view text) {
    return parseInteger(text);
}

real Convert::toReal(std::string_view text) {
    return parseReal(text);
}

std::string Convert::toText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    std::size_t start = 0;
    for (;;) {
        const std::size_t backslash = text.find('\\', start);
        plain.append(text.substr(start, backslash - start));
        if (backslash == std::string_view::npos) {
            return plain;
        }
        if (backslash + 1 == text.size()) {
            plain += '\\';
            return plain;
        }
        switch (const char escaped = text[backslash + 1]) {
        case 't':
            plain += TAB;
            break;
        case 'r':
            plain += '\r';
            break;
        case 'n':
            plain += '\n';
            break;
        case 'e':
            break;
        default:
            plain += escaped;
            break;
        }
        start = backslash + 2;
    }
}

Binary Convert::toBinary(std::string_view text) {
    return parseBinary(text);
}

std::vector<Integer> Convert::toIntegers(std::string_view text) {
    return parseArray<Integer>(text, parseInteger);
}

std::vector<real> Convert::toReals(std::string_view text) {
    return parseArray<real>(text, parseReal);
}

std::vector<std::string> Convert::toTexts(std::string_view text) {
    return parseArray<std::string>(text, toText);
}

std::vector<Binary> Convert::toBinaries(std::string_view text) {
    return parseArray<Binary>(text, parseBinary);
}

void Convert::append(std::string& out, Integer value) {
    if (value == UNSET_INTEGER) {
        out += '*';
        return;
    }
    char digits[16];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, written.ptr);
}

void Convert::append(std::string& out, real value) {
    if (std::isnan(value)) {
        out += '*';
        return;
    }
    // Six significant digits, the same on every platform (MinGW builds with its own printf).
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%Lg", value);
    out.append(text, static_cast<std::size_t>(length));
}

void Convert::append(std::string& out, std::string_view value) {
    if (value.empty()) {
        out += "\\e";
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char escaped;
        switch (value[i]) {
        case '\\':
            escaped = '\\';
            break;
        case TAB:
            escaped = 't';
            break;
        case '\r':
            escaped = 'r';
            break;
        case '\n':
            escaped = 'n';
            break;
        default:
            continue;
        }
        out.append(value.substr(start, i - start));
        out += '\\';
        out += escaped;
        start = i + 1;
    }
    out.append(value.substr(start));
}

void Convert::append(std::string& out, const Binary& value) {
    if (value.empty()) {
        out += '*';
        return;
    }
    const std::size_t count = value.size();
    const std::size_t start = out.size();
    out.resize(start + 2 * count + count / 8);
    char* p = out.data() + start;
    for (std::size_t i = 1; i <= count; ++i) {
        const std::uint8_t byte = value[i - 1];
        *p++ = HEX_DIGITS[byte >> 4];
        *p++ = HEX_DIGITS[byte & 0x0F];
        if (i % 8 == 0) {
            *p++ = i % 16 == 8 ? '_' : ' ';
        }
    }
}

void Convert::append(std::string& out, const std::vector<Integer>& values) {
    appendArray(out, values);
}

void Convert::append(std::string& out, const std::vector<real>& values) {
    appendArray(out, values);
}

void Convert::append(std::string& out, const std::vector<std::string>& values) {
    appendArray(out, values);
}

void Convert::append(std::string& out, const std::vector<Binary>& values) {
    appendArray(out, values);
}

} // namespace drevak
