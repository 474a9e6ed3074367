#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dropblock.h"
#include "launcherfixture.h"
#include "shell/shortcut.h"
#include "system/unicode.h"

// After the Windows headers, on which it builds.
#include <shlobj.h>

namespace tavrin::gui::test {
namespace {

using file::fixture::utf8;
using testing::EndsWith;

HDROP dropBlock(const std::vector<std::wstring>& paths, POINT point) {
    return shell::test::dropBlock(paths, point);
}

// Replaces each "{}" of the pattern with the folder.
std::string inFolder(std::string pattern, const std::string& folder) {
    for (std::size_t at = pattern.find("{}"); at != std::string::npos;
         at = pattern.find("{}", at + folder.size())) {
        pattern.replace(at, 2, folder);
    }
    return pattern;
}

// Files dropped on a button start its item with the paths as its options: joined by one
// blank, a path with a blank quoted, a shortcut followed to its target when the setting says
// so; at once, or through the execute dialog when the setting ExecuteDialog is on. A drop
// beside the buttons starts nothing and hands its paths over to be added; a failed start is
// shown, not thrown.
TEST_F(LauncherTest, FilesDroppedOnAButtonStartItsItemWithThePaths) {
    start();
    show("Main", "Tools");
    const std::filesystem::path dropped = scratch.root() / L"dropped";
    std::filesystem::create_directories(dropped);
    const std::string folder = utf8(dropped);
    ASSERT_EQ(folder.find(' '), std::string::npos) << "the patterns below assume no blank";
    for (const wchar_t* name : {L"a b.txt", L"second.txt", L"target.txt"}) {
        file::fixture::writeBytes(dropped / name, "x");
    }
    {
        shell::Shortcut link;
        link.setPath((dropped / L"target.txt").wstring());
        link.save((dropped / L"link.LNK").wstring());
    }
    const struct {
        int button;
        std::vector<std::wstring> names;
        bool followShortcuts;
        bool dialog;
        std::optional<std::string> option;
        std::size_t failures;
    } rows[]{
        {1, {L"a b.txt"}, true, false, "\"{}\\a b.txt\"", 0},
        {1, {L"a b.txt", L"second.txt"}, true, false, "\"{}\\a b.txt\" {}\\second.txt", 0},
        {0, {L"second.txt", L"link.LNK"}, true, false, "{}\\second.txt {}\\target.txt", 0},
        {1, {L"link.LNK"}, false, false, "{}\\link.LNK", 0},
        {-1, {L"second.txt"}, true, false, std::nullopt, 0},
        {2, {L"second.txt"}, true, false, std::nullopt, 1},
        // The execute dialog takes the paths instead, and the user starts the item there.
        {0, {L"second.txt", L"link.LNK"}, true, true, "{}\\second.txt {}\\target.txt", 0},
        {-1, {L"second.txt"}, true, true, std::nullopt, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.button << " " << row.names.size());
        application->settings().ExecuteShortcut(row.followShortcuts);
        application->settings().ExecuteDialog(row.dialog);
        failures.clear();
        opened.clear();
        added.clear();
        file::fixture::ProbeRecords started;
        std::vector<std::wstring> paths;
        for (const auto& name : row.names) {
            paths.push_back((dropped / name).wstring());
        }
        POINT point{bar->clientSize().cx - 1, bar->clientSize().cy - 1};
        if (row.button >= 0) {
            const RECT rect = bar->buttonRect(row.button + 1).value();
            point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        }
        ASSERT_EQ(bar->buttonAt(point), row.button);
        SendMessageW(bar->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(dropBlock(paths, point)),
                     0);
        const bool atOnce = row.option && !row.dialog;
        const auto launched = started.wait(atOnce ? 1 : 0);
        ASSERT_EQ(launched.size(), atOnce ? 1u : 0u);
        if (atOnce) {
            EXPECT_THAT(launched[0].command, EndsWith(" " + inFolder(*row.option, folder)));
        }
        ASSERT_EQ(opened.size(), row.option && row.dialog ? 1u : 0u);
        if (!opened.empty()) {
            EXPECT_EQ(opened[0].id, "edit");
            EXPECT_EQ(opened[0].option, inFolder(*row.option, folder));
        }
        EXPECT_EQ(failures.size(), row.failures);
        ASSERT_EQ(added.size(), row.button < 0 ? 1u : 0u);
        EXPECT_TRUE(added.empty() || added[0] == std::vector<std::string>{utf8(paths[0])});
    }
}

} // namespace
} // namespace tavrin::gui::test
