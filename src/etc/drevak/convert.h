#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/types.h"

namespace drevak {

// The text rules of the document form: names, addresses, line kinds and the value
// encodings of the eight types. Views returned point into the argument.
struct Convert {
    struct DataLine {
        std::string_view address;
        char type;
        std::string_view value;
    };

    static bool isTypeChar(char c) noexcept;
    // Any character except CR, LF, "/", ";" and the type characters.
    static bool isNameChar(char c) noexcept;
    static bool isName(std::string_view name) noexcept;
    static bool isAddress(std::string_view address) noexcept;
    // Shorter than three characters: one component, unsplit. Otherwise split at every "/".
    static std::vector<std::string_view> splitAddress(std::string_view address);
    static bool isComment(std::string_view line) noexcept;
    static bool isDataLine(std::string_view line) noexcept;
    // The line split at its first type character; nothing where it fails isDataLine.
    static std::optional<DataLine> readDataLine(std::string_view line) noexcept;
    // Splits at the first type character; the line must pass isDataLine.
    static DataLine splitDataLine(std::string_view line) noexcept;
    // Comment lines (each beginning with ";") to comment text: first character dropped,
    // joined with CR LF.
    static std::string joinComment(const std::vector<std::string>& commentLines);
    // Comment text to lines, split at CR LF, CR or LF; empty text gives no lines.
    static std::vector<std::string_view> splitComment(std::string_view comment);
    static bool isTSV(std::string_view value) noexcept;
    static std::vector<std::string_view> splitTSV(std::string_view value);
    // Removes every blank and "_".
    static std::string cutSplitChar(std::string_view value);

    // Value text to value. Number errors are std::invalid_argument / std::out_of_range;
    // the others are DrevakException with the texts of the format.
    static Integer toInteger(std::string_view text);
    static real toReal(std::string_view text);
    static std::string toText(std::string_view text); // undoes the escapes
    static Binary toBinary(std::string_view text);
    static std::vector<Integer> toIntegers(std::string_view text);
    static std::vector<real> toReals(std::string_view text);
    static std::vector<std::string> toTexts(std::string_view text);
    static std::vector<Binary> toBinaries(std::string_view text);

    // Value to value text, appended to out (the writer builds one buffer).
    static void append(std::string& out, Integer value);
    static void append(std::string& out, real value);
    static void append(std::string& out, std::string_view value); // escapes; empty is "\e"
    static void append(std::string& out, const Binary& value);
    static void append(std::string& out, const std::vector<Integer>& values);
    static void append(std::string& out, const std::vector<real>& values);
    static void append(std::string& out, const std::vector<std::string>& values);
    static void append(std::string& out, const std::vector<Binary>& values);

    template <typename T> static std::string toString(const T& value) {
        std::string out;
        append(out, value);
        return out;
    }
};

} // namespace drevak
