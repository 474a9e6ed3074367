#pragma once

#include <string_view>

#include "file/items/item.h"
#include "file/items/overrideinfo.h"
#include "shell/argumentline.h"
#include "shell/execute.h"

// Starting items: what the application's execute and executePath do, over the settings they
// need rather than the application, so that each start is told where folders go.
namespace tavrin::file {

struct LaunchSettings {
    // The setting Folder.
    shell::FOLDER folder = shell::FOLDER::OPEN;
    // The item folders are handed to while folder is PROGRAM; without one they are opened.
    Item* folderProgram = nullptr;
};

// Starts the item by its kind, with the stored settings or those of override (may be null):
// a path or address through ExecuteFile or ExecuteFolder, a multi-item's members in list
// order up to the first failure, a link as its target with the link's own settings. Then
// records the start on the item itself (the link for a link, the multi-item, not its
// members). Loops among links and multi-items are refused before anything starts, the
// folder program's included. A folder goes to the folder program once: should the folder
// program's own start meet a folder (it is, or lists, a folder), the folder asked for is
// opened with the verb "open" instead. Raises TavrinException "アイテム(id)実行例外" (NONE) with
// the failure as its cause; the history is then left alone.
void executeItem(Item& item, const OverrideInfo* override, const LaunchSettings& settings);

// How the program that starting the item runs reads the options handed to it: cmd.exe's rules
// when it, or any member of a multi-item, is a batch file, cmd itself or runs through cmd;
// the C runtimes' rules otherwise, a folder's too (its start takes no options). Raises
// TavrinException for a loop among links and multi-items.
shell::LINE_READER lineReaderOf(const Item& item);

// Starts or opens a bare path as it stands: a folder the way settings say (the folder
// program's history counts the start, and the folder goes to it once, as for an item),
// anything else through ExecuteFile.
void executeBarePath(std::string_view path, const LaunchSettings& settings);

} // namespace tavrin::file
