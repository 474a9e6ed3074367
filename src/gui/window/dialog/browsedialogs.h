#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "system/win32.h"

// After the Windows headers, on which they build.
#include <commdlg.h>
#include <shlobj.h>

namespace tavrin::gui {

// The system dialogs behind both browse functions, replaceable so that tests can answer for
// a person without a modal system window. The folder call hands out a list the caller frees.
struct BrowseCalls {
    std::function<BOOL(OPENFILENAMEW& request)> openFile;
    std::function<PIDLIST_ABSOLUTE(BROWSEINFOW& request)> browseFolder;
};
BrowseCalls& browseCalls();

// The system's folder-selection dialog owned by owner, for file-system folders only, with an
// edit box: the chosen folder, or none when cancelled. It opens at start when that names an
// existing folder.
std::optional<std::string> browseForFolder(HWND owner, const std::string& start);

// The system's file-open dialog owned by owner, for an existing file, with the program's
// file-type filters: the chosen file, or none when cancelled. It opens in the folder that
// holds start when that path exists, otherwise in the user's documents folder.
std::optional<std::string> browseForFile(HWND owner, const std::string& start);

// The same with the caller's caption (empty: the system's) and filters, in the form of the
// program's file-type filters.
std::optional<std::string> browseForFileWith(HWND owner, const std::string& start,
                                             const std::string& title,
                                             const std::vector<std::vector<std::wstring>>& filters);

} // namespace tavrin::gui
