#include "app/application.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "file/items/droppeditems.h"
#include "file/items/groupitems.h"
#include "file/items/launch.h"
#include "file/ownchanges.h"
#include "file/rawfile.h"
#include "system/folder.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/utf16.h"

namespace tavrin::app {

namespace {

using system::StaticData;
using system::WriteLog;

// The setting Folder's value that opens folders with an item of the user's.
constexpr drevak::Integer FOLDER_PROGRAM = 2;

constexpr Application::DOCUMENT writeOrder[] = {Application::DOCUMENT::APPLICATION,
                                                Application::DOCUMENT::ITEMS,
                                                Application::DOCUMENT::GROUPS};

// A data folder deleted while the program ran is made again, parents first.
void createDataFolder() {
    system::createFolder(system::toWide(StaticData::DataFolder()));
}

// Where the start of an item sends folders.
file::LaunchSettings launchSettings(const file::App& settings, file::Item* folderItem) {
    return {static_cast<shell::FOLDER>(settings.Folder()), folderItem};
}

// Enough lines for a person to find the place; a message box does not scroll.
constexpr std::size_t SHOWN_DROPPED_LINES = 10;
constexpr std::size_t SHOWN_LINE_BYTES = 80;

} // namespace

std::string loadFailureWarning(const std::string& failure) {
    // The failure names the file itself.
    return "データファイルを読み込めませんでした。\r\n" + failure +
           "\r\n\r\nこのファイルへの変更は今回の実行では保存されません。";
}

std::string droppedLinesWarning(const std::string& path,
                                const std::vector<file::DroppedLine>& lines) {
    std::string text = "編集されたファイルの次の行を読み込めませんでした。\r\n" + path + "\r\n";
    const std::size_t shown = std::min(lines.size(), SHOWN_DROPPED_LINES);
    for (std::size_t i = 0; i < shown; ++i) {
        const std::string_view line = utility::utf8Prefix(lines[i].line, SHOWN_LINE_BYTES);
        text += "\r\n" + std::to_string(lines[i].lineNumber) + " 行目: " + std::string(line) +
                (line.size() < lines[i].line.size() ? "…" : "") + " (" + lines[i].reason + ")";
    }
    if (lines.size() > shown) {
        text += "\r\nほか " + std::to_string(lines.size() - shown) + " 行";
    }
    return text + "\r\n\r\nこのファイルは直されるまで保存しません。"
                  "直さずに終了すると、これらの行は失われます。";
}

image::ICONSIZE iconSizeOf(drevak::Integer setting) {
    return setting == 0 ? image::ICONSIZE::SMALL : image::ICONSIZE::LARGE;
}

Application::Document::Document(DOCUMENT document, std::string filePath)
    : kind(document), path(std::move(filePath)), loaded(file::LoadOrNewDocument(path)),
      stamp(file::FileStamp::of(path)) {
    if (!loaded.saveable()) {
        WriteLog("not loaded, so it will not be saved: %s\r\n%s", path, loaded.failure);
    }
}

Application::Application()
    : appDocument_(DOCUMENT::APPLICATION, StaticData::dataFilePath(StaticData::ApplicationFile())),
      settings_(appDocument_.loaded.document),
      groupsDocument_(DOCUMENT::GROUPS, StaticData::dataFilePath(StaticData::GroupsFile())),
      mainGroups_(groupsDocument_.loaded.document.childOrNew(file::Main::GROUP)),
      menuGroups_(mainGroups_.menu()),
      itemsDocument_(DOCUMENT::ITEMS, StaticData::dataFilePath(StaticData::ItemsFile())),
      itemsNode_(itemsDocument_.loaded.document.childOrNew("Item")) {
    appWritten_ = appDocument_.loaded.document.toString();
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
                                                   std::string_view mainGroup, bool withIcons) {
    if (mainGroup.empty()) {
        return file::groupDisplayItems(menuGroups_.childNames(subGroup), itemsNode_,
                                       iconSizeOf(settings_.MenuIcon()), withIcons);
    }
    const std::optional<file::Sub> group = mainGroups_.sub(mainGroup);
    if (!group) {
        return {};
    }
    return file::groupDisplayItems(group->childNames(subGroup), itemsNode_,
                                   iconSizeOf(settings_.ButtonIcon()), withIcons);
}

void Application::execute(file::Item& item, const file::OverrideInfo* override) {
    file::executeItem(item, override, launchSettings(settings_, folderItem_.get()));
    markChanged(DOCUMENT::ITEMS);
    if (const std::optional<file::ItemDateTime> lastUse = item.lastUsed()) {
        pendingStarts_.push_back({item.id(), *lastUse});
    }
    // A search not built yet reads the history as it now stands when it is.
    if (commandSearch_) {
        const std::optional<file::ItemDateTime> lastUse = item.lastUsed();
        commandSearch_->noteUse(item.id(), item.useCount(),
                                lastUse ? lastUse->toString() : std::string());
    }
}

file::items::CommandSearch& Application::commandSearch() {
    if (!commandSearch_) {
        commandSearch_ = std::make_unique<file::items::CommandSearch>(itemsNode_);
    }
    return *commandSearch_;
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

void Application::selectGroupsAsIn(const Application& earlier) {
    selectDefaultGroups();
    if (const std::optional<file::Sub> group = mainGroups_.sub(earlier.currentGroup_);
        group && mainGroups_.has(earlier.currentGroup_)) {
        currentGroup_ = earlier.currentGroup_;
        if (group->has(earlier.currentSubGroup_)) {
            currentSubGroup_ = earlier.currentSubGroup_;
        } else {
            currentSubGroup_ = group->count() == 0 ? std::string() : group->name(0);
        }
    }
    if (menuGroups_.has(earlier.currentMenuGroup_)) {
        currentMenuGroup_ = earlier.currentMenuGroup_;
    }
}

const Application::Document& Application::document(DOCUMENT kind) const noexcept {
    switch (kind) {
    case DOCUMENT::APPLICATION:
        return appDocument_;
    case DOCUMENT::ITEMS:
        return itemsDocument_;
    case DOCUMENT::GROUPS:
        break;
    }
    return groupsDocument_;
}

Application::Document& Application::document(DOCUMENT kind) noexcept {
    return const_cast<Document&>(std::as_const(*this).document(kind));
}

bool Application::loadedSafely(DOCUMENT kind) const noexcept {
    return document(kind).loaded.saveable();
}

std::vector<Application::Unsaved> Application::loadFailures() const {
    std::vector<Unsaved> failures;
    for (const DOCUMENT kind : writeOrder) {
        if (const Document& failed = document(kind); !failed.loaded.saveable()) {
            failures.push_back({failed.path, failed.loaded.failure});
        }
    }
    return failures;
}

void Application::refuseUnsaveable(DOCUMENT kind) const {
    if (const Document& target = document(kind); !target.loaded.saveable()) {
        throw system::ApplicationDataException("読み込めなかったファイルは上書きしません: " +
                                               target.path + "\r\n" + target.loaded.failure);
    }
}

void Application::write(DOCUMENT kind, const drevak::DvkDocument& content) const {
    refuseUnsaveable(kind);
    const Document& target = document(kind);
    createDataFolder();
    const std::string bytes = file::documentFileBytes(content);
    file::replaceFile(target.path, bytes);
    target.stamp = file::FileStamp::written(bytes);
    if (kind == DOCUMENT::APPLICATION) {
        appWritten_ = content.toString();
    }
}

file::Main::Selection Application::writeDroppedItems(const std::vector<std::string>& paths) {
    refuseUnsaveable(DOCUMENT::ITEMS);
    refuseUnsaveable(DOCUMENT::GROUPS);
    // Writing over an edit not read yet would lose it: the user drops again once it is read.
    if (const std::vector<DOCUMENT> changed = differingOnDisk(); !changed.empty()) {
        throw system::ApplicationDataException(
            "ほかで変更されたファイルを読み込んでから追加します: " +
            document(changed.front()).path);
    }
    drevak::DvkDocument items = file::copyDocument(itemsDocument());
    drevak::DvkDocument groups = file::copyDocument(groupsDocument());
    const file::Main::Selection landed = file::addDroppedItems(
        paths, {currentGroup_, currentSubGroup_}, items.childOrNew("Item"), groups);
    writeTogether(file::copyDocument(appDocument()), items, groups);
    return landed;
}

std::vector<Application::Unsaved>
Application::writeTogether(const drevak::DvkDocument& application, const drevak::DvkDocument& items,
                           const drevak::DvkDocument& groups) const {
    const std::pair<DOCUMENT, const drevak::DvkDocument&> contents[] = {
        {DOCUMENT::APPLICATION, application}, {DOCUMENT::ITEMS, items}, {DOCUMENT::GROUPS, groups}};
    std::vector<file::DocumentFile> files;
    for (const auto& [kind, content] : contents) {
        if (const Document& target = document(kind); target.loaded.saveable()) {
            files.push_back({content, target.path});
        }
    }
    if (!files.empty()) {
        createDataFolder();
        file::SaveDocuments(files);
    }
    return loadFailures();
}

std::vector<Application::Unsaved> Application::save() const {
    if (retired_) {
        if (!std::exchange(retiredLogged_, true)) {
            WriteLog("not saved: the data files were written from the settings since");
        }
        return {};
    }
    std::exception_ptr firstFailure;
    for (const DOCUMENT kind : writeOrder) {
        const Document& saved = document(kind);
        if (!saved.loaded.saveable()) {
            continue;
        }
        if (saved.stamp.differs(saved.path)) {
            WriteLog("not saved, as it was changed on disk since it was read: %s", saved.path);
            continue;
        }
        try {
            write(kind, saved.loaded.document);
        } catch (const std::exception&) {
            if (!firstFailure) {
                firstFailure = std::current_exception();
            }
        }
    }
    if (firstFailure) {
        std::rethrow_exception(firstFailure);
    }
    return loadFailures();
}

void Application::markChanged(DOCUMENT kind) noexcept {
    document(kind).changed = true;
    lastChange_ = std::chrono::steady_clock::now();
}

bool Application::changesSettled(std::chrono::steady_clock::duration quiet) const noexcept {
    const bool waiting =
        std::ranges::any_of(writeOrder, [this](DOCUMENT kind) { return document(kind).changed; });
    return waiting && std::chrono::steady_clock::now() - lastChange_ >= quiet;
}

void Application::saveChanged() noexcept {
    for (const DOCUMENT kind : writeOrder) {
        Document& saved = document(kind);
        if (!saved.changed || saved.mending || saved.stamp.differs(saved.path)) {
            // Someone else's edit waits to be read first: the change is written after it.
            continue;
        }
        saved.changed = false;
        if (retired_ || !saved.loaded.saveable()) {
            continue;
        }
        try {
            write(kind, saved.loaded.document);
            if (kind == DOCUMENT::ITEMS) {
                pendingStarts_.clear();
                pendingHistories_.clear();
            }
        } catch (const std::exception& failure) {
            WriteLog("not saved after a change: %s\r\n%s", saved.path, failure);
        }
    }
}

std::vector<Application::DOCUMENT> Application::changedOnDisk() {
    return othersOnDisk(&file::FileStamp::changed);
}

std::vector<Application::DOCUMENT> Application::differingOnDisk() {
    return othersOnDisk(&file::FileStamp::differs);
}

std::vector<Application::DOCUMENT>
Application::othersOnDisk(bool (file::FileStamp::*look)(const std::string&)) {
    std::vector<DOCUMENT> changed;
    for (const DOCUMENT kind : writeOrder) {
        if (Document& known = document(kind); (known.stamp.*look)(known.path)) {
            changed.push_back(kind);
        }
    }
    return changed;
}

std::vector<Application::Unsaved> Application::keepOffBroken(const Application& fresh,
                                                             const std::vector<DOCUMENT>& changed) {
    std::vector<Unsaved> broken;
    for (const DOCUMENT kind : changed) {
        const Document& read = fresh.document(kind);
        if (read.loaded.saveable()) {
            continue;
        }
        Document& kept = document(kind);
        kept.loaded.failure = read.loaded.failure;
        kept.stamp = read.stamp;
        broken.push_back({kept.path, kept.loaded.failure});
    }
    return broken;
}

void Application::noteHistories(const file::Item& item) {
    markChanged(DOCUMENT::ITEMS);
    if (std::ranges::find(pendingHistories_, item.id()) == pendingHistories_.end()) {
        pendingHistories_.push_back(item.id());
    }
}

void Application::applyOwnChangesAgain(const Application& earlier,
                                       const std::vector<DOCUMENT>& changed) {
    // Only a file edited on disk kept the launcher's changes from being written before the
    // read: the other files already hold them.
    if (std::ranges::find(changed, DOCUMENT::ITEMS) != changed.end()) {
        countStartsAgain(earlier);
        historiesAgain(earlier);
    }
    if (std::ranges::find(changed, DOCUMENT::APPLICATION) != changed.end() &&
        earlier.appDocument_.changed) {
        settingsAgain(earlier);
    }
}

std::vector<Application::DOCUMENT>
Application::holdWhileMended(const std::vector<DOCUMENT>& changed) {
    std::vector<DOCUMENT> held;
    for (const DOCUMENT kind : changed) {
        if (Document& read = document(kind); !read.loaded.dropped.empty()) {
            read.mending = true;
            held.push_back(kind);
        }
    }
    return held;
}

void Application::historiesAgain(const Application& earlier) {
    for (const std::string& id : earlier.pendingHistories_) {
        try {
            const file::Item before(id, earlier.itemsNode_);
            file::Item item(id, itemsNode_);
            item.setHistoryWorkFolders(before.historyWorkFolders());
            item.setHistoryOptions(before.historyOptions());
            pendingHistories_.push_back(id);
        } catch (const std::exception& failure) {
            WriteLog("a history not kept after the items file changed: %s\r\n%s", id, failure);
        }
    }
    if (!pendingHistories_.empty()) {
        markChanged(DOCUMENT::ITEMS);
    }
}

void Application::settingsAgain(const Application& earlier) {
    const file::Reapplied reapplied = file::reapplyOwnChanges(
        earlier.appWritten_, earlier.appDocument_.loaded.document, appDocument());
    for (const std::string& address : reapplied.keptAsEdited) {
        WriteLog("a setting left as edited on disk, not as the launcher changed it: %s", address);
    }
    if (reapplied.written > 0) {
        markChanged(DOCUMENT::APPLICATION);
    }
}

void Application::countStartsAgain(const Application& earlier) {
    for (const PendingStart& start : earlier.pendingStarts_) {
        try {
            file::Item item(start.id, itemsNode_);
            item.setUseCount(item.useCount() + 1);
            item.setLastUsed(start.when);
            pendingStarts_.push_back(start);
        } catch (const std::exception& failure) {
            WriteLog("a start not counted again after the items file changed: %s\r\n%s", start.id,
                     failure);
        }
    }
    if (!pendingStarts_.empty()) {
        markChanged(DOCUMENT::ITEMS);
    }
}

} // namespace tavrin::app
