#include "system/application.h"

#include <exception>
#include <optional>
#include <utility>

#include "file/items/groupitems.h"
#include "file/items/launch.h"
#include "file/path.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "utility/unicode.h"

namespace tavrin::system {

namespace {

// The setting Folder's value that opens folders with an item of the user's.
constexpr drevak::Integer FOLDER_PROGRAM = 2;

// The icon size settings: 0 small, 1 large.
image::ICONSIZE iconSize(drevak::Integer setting) {
    return setting == 0 ? image::ICONSIZE::SMALL : image::ICONSIZE::LARGE;
}

// Where the start of an item sends folders.
file::LaunchSettings launchSettings(const file::App& settings, file::Item* folderItem) {
    return {static_cast<file::FOLDER>(settings.Folder()), folderItem};
}

} // namespace

Application::Document::Document(std::string filePath)
    : path(std::move(filePath)), loaded(file::LoadOrNewDocument(path)) {
    if (!loaded.saveable()) {
        WriteLog("not loaded, so it will not be saved: %s\r\n%s", path, loaded.failure);
    }
}

Application::Application()
    : appDocument_(StaticData::dataFilePath(StaticData::ApplicationFile())),
      settings_(appDocument_.loaded.document),
      groupsDocument_(StaticData::dataFilePath(StaticData::GroupsFile())),
      mainGroups_(groupsDocument_.loaded.document.childOrNew(file::Main::GROUP)),
      menuGroups_(mainGroups_.menu()),
      itemsDocument_(StaticData::dataFilePath(StaticData::ItemsFile())),
      itemsNode_(itemsDocument_.loaded.document.childOrNew("Item")) {
    if (settings_.Folder() == FOLDER_PROGRAM) {
        try {
            folderItem_ = std::make_unique<file::Item>(settings_.Program(), itemsNode_);
        } catch (const std::exception& failure) {
            WriteLog("folder program not usable, folders open as usual: %s\r\n%s",
                     settings_.Program(), failure);
            settings_.Folder(0);
        }
    }
}

std::vector<file::BM_ITEM> Application::groupItems(std::string_view subGroup,
                                                   std::string_view mainGroup) {
    if (mainGroup.empty()) {
        return file::groupDisplayItems(menuGroups_.childNames(subGroup), itemsNode_,
                                       iconSize(settings_.MenuIcon()), true);
    }
    const std::optional<file::Sub> group = mainGroups_.sub(mainGroup);
    if (!group) {
        return {};
    }
    return file::groupDisplayItems(group->childNames(subGroup), itemsNode_,
                                   iconSize(settings_.ButtonIcon()), true);
}

void Application::execute(file::Item& item, const file::OverrideInfo* override) {
    file::executeItem(item, override, launchSettings(settings_, folderItem_.get()));
}

void Application::executePath(std::string_view path) {
    file::executeBarePath(path, launchSettings(settings_, folderItem_.get()));
}

void Application::selectDefaultGroups() {
    file::Main::Selection first = mainGroups_.firstSelection();
    currentGroup_ = std::move(first.group);
    currentSubGroup_ = std::move(first.subGroup);
    currentMenuGroup_ = menuGroups_.count() == 0 ? std::string() : menuGroups_.name(0);
}

std::vector<Application::Unsaved> Application::save() const {
    file::createFolder(utility::toWide(StaticData::DataFolder()));
    std::vector<Unsaved> unsaved;
    std::exception_ptr firstFailure;
    for (const Document* document : {&appDocument_, &itemsDocument_, &groupsDocument_}) {
        if (!document->loaded.saveable()) {
            unsaved.push_back({document->path, document->loaded.failure});
            continue;
        }
        try {
            file::SaveDocument(document->loaded.document, document->path);
        } catch (const std::exception&) {
            if (!firstFailure) {
                firstFailure = std::current_exception();
            }
        }
    }
    if (firstFailure) {
        std::rethrow_exception(firstFailure);
    }
    return unsaved;
}

} // namespace tavrin::system
