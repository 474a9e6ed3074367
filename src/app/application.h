#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "etc/drevak/dvkdocument.h"
#include "file/app.h"
#include "file/datafile.h"
#include "file/filestamp.h"
#include "file/items/bmitem.h"
#include "file/items/commandsearch.h"
#include "file/items/groups.h"
#include "file/items/item.h"
#include "file/items/itemdatetime.h"
#include "file/items/overrideinfo.h"

namespace tavrin::app {

// The size an icon size setting (ButtonIcon, MenuIcon) asks for: 0 small, otherwise large.
image::ICONSIZE iconSizeOf(drevak::Integer setting);

// What the user is told when a data file does not load: which file, why, and that changes to
// it are not kept.
std::string loadFailureWarning(const std::string& failure);

// What the user is told when a file they edited loads without some of its lines: which file,
// which lines (the first few, cut short) and why, and that the next write loses them.
std::string droppedLinesWarning(const std::string& path,
                                const std::vector<file::DroppedLine>& lines);

// Owns the three data documents for the run, loaded from the data folder that
// StaticData names, and the views built over them.
class Application {
public:
    // The three data documents, in the order they are written.
    enum class DOCUMENT { APPLICATION, ITEMS, GROUPS };

    // A document whose file could not be loaded: it is never written this run, as writing
    // would replace the file on disk with the empty document that stands in for it.
    struct Unsaved {
        std::string path;
        std::string failure;
    };

    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    drevak::DvkDocument& appDocument() noexcept { return appDocument_.loaded.document; }
    drevak::DvkDocument& groupsDocument() noexcept { return groupsDocument_.loaded.document; }
    drevak::DvkDocument& itemsDocument() noexcept { return itemsDocument_.loaded.document; }
    // The settings over the application document, repaired to defaults where it was damaged.
    file::App& settings() noexcept { return settings_; }
    // The main groups under "Group" and the menu launcher's group under "Group/<Menu>", both
    // created empty when missing.
    file::Main& mainGroups() noexcept { return mainGroups_; }
    file::Sub& menuGroups() noexcept { return menuGroups_; }
    // The items by ID: the items document's "Item" node, created empty when missing.
    drevak::Drevak& itemsNode() noexcept { return itemsNode_; }
    // The launchers' records of the items of sub group subGroup of main group mainGroup, with
    // the button icon size; when mainGroup is empty, of the menu launcher's sub group subGroup,
    // with the menu icon size. A group that does not exist shows nothing. Without icons, the
    // records carry no picture: a caller that shows pictures later looks them up itself.
    std::vector<file::BM_ITEM> groupItems(std::string_view subGroup, std::string_view mainGroup,
                                          bool withIcons = true);
    // The item that opens folders when the setting Folder is 2: the item the setting Program
    // names. Null otherwise; when that item cannot be made, the failure is logged and Folder
    // is set to 0, so folders open as usual.
    file::Item* folderItem() noexcept { return folderItem_.get(); }

    // Starts the item with its stored settings, or with those of override where its mask says
    // (override may be null), and counts the start in the item's own history; folders go
    // where the setting Folder says. Raises as file::executeItem does.
    void execute(file::Item& item, const file::OverrideInfo* override);
    // The command box's search over the items, built on first use: once per Application, so a
    // reload searches the items it reads. Every start through execute ranks the item at once.
    file::items::CommandSearch& commandSearch();

    // Starts or opens a bare path (an item's folder, the program folder) as it stands.
    void executePath(std::string_view path);

    // The group and sub-group whose items the button launcher shows, and the group the menu
    // launcher shows; empty until the window chooses them, and while there are no groups.
    // The window's first choice: Main::firstSelection of the main groups, and the first menu
    // group.
    void selectDefaultGroups();
    // After a reload: the default choice, then each of earlier's choices that still exists,
    // so that reading the files again does not move the user to another group.
    void selectGroupsAsIn(const Application& earlier);
    const std::string& currentGroup() const noexcept { return currentGroup_; }
    void currentGroup(std::string name) { currentGroup_ = std::move(name); }
    const std::string& currentSubGroup() const noexcept { return currentSubGroup_; }
    void currentSubGroup(std::string name) { currentSubGroup_ = std::move(name); }
    const std::string& currentMenuGroup() const noexcept { return currentMenuGroup_; }
    void currentMenuGroup(std::string name) { currentMenuGroup_ = std::move(name); }

    // Whether the document's file was loaded (or was missing) so that writing it loses
    // nothing.
    bool loadedSafely(DOCUMENT document) const noexcept;
    // The documents whose load failed, in the order they are written; empty after a clean
    // load.
    std::vector<Unsaved> loadFailures() const;

    // Writes content as the file of the document (the data folder created when missing).
    // Raises ApplicationDataException naming the file and its load failure, writing nothing,
    // when the document did not load safely; raises as SaveDocument does when the write fails.
    void write(DOCUMENT document, const drevak::DvkDocument& content) const;

    // Writes new contents of the three documents together (SaveDocuments), so that after a
    // failure every file keeps its old bytes; the data folder is created when missing. The
    // documents whose load failed are left out and returned, in the order they are written.
    std::vector<Unsaved> writeTogether(const drevak::DvkDocument& application,
                                       const drevak::DvkDocument& items,
                                       const drevak::DvkDocument& groups) const;

    // Adds the dropped paths as new items of the current group and sub group (made when there
    // is none) to copies of the documents, and writes the copies together. Where the items
    // went: the caller builds itself anew from the files there. Raises, writing nothing, as
    // file::addDroppedItems and writeTogether do, when the items or the groups did not load
    // and when a data file was changed on disk and not read yet.
    file::Main::Selection writeDroppedItems(const std::vector<std::string>& paths);

    // Once the files were written from other copies, this application's documents are out of
    // date: from then on save() writes nothing, so they never overwrite what was confirmed.
    void retire() noexcept { retired_ = true; }

    // Writes each document as it is now, in the order application, items, groups, leaving
    // out those whose load failed (returned) and, logged, those whose file someone else
    // changed since. When a write fails the others are still written
    // and the first failure is raised afterwards. A retired application writes nothing and
    // returns nothing.
    std::vector<Unsaved> save() const;

    // The launcher's own changes to a document (a start counted, a place stored, a history
    // typed) wait to be written soon after, so that a crash or a kill loses only the last
    // moments.
    void markChanged(DOCUMENT document) noexcept;
    // Whether some change waits and none was made in the last quiet time: a burst of changes
    // is written once.
    bool changesSettled(std::chrono::steady_clock::duration quiet) const noexcept;
    // Writes the changed documents, leaving out those whose load failed, and forgets the
    // changes, written or not: a write that fails is logged, and the next change or the end
    // tries again. A document whose file someone else changed stays marked and unwritten: the
    // edit is read first. A retired application writes nothing.
    void saveChanged() noexcept;

    // The documents whose files were changed on disk by someone else since this application
    // read or wrote them, in the order they are written: changedOnDisk once a change has
    // stayed for a look (what to read again), differingOnDisk right now (what not to write
    // over).
    std::vector<DOCUMENT> changedOnDisk();
    std::vector<DOCUMENT> differingOnDisk();
    // The file the document is read from and written to.
    const std::string& filePath(DOCUMENT kind) const noexcept { return document(kind).path; }
    // Of the changed documents, those that fresh, read after the change, could not load: the
    // user is mending the file, so this application never writes it again and leaves the bytes
    // it has now be. They are returned, in the order they are written.
    std::vector<Unsaved> keepOffBroken(const Application& fresh,
                                       const std::vector<DOCUMENT>& changed);
    // The execute dialog's histories of the item changed: written soon after, and made again
    // over an edit of the items file that arrives first.
    void noteHistories(const file::Item& item);
    // Makes again in this application, read after the files in changed were edited on disk,
    // what earlier changed and did not write yet: its starts and histories where the item still
    // exists, and the settings values the edit left as they were (places, sizes, choices of
    // the window menu). What does not fit any more is logged.
    void applyOwnChangesAgain(const Application& earlier, const std::vector<DOCUMENT>& changed);

    // The lines of the document's file that it does not hold: the next write loses them.
    const std::vector<file::DroppedLine>& droppedLines(DOCUMENT kind) const noexcept {
        return document(kind).loaded.dropped;
    }
    // Of the documents in changed, read after someone edited their files, those that dropped
    // lines of that edit. The person is still at it: their changes wait (saveChanged leaves
    // them) until the file changes again or the program ends, so that the lines can be mended
    // before they are lost.
    std::vector<DOCUMENT> holdWhileMended(const std::vector<DOCUMENT>& changed);

private:
    struct Document {
        DOCUMENT kind;
        Document(DOCUMENT document, std::string filePath);

        std::string path;
        file::LoadedDocument loaded;
        bool changed = false;
        // Lines of a hand edit were dropped: the timed save waits for the person to mend them.
        bool mending = false;
        // What was last read from or written to the file: it follows the disk, not the
        // document, so even a const write keeps it.
        mutable file::FileStamp stamp;
    };

    // A start counted in memory and not yet on disk.
    struct PendingStart {
        std::string id;
        file::ItemDateTime when;
    };
    std::vector<PendingStart> pendingStarts_;
    // Items whose histories changed since the items were last written.
    std::vector<std::string> pendingHistories_;
    // The settings as last read or written: what tells the launcher's own changes from an edit.
    mutable std::string appWritten_;
    void countStartsAgain(const Application& earlier);
    void historiesAgain(const Application& earlier);
    void settingsAgain(const Application& earlier);

    Document appDocument_;
    // Built before the other documents are read: a repair it logs comes first.
    file::App settings_;
    Document groupsDocument_;
    file::Main mainGroups_;
    file::Sub menuGroups_;
    Document itemsDocument_;
    drevak::Drevak& itemsNode_;

    const Document& document(DOCUMENT kind) const noexcept;
    // ApplicationDataException naming the file and its load failure when it did not load.
    void refuseUnsaveable(DOCUMENT kind) const;
    Document& document(DOCUMENT kind) noexcept;
    std::vector<DOCUMENT> othersOnDisk(bool (file::FileStamp::*look)(const std::string&));
    std::chrono::steady_clock::time_point lastChange_;
    bool retired_ = false;
    // So that every save of a retired application does not log the same line.
    mutable bool retiredLogged_ = false;
    std::unique_ptr<file::Item> folderItem_;
    std::unique_ptr<file::items::CommandSearch> commandSearch_;
    std::string currentGroup_;
    std::string currentSubGroup_;
    std::string currentMenuGroup_;
};

} // namespace tavrin::app
