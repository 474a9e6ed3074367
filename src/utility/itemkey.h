#pragma once

#include <string_view>

namespace tavrin::utility {

// The first letter of the text (any script's, as the system classifies letters) in upper
// case: "7zip" gives 'Z', "éclair" gives 'É'. Raises system::ConvertException
// "キーの元となる文字列が未入力" for an empty text and the text followed by
// "には変換可能文字無し" when it holds no letter.
wchar_t toItemKey(std::string_view text);

} // namespace tavrin::utility
