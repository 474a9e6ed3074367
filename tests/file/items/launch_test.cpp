#include "file/items/launch.h"

#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/dvkdocument.h"
#include "file/items/linkitem.h"
#include "launchprobe_fixture.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

#include <shellapi.h>

namespace tavrin::file {
namespace {

using namespace std::chrono_literals;
using system::CODE;
using system::TavrinException;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using TYPE = Item::TYPE;

template <typename Cause> const Cause& causeOf(const system::TavrinThrowable& failure) {
    const auto* cause = dynamic_cast<const Cause*>(failure.next().get());
    if (cause == nullptr) {
        throw std::logic_error("unexpected cause of: " + failure.toString());
    }
    return *cause;
}

// The first failure of a start, which the test expects to fail.
TavrinException startFailure(Item& item, const LaunchSettings& settings = {}) {
    try {
        executeItem(item, nullptr, settings);
    } catch (const TavrinException& failure) {
        return failure;
    }
    throw std::logic_error("the item " + item.id() + " started");
}

// The shell hands web addresses to the browser that Wine's settings name: for the test, a
// script that writes down its arguments. The setting the test found is put back afterwards.
class StandInBrowser {
public:
    StandInBrowser() {
        RegCreateKeyExW(HKEY_CURRENT_USER, KEY, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr);
        wchar_t value[1024] = {};
        DWORD size = sizeof(value) - sizeof(wchar_t);
        if (RegQueryValueExW(key_, L"Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                             &size) == ERROR_SUCCESS) {
            previous_ = value;
        }
        std::filesystem::remove(received());
        const std::wstring script = fixture::fromUtf8(TAVRIN_STANDIN_BROWSER).wstring();
        RegSetValueExW(key_, L"Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(script.c_str()),
                       static_cast<DWORD>((script.size() + 1) * sizeof(wchar_t)));
    }
    ~StandInBrowser() {
        if (previous_) {
            RegSetValueExW(key_, L"Browsers", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(previous_->c_str()),
                           static_cast<DWORD>((previous_->size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteValueW(key_, L"Browsers");
        }
        RegCloseKey(key_);
        std::filesystem::remove(received());
    }
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    // The arguments the browser got, one a line; empty when it was not started in time.
    std::string arguments() const {
        for (int attempt = 0; attempt < 300 && !std::filesystem::exists(received()); ++attempt) {
            std::this_thread::sleep_for(50ms);
        }
        return fixture::bytesOf(received());
    }

private:
    static constexpr const wchar_t* KEY = L"Software\\Wine\\WineBrowser";
    static std::filesystem::path received() {
        return fixture::fromUnix(TAVRIN_STANDIN_BROWSER ".args");
    }

    HKEY key_ = nullptr;
    std::optional<std::wstring> previous_;
};

class LaunchTest : public ::testing::Test {
protected:
    std::string path(const std::filesystem::path& file) const { return fixture::utf8(file); }

    Item item(const std::string& id, TYPE type, const std::vector<std::string>& address) {
        drevak::Drevak& node = items.childOrNew(id);
        node.childOrNew("Type") = static_cast<Item::Integer>(type);
        if (type == TYPE::MULTI) {
            node.childOrNew("Address") = address;
        } else {
            node.childOrNew("Address") = address.at(0);
        }
        return Item(id, items);
    }
    // A path item that starts the probe with the given options.
    Item probeItem(const std::string& id, const std::string& options) {
        items.childOrNew(id).childOrNew("Option") = options;
        return item(id, TYPE::NORMAL, {path(probe)});
    }
    std::string valueAt(const std::string& address) const {
        return items.HaveChild(address) ? items.GetChild(address).toString() : "(none)";
    }

    fixture::ScratchFolder scratch;
    fixture::ProbeRecords records;
    std::filesystem::path probe = fixture::copyProbe(scratch.root() / L"ツール 集", L"probe.exe");
    drevak::DvkDocument document;
    drevak::Drevak& items = document.childOrNew("Item");
};

TEST_F(LaunchTest, APathItemStartsWithItsOwnSettingsOrTheOverriddenOnes) {
    const std::filesystem::path work = scratch.root() / L"作業 場所";
    const std::filesystem::path other = scratch.root() / L"other";
    std::filesystem::create_directories(work);
    std::filesystem::create_directories(other);
    Item editor = probeItem("editor", "-a \"日本 語\"");
    editor.setWorkFolder(path(work));
    editor.setShow(SW_SHOWMINNOACTIVE);

    executeItem(editor, nullptr, {});
    EXPECT_EQ(editor.useCount(), 1);
    ASSERT_TRUE(editor.lastUsed().has_value());
    const OverrideInfo override{OverrideInfo::WORK_FOLDER | OverrideInfo::OPTION |
                                    OverrideInfo::SHOW,
                                path(other), "--once", SW_SHOWMAXIMIZED};
    executeItem(editor, &override, {});
    const OverrideInfo optionOnly{OverrideInfo::OPTION, path(other), "--option", SW_HIDE};
    executeItem(editor, &optionOnly, {});

    const auto started = records.wait(3);
    ASSERT_EQ(started.size(), 3u);
    EXPECT_THAT(started[0].command, EndsWith(" -a \"日本 語\""));
    EXPECT_EQ(started[0].folder, path(work));
    EXPECT_EQ(started[0].show, SW_SHOWMINNOACTIVE);
    EXPECT_THAT(started[1].command, EndsWith(" --once"));
    EXPECT_EQ(started[1].folder, path(other));
    EXPECT_EQ(started[1].show, SW_SHOWMAXIMIZED);
    EXPECT_THAT(started[2].command, EndsWith(" --option"));
    EXPECT_EQ(started[2].folder, path(work));
    EXPECT_EQ(started[2].show, SW_SHOWMINNOACTIVE);
    // The history is written into the items document.
    EXPECT_EQ(valueAt("editor/History/Use"), ":3");
    EXPECT_EQ(valueAt("editor/History/Last"), "\\" + editor.lastUsed()->toString());
}

TEST_F(LaunchTest, EnvironmentVariablesAreExpandedInThePathAndWorkFolderNotInTheOptions) {
    SetEnvironmentVariableW(L"TAVRIN_LAUNCH_TOOLS", probe.parent_path().wstring().c_str());
    SetEnvironmentVariableW(L"TAVRIN_LAUNCH_WORK", scratch.root().wstring().c_str());
    Item tool = item("tool", TYPE::NORMAL, {"%TAVRIN_LAUNCH_TOOLS%\\probe.exe"});
    tool.setWorkFolder("%TAVRIN_LAUNCH_WORK%");
    tool.setOption("%TAVRIN_LAUNCH_WORK%");
    executeItem(tool, nullptr, {});
    SetEnvironmentVariableW(L"TAVRIN_LAUNCH_TOOLS", nullptr);
    SetEnvironmentVariableW(L"TAVRIN_LAUNCH_WORK", nullptr);
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, EndsWith(" %TAVRIN_LAUNCH_WORK%"));
    EXPECT_EQ(started[0].folder, path(scratch.root()));
}

TEST_F(LaunchTest, AnAddressIsHandedToTheShell) {
    const StandInBrowser browser;
    Item site = item("site", TYPE::URI, {"http://example.com/start?item=site"});
    executeItem(site, nullptr, {});
    EXPECT_THAT(browser.arguments(), HasSubstr("http://example.com/start?item=site"));
    EXPECT_EQ(site.useCount(), 1);
}

TEST_F(LaunchTest, AnAddressWithABlankStartsItsQuotedProgramWithTheRest) {
    Item command = item("command", TYPE::URI, {"\"" + path(probe) + "\" -a"});
    command.setOption("-x");
    executeItem(command, nullptr, {});
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, EndsWith(" -a -x"));
}

TEST_F(LaunchTest, AMultiItemStartsItsMembersInOrderAndOnlyItselfCountsTheStart) {
    Item first = probeItem("first", "1");
    Item second = probeItem("second", "2");
    Item both = item("both", TYPE::MULTI, {"first", "second"});
    executeItem(both, nullptr, {});
    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_THAT(started[0].command, EndsWith(" 1"));
    EXPECT_THAT(started[1].command, EndsWith(" 2"));
    EXPECT_EQ(both.useCount(), 1);
    EXPECT_EQ(first.useCount(), 0);
    EXPECT_FALSE(second.lastUsed().has_value());
}

TEST_F(LaunchTest, AMultiItemStopsAtItsFirstFailingMember) {
    probeItem("first", "1");
    probeItem("third", "3");
    Item broken = item("broken", TYPE::MULTI, {"first", "missing", "third"});
    const TavrinException failure = startFailure(broken);
    EXPECT_EQ(failure.message(), "アイテム(broken)実行例外");
    EXPECT_EQ(failure.Code(), CODE::NONE);
    EXPECT_NE(failure.next(), nullptr);
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, EndsWith(" 1"));
    EXPECT_EQ(valueAt("broken/History/Use"), ":0");
}

TEST_F(LaunchTest, ALinkStartsItsTargetWithItsOwnSettingsAndCountsItsOwnStarts) {
    const std::filesystem::path work = scratch.root() / L"link work";
    std::filesystem::create_directories(work);
    Item target = probeItem("target", "--target");
    target.setShow(SW_SHOWMINIMIZED);
    Item link = item("link", TYPE::LINK, {"target"});
    link.setOption("--link");
    link.setWorkFolder(path(work));
    executeItem(link, nullptr, {});
    LinkItem view(link, items);
    executeItem(view, nullptr, {});

    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    for (const fixture::ProbeRecord& record : started) {
        EXPECT_THAT(record.command, EndsWith(" --link"));
        EXPECT_EQ(record.folder, path(work));
        EXPECT_EQ(record.show, SW_SHOWMINIMIZED);
    }
    EXPECT_EQ(valueAt("link/History/Use"), ":2");
    EXPECT_EQ(valueAt("target/History/Use"), ":0");
}

TEST_F(LaunchTest, AMissingFileFailsWithTheWholeChainAndNoHistory) {
    const std::string missing = path(scratch.root() / L"missing.exe");
    Item gone = item("gone", TYPE::NORMAL, {missing});
    const TavrinException failure = startFailure(gone);
    EXPECT_EQ(failure.message(), "アイテム(gone)実行例外");
    EXPECT_EQ(failure.Code(), CODE::NONE);
    const auto& file = causeOf<TavrinException>(failure);
    EXPECT_EQ(file.message(), "ファイル実行例外");
    EXPECT_EQ(file.Code(), CODE::FILE);
    const auto& shell = causeOf<system::TavrinFileException>(file);
    EXPECT_EQ(shell.Code(), CODE::FILE_EXECUTE_PATH);
    EXPECT_THAT(shell.message(), ::testing::StartsWith(missing + "["));
    EXPECT_EQ(gone.useCount(), 0);
    EXPECT_FALSE(gone.lastUsed().has_value());
}

TEST_F(LaunchTest, LoopsAreRefusedBeforeAnythingStarts) {
    probeItem("fine", "1");
    Item ring = item("ring", TYPE::MULTI, {"fine", "ring"});
    const TavrinException multi = startFailure(ring);
    EXPECT_EQ(causeOf<system::ItemException>(multi).Code(), CODE::ITEM_MULTI);
    Item self = item("self", TYPE::LINK, {"self"});
    const TavrinException link = startFailure(self);
    EXPECT_EQ(causeOf<system::ItemException>(link).Code(), CODE::ITEM_LINK);
    EXPECT_TRUE(records.wait(0).empty());
}

class FolderProgramTest : public LaunchTest {
protected:
    std::filesystem::path folder = scratch.root() / L"開く フォルダ";
    std::filesystem::path work = scratch.root() / L"work";
    Item opener = probeItem("opener", "--never");
    LaunchSettings settings{shell::FOLDER::PROGRAM, &opener};

    void SetUp() override {
        std::filesystem::create_directories(folder);
        std::filesystem::create_directories(work);
    }
};

// Quoted, and read back whole with its trailing backslash: a quote right after a backslash
// would be read as a quote in the name.
TEST_F(FolderProgramTest, AFolderItemGoesToTheFolderProgramQuoted) {
    Item place = item("place", TYPE::NORMAL, {path(folder) + "\\"});
    place.setWorkFolder(path(work));
    place.setShow(SW_SHOWMAXIMIZED);
    executeItem(place, nullptr, settings);
    const auto started = records.wait(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_THAT(started[0].command, EndsWith(" \"" + path(folder) + "\\\\\""));
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(system::toWide(started[0].command).c_str(), &count);
    EXPECT_EQ(count == 2 ? system::toUtf8(arguments[1]) : "", path(folder) + "\\");
    LocalFree(arguments);
    EXPECT_EQ(started[0].folder, path(work));
    EXPECT_EQ(started[0].show, SW_SHOWMAXIMIZED);
    EXPECT_EQ(place.useCount(), 1);
    EXPECT_EQ(opener.useCount(), 0);
}

TEST_F(FolderProgramTest, AFolderProgramThatIsAFolderIsHandedTheFolderOnceWhichItOpens) {
    opener.setFileAddress(path(work));
    Item place = item("place", TYPE::NORMAL, {path(folder)});
    const fixture::ExplorerWindows windows;
    executeItem(place, nullptr, settings);
    EXPECT_THAT(windows.closeNewTitles(), ElementsAre("開く フォルダ"));
    EXPECT_EQ(place.useCount(), 1);
    EXPECT_EQ(opener.useCount(), 0);

    const fixture::ExplorerWindows again;
    executeBarePath(path(folder), settings);
    EXPECT_THAT(again.closeNewTitles(), ElementsAre("開く フォルダ"));
    EXPECT_EQ(opener.useCount(), 1);
    EXPECT_TRUE(records.wait(0).empty());
}

TEST_F(FolderProgramTest, AFolderProgramListingAFolderIsHandedTheFolderOnceWhichItOpens) {
    item("inner", TYPE::NORMAL, {path(work)});
    Item lister = item("lister", TYPE::MULTI, {"inner"});
    settings.folderProgram = &lister;
    Item place = item("place", TYPE::NORMAL, {path(folder)});
    const fixture::ExplorerWindows windows;
    executeItem(place, nullptr, settings);
    EXPECT_THAT(windows.closeNewTitles(), ElementsAre("開く フォルダ"));
    EXPECT_EQ(lister.useCount(), 0);
}

TEST_F(FolderProgramTest, AFolderProgramInALoopIsRefused) {
    Item ring = item("ring", TYPE::MULTI, {"opener", "ring"});
    settings.folderProgram = &ring;
    Item place = item("place", TYPE::NORMAL, {path(folder)});
    const TavrinException failure = startFailure(place, settings);
    EXPECT_EQ(causeOf<system::ItemException>(failure).Code(), CODE::ITEM_MULTI);
    EXPECT_TRUE(records.wait(0).empty());
    EXPECT_EQ(place.useCount(), 0);
}

TEST_F(FolderProgramTest, ABarePathGoesToTheFolderProgramWhichCountsTheStart) {
    executeBarePath(path(folder), settings);
    executeBarePath(path(probe), settings);
    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_THAT(started[0].command, EndsWith(" \"" + path(folder) + "\""));
    EXPECT_EQ(started[0].show, SW_SHOWNORMAL);
    EXPECT_THAT(started[1].command, ::testing::Not(HasSubstr("--never")));
    EXPECT_EQ(started[1].folder, path(probe.parent_path()));
    EXPECT_EQ(opener.useCount(), 1);
}

} // namespace
} // namespace tavrin::file
