#include "file/items/itemfill.h"

#include <cwctype>

#include "shell/path.h"
#include "shell/shortcut.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/convert.h"
#include "utility/environment.h"
#include "utility/itemkey.h"
#include "utility/pathrules.h"

namespace tavrin::file {
namespace {

using system::toUtf8;
using system::toWide;

// The key letter of the text when it is one of the letters a key can be; otherwise the key
// stays as it was, as a letter of another script cannot be stored.
void keyFrom(ItemEditor& editor, std::string_view text) {
    const wchar_t letter = utility::toItemKey(text);
    if (letter >= L'A' && letter <= L'Z') {
        editor.key = letter;
    }
}

bool isShortcut(const std::string& path) {
    const std::wstring extension = utility::extension(toWide(path));
    return extension.size() == 3 && std::towlower(extension[0]) == L'l' &&
           std::towlower(extension[1]) == L'n' && std::towlower(extension[2]) == L'k';
}

} // namespace

PathKind probePath(std::string_view path) {
    try {
        return shell::isFolder(toWide(utility::expandEnvironment(path))) ? PathKind::FOLDER
                                                                         : PathKind::FILE;
    } catch (const system::TavrinFileException&) {
        return PathKind::MISSING;
    }
}

ShortcutFacts readShortcut(const std::string& path) {
    // A dropped shortcut: no search for a moved target, no window in the middle of a drop.
    shell::Shortcut shortcut(shell::QUIET_RESOLVE);
    shortcut.load(toWide(path));
    const shell::Shortcut::IconLocation icon = shortcut.iconLocation();
    return {toUtf8(shortcut.path()),
            toUtf8(shortcut.workingDirectory()),
            toUtf8(shortcut.arguments()),
            toUtf8(icon.path),
            icon.index,
            shortcut.showCommand(),
            toUtf8(shortcut.description())};
}

void fillFromAddress(ItemEditor& editor) {
    const std::string address = editor.address;
    if (probePath(address) == PathKind::MISSING) {
        throw system::ItemSetException("とりあえずアドレス無効っぽいんで処理しない," + address);
    }
    ItemEditor filled = editor;
    filled.option.clear();
    filled.id = utility::toItemId(address);
    filled.name = utility::toItemName(address);
    filled.workFolder = toUtf8(utility::parentFolder(toWide(address)));
    filled.iconAddress = address;
    filled.iconIndex = 0;
    keyFrom(filled, filled.name);
    editor = std::move(filled);
}

void fillFromShortcut(ItemEditor& editor, const ShortcutFacts& facts,
                      const std::string& shortcutPath, bool keepId) {
    ItemEditor filled = editor;
    filled.type = Item::TYPE::NORMAL;
    filled.name = utility::baseName(shortcutPath);
    filled.address = facts.path;
    filled.workFolder = facts.workingDirectory;
    filled.option = facts.arguments;
    filled.iconAddress = facts.iconPath;
    filled.iconIndex = facts.iconIndex;
    filled.show = facts.showCommand;
    filled.comment = facts.description;
    if (!keepId) {
        filled.id = utility::toItemId(shortcutPath);
    }
    keyFrom(filled, filled.name);
    editor = std::move(filled);
}

void dropFiles(ItemEditor& editor, const std::vector<std::string>& files, bool readShortcuts,
               bool keepId) {
    if (files.size() != 1) {
        throw system::ItemSetException("ファイルは一つだけ");
    }
    const std::string& file = files.front();
    if (probePath(file) == PathKind::MISSING) {
        throw system::ItemSetException(file + "は存在しない");
    }
    if (readShortcuts && isShortcut(file)) {
        fillFromShortcut(editor, readShortcut(file), file, keepId);
        return;
    }
    ItemEditor dropped = editor;
    dropped.type = Item::TYPE::NORMAL;
    dropped.address = file;
    const std::string id = editor.id;
    fillFromAddress(dropped);
    if (keepId) {
        dropped.id = id;
    }
    editor = std::move(dropped);
}

} // namespace tavrin::file
