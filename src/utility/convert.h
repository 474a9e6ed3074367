#pragma once

#include <functional>
#include <string>
#include <string_view>

// The conversions the item settings offer: an item ID and a display name derived from an
// address. Texts are UTF-8. Failures raise system::ConvertException with code NONE.
namespace tavrin::utility {

// A conversion from text to text, as a plain function or as a bound operation.
using ConvertFunctionType = std::string (*)(std::string_view);
using ConvertDelegateType = std::function<std::string(std::string_view)>;

// Whether the text can be an item ID: non-empty, no blank, ".", "," or TAB, and a valid
// document address (name characters only, no leading or trailing "/", no "//").
bool isItemId(std::string_view text);

// The last path component without its trailing backslashes and, when the extension is
// shorter than the component, without the extension: the shell's own split.
std::string baseName(std::string_view path);

// The base name when it can be an item ID as it stands, else the base name (or, when that
// is empty, the whole address) without "~:*\?=@$!/;", CR, LF, blank, ".", "," and TAB.
// Raises "ファイルアドレス未入力" for an empty address and "変換文字列長不正" when
// nothing is left.
std::string toItemId(std::string_view address);

// The base name, or the last component itself when the base name is empty. Raises
// "アドレスが未入力" for an empty address.
std::string toItemName(std::string_view address);

} // namespace tavrin::utility
