#pragma once

#include <string>
#include <vector>

#include "file/items/itemeditor.h"
#include "file/items/itemvalidation.h"

// Filling an item's editor from a path: the address the user typed, a dropped file or a
// dropped shell shortcut. Each raises before it changes anything, so a refused fill leaves the
// edit as it was.
namespace tavrin::file {

// What a shell shortcut says about its target.
struct ShortcutFacts {
    std::string path;
    std::string workingDirectory;
    std::string arguments;
    std::string iconPath;
    drevak::Integer iconIndex = 0;
    drevak::Integer showCommand = 1;
    std::string description;
};

// The expanded path's kind, asked of the file system.
PathKind probePath(std::string_view path);

// Reads the shortcut file. Raises ShortcutException when the shell cannot.
ShortcutFacts readShortcut(const std::string& path);

// Fills ID, name, work folder, icon and key from the editor's address and clears the
// options. Raises ItemSetException "とりあえずアドレス無効っぽいんで処理しない,<address>"
// when the expanded address names nothing, and the conversions' ConvertException.
void fillFromAddress(ItemEditor& editor);

// Fills the editor from a shortcut's facts. The ID comes from the shortcut file unless
// keepId is set (an existing item whose ID field is not empty).
void fillFromShortcut(ItemEditor& editor, const ShortcutFacts& facts,
                      const std::string& shortcutPath, bool keepId);

// A drop of files onto the editor: exactly one existing file. With readShortcuts set, a
// ".lnk" file fills the editor from the shortcut; anything else becomes the address and fills
// the rest as fillFromAddress. Raises ItemSetException "ファイルは一つだけ" or
// "<path>は存在しない" for other drops.
void dropFiles(ItemEditor& editor, const std::vector<std::string>& files, bool readShortcuts,
               bool keepId);

} // namespace tavrin::file
