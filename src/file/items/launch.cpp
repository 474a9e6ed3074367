#include "file/items/launch.h"

#include <memory>
#include <optional>
#include <string>

#include "file/items/itemfunctions.h"
#include "file/items/itemreferences.h"
#include "shell/commandline.h"
#include "shell/linereader.h"
#include "shell/path.h"
#include "system/caughtcause.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/environment.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;
using shell::ExecuteFile;
using shell::ExecuteFolder;
using shell::FOLDER;
using shell::isFolder;
using system::caughtCause;
using system::toWide;
using utility::expandEnvironment;

enum class FOUND { NOTHING, FILE, FOLDER };

FOUND found(std::string_view path) {
    try {
        return isFolder(toWide(path)) ? FOUND::FOLDER : FOUND::FILE;
    } catch (const system::TavrinFileException&) {
        return FOUND::NOTHING;
    }
}

bool isExistingFolder(std::string_view path) {
    return found(path) == FOUND::FOLDER;
}

// The program a path or address starts: an existing file or folder itself, else the program
// of the command line it is.
std::wstring programOf(const std::string& address) {
    const std::string path = expandEnvironment(address);
    return toWide(found(path) != FOUND::NOTHING ? path : shell::splitCommandLine(path, "").file);
}

shell::LINE_READER readerOf(const Item& item) {
    switch (item.type()) {
    case TYPE::NORMAL:
        return shell::lineReaderOf(programOf(item.fileAddress()));
    case TYPE::URI:
        return shell::lineReaderOf(programOf(item.uriAddress()));
    case TYPE::MULTI:
        for (const std::string& id : item.multiAddresses()) {
            if (readerOf(Item(id, item.items())) == shell::LINE_READER::CMD) {
                return shell::LINE_READER::CMD;
            }
        }
        return shell::LINE_READER::RUNTIME;
    case TYPE::LINK:
        return readerOf(*followLinks(item));
    }
    return shell::LINE_READER::RUNTIME;
}

// The folder as the one argument of the folder program, quoted as it always was, and read
// back whole even with its trailing backslash.
std::string folderArgument(const Item& folderProgram, std::string_view folder) {
    if (readerOf(folderProgram) == shell::LINE_READER::CMD) {
        if (std::optional<std::string> argument = shell::cmdArgument(folder)) {
            return *argument;
        }
    }
    return shell::runtimeArgument(folder, true);
}

class Dispatch {
public:
    // folderAsked: the folder this start hands to the folder program, or null for any other
    // start. The folder program is handed one folder once: a folder it meets in its own start
    // (its own address, or a member's) stands for the folder asked for, which is opened.
    Dispatch(const LaunchSettings& settings, const std::string* folderAsked)
        : settings_(settings), folderAsked_(folderAsked) {}

    void start(const Item& item, const OverrideInfo* override) {
        switch (item.type()) {
        case TYPE::NORMAL:
            startPath(item, item.fileAddress(), override);
            return;
        case TYPE::URI:
            startPath(item, item.uriAddress(), override);
            return;
        case TYPE::MULTI:
            for (const std::string& id : item.multiAddresses()) {
                start(Item(id, item.items()), override);
            }
            return;
        case TYPE::LINK:
            start(*followLinks(item), override);
            return;
        }
    }

private:
    void startPath(const Item& item, const std::string& address, const OverrideInfo* override) {
        std::string workFolder = workFolderOf(item);
        std::string options = item.option();
        int show = static_cast<int>(item.show());
        if (override != nullptr) {
            if ((override->mask & OverrideInfo::WORK_FOLDER) != 0) {
                workFolder = override->workFolder;
            }
            if ((override->mask & OverrideInfo::OPTION) != 0) {
                options = override->option;
            }
            if ((override->mask & OverrideInfo::SHOW) != 0) {
                show = override->show;
            }
        }
        const std::string path = expandEnvironment(address);
        workFolder = expandEnvironment(workFolder);
        if (!isExistingFolder(path)) {
            ExecuteFile(nullptr, path, options, workFolder, show,
                        settings_.folder == FOLDER::EXPLORE);
            return;
        }
        if (folderAsked_ != nullptr) {
            ExecuteFolder(FOLDER::OPEN, *folderAsked_, show);
            return;
        }
        if (settings_.folder == FOLDER::PROGRAM && settings_.folderProgram != nullptr) {
            checkItemLoops(*settings_.folderProgram);
            const OverrideInfo folderOverride{
                OverrideInfo::WORK_FOLDER | OverrideInfo::OPTION | OverrideInfo::SHOW, workFolder,
                folderArgument(*settings_.folderProgram, path), show};
            Dispatch(settings_, &path).start(*settings_.folderProgram, &folderOverride);
            return;
        }
        const FOLDER mode = settings_.folder == FOLDER::EXPLORE ? FOLDER::EXPLORE : FOLDER::OPEN;
        ExecuteFolder(mode, path, show);
    }

    const LaunchSettings& settings_;
    const std::string* const folderAsked_;
};

// executeItem, for the folder program too when it is handed folderAsked.
void startItem(Item& item, const OverrideInfo* override, const LaunchSettings& settings,
               const std::string* folderAsked) {
    try {
        checkItemLoops(item);
        Dispatch(settings, folderAsked).start(item, override);
        item.setLastUsed(ItemDateTime());
        item.setUseCount(item.useCount() + 1);
    } catch (const std::exception& failure) {
        throw system::TavrinException("アイテム(" + item.id() + ")実行例外", system::CODE::NONE,
                                      caughtCause(failure));
    }
}

} // namespace

shell::LINE_READER lineReaderOf(const Item& item) {
    checkItemLoops(item);
    return readerOf(item);
}

void executeItem(Item& item, const OverrideInfo* override, const LaunchSettings& settings) {
    startItem(item, override, settings, nullptr);
}

void executeBarePath(std::string_view path, const LaunchSettings& settings) {
    if (isExistingFolder(path)) {
        if (settings.folder == FOLDER::PROGRAM && settings.folderProgram != nullptr) {
            const OverrideInfo override{OverrideInfo::OPTION | OverrideInfo::SHOW, "",
                                        folderArgument(*settings.folderProgram, path),
                                        SW_SHOWNORMAL};
            const std::string folder(path);
            startItem(*settings.folderProgram, &override, settings, &folder);
            return;
        }
        ExecuteFolder(settings.folder == FOLDER::EXPLORE ? FOLDER::EXPLORE : FOLDER::OPEN, path,
                      SW_SHOWNORMAL);
        return;
    }
    ExecuteFile(nullptr, path, "", "", SW_SHOWNORMAL, settings.folder == FOLDER::EXPLORE);
}

} // namespace tavrin::file
