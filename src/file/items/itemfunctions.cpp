#include "file/items/itemfunctions.h"

#include <memory>
#include <string_view>

#include "file/items/itemreferences.h"
#include "shell/path.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/environment.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;
using image::ICONSIZE;
using image::SYSICON;
using shell::isFolder;
using system::toUtf8;
using system::toWide;
using utility::addBackslash;
using utility::expandEnvironment;
using utility::parentFolder;

std::string withBackslash(const std::string& folder) {
    return toUtf8(addBackslash(toWide(folder)));
}

std::string parentOf(const std::string& path) {
    return toUtf8(parentFolder(toWide(path)));
}

enum class FOUND { NOTHING, FILE, FOLDER };

// What the item functions can use at a path. A path the system cannot tell about (access
// denied, a failed logon, a share out of reach) is as useless to them as a missing one.
FOUND found(const std::string& path) {
    if (path.empty()) {
        return FOUND::NOTHING;
    }
    try {
        return isFolder(toWide(path)) ? FOUND::FOLDER : FOUND::FILE;
    } catch (const system::TavrinFileException&) {
        return FOUND::NOTHING;
    }
}

// The program of a command line: a leading quoted path without its quotes, else the text up
// to the first blank.
std::string programPart(std::string_view address) {
    if (address.starts_with('"')) {
        const std::string_view rest = address.substr(1);
        return std::string(rest.substr(0, rest.find('"')));
    }
    return std::string(address.substr(0, address.find(' ')));
}

std::string uriFolder(const Item& item) {
    const std::string workFolder = item.workFolder();
    switch (found(workFolder)) {
    case FOUND::FOLDER:
        return withBackslash(workFolder);
    case FOUND::FILE:
        return parentOf(workFolder);
    case FOUND::NOTHING:
        break;
    }
    const std::string address = item.uriAddress();
    if (found(address) != FOUND::NOTHING) {
        return parentOf(address);
    }
    const std::string parent = parentOf(programPart(address));
    return found(parent) == FOUND::FOLDER ? withBackslash(parent) : std::string();
}

bool exists(const std::string& path) {
    return found(path) != FOUND::NOTHING;
}

} // namespace

std::string workFolderOf(const Item& item) {
    switch (item.type()) {
    case TYPE::NORMAL:
        if (!item.workFolder().empty()) {
            return withBackslash(item.workFolder());
        }
        return parentOf(item.fileAddress());
    case TYPE::URI:
    case TYPE::MULTI:
        return withBackslash(item.workFolder());
    case TYPE::LINK:
        break;
    }
    return workFolderOf(*followLinks(item));
}

std::string itemFolder(const Item& item) {
    switch (item.type()) {
    case TYPE::NORMAL:
        return parentOf(item.fileAddress());
    case TYPE::URI:
        return uriFolder(item);
    case TYPE::MULTI:
        return found(item.workFolder()) == FOUND::FOLDER ? withBackslash(item.workFolder())
                                                         : std::string();
    case TYPE::LINK:
        break;
    }
    return itemFolder(*followLinks(item));
}

bool isUsable(const Item& item) {
    switch (item.type()) {
    case TYPE::NORMAL:
        return exists(expandEnvironment(item.fileAddress()));
    case TYPE::URI:
        return true;
    case TYPE::MULTI:
        return !item.multiAddresses().empty();
    case TYPE::LINK:
        break;
    }
    return isUsable(*followLinks(item));
}

image::Icon kindIcon(ICONSIZE size, TYPE type) {
    switch (type) {
    case TYPE::URI:
        return image::GetSystemIcon(size, SYSICON::URI);
    case TYPE::MULTI:
        return image::GetSystemIcon(size, SYSICON::MULTI);
    case TYPE::NORMAL:
    case TYPE::LINK:
        break;
    }
    return image::GetSystemIcon(size, SYSICON::EXCLAMATION);
}

IconSource iconSource(const Item& item) {
    if (item.type() == TYPE::LINK) {
        return iconSource(*followLinks(item));
    }
    return {item.type(), item.iconAddress(), item.fileAddress(), item.iconIndex()};
}

std::string IconSource::key() const {
    return std::to_string(static_cast<int>(type)) + '\n' + iconAddress + '\n' + fileAddress + '\n' +
           std::to_string(iconIndex);
}

image::Icon sourceIcon(ICONSIZE size, const IconSource& source) {
    std::string file = expandEnvironment(source.iconAddress);
    if (!exists(file)) {
        file = source.type == TYPE::NORMAL ? expandEnvironment(source.fileAddress) : "";
    }
    if (exists(file)) {
        try {
            return image::GetFileIcon(size, toWide(file), static_cast<int>(source.iconIndex));
        } catch (const system::TavrinException&) {
            // The shell may refuse a file it can see, or the file may have gone since: the
            // item can still be started, so only its picture falls back.
        }
    }
    return kindIcon(size, source.type);
}

image::Icon itemIcon(ICONSIZE size, const Item& item) {
    return sourceIcon(size, iconSource(item));
}

std::string itemIconKey(const Item& item) {
    return iconSource(item).key();
}

} // namespace tavrin::file
