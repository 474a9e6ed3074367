#include "gui/window/dialog/exceptiondialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <source_location>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogtest.h"
#include "system/tavrinerrors.h"
#include "tvgui/control/picturelabel.h"
#include "system/unicode.h"
#include "testwindow.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/treeview.h"

namespace tavrin::gui::test {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using ::testing::StartsWith;
using CTRL = ExceptionDialog::CTRL;
using tvgui::TreeView;

constexpr const char* TIME_PATTERN = "Time: \\d+/\\d+/\\d+ \\d+:\\d+:\\d+\\.\\d+";

// Each top node of the tree with the texts of the nodes below it.
std::vector<std::vector<std::string>> treeOf(const TreeView& tree) {
    std::vector<std::vector<std::string>> nodes;
    for (HTREEITEM top = tree.next(nullptr, TreeView::NEXT::ROOT); top != nullptr;
         top = tree.next(top, TreeView::NEXT::NEXT)) {
        std::vector<std::string>& texts = nodes.emplace_back(1, tree.itemText(top));
        for (HTREEITEM below = tree.next(top, TreeView::NEXT::CHILD); below != nullptr;
             below = tree.next(below, TreeView::NEXT::NEXT)) {
            texts.push_back(tree.itemText(below));
        }
    }
    return nodes;
}

std::string clipboardText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return "(clipboard not open)";
    }
    std::string text = "(no text)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = system::toUtf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A failure two of the application's levels deep over a foreign cause, as launching gives,
// with the lines each level was raised on.
struct Chain {
    Chain() {
        auto foreign = std::make_shared<std::runtime_error>("ディスクがいっぱい");
        cause = std::make_shared<system::ItemException>(
            "アイテム(メモ帳)実行例外", static_cast<system::CODE>(999), foreign, causeAt);
        failure = std::make_unique<system::DateTimeException>(
            "月の変換失敗", static_cast<system::CODE>(16), cause, failureAt);
    }

    const std::source_location causeAt = std::source_location::current();
    const std::source_location failureAt = std::source_location::current();
    std::shared_ptr<const system::ItemException> cause;
    std::unique_ptr<system::DateTimeException> failure;
};

// The "File" and "Line" nodes of a throwable raised there.
std::string fileNode(const std::source_location& where) {
    return std::string("File: ") + where.file_name();
}
std::string lineNode(const std::source_location& where) {
    return "Line: " + std::to_string(where.line());
}

TEST(ExceptionDialog, TheTreeShowsEveryThrowableOfTheChainWithItsFacts) {
    tvgui::test::RecordingWindow owner;
    const Chain chain;
    ExceptionDialog dialog(&owner, *chain.failure);
    EXPECT_THAT(treeOf(controlOf<TreeView>(dialog, CTRL::TREE)),
                ElementsAre(ElementsAre("tavrin::system::DateTimeException", "月の変換失敗",
                                        fileNode(chain.failureAt), lineNode(chain.failureAt),
                                        "Code: DATE_MONTH", MatchesRegex(TIME_PATTERN)),
                            ElementsAre("tavrin::system::ItemException", "アイテム(メモ帳)実行例外",
                                        fileNode(chain.causeAt), lineNode(chain.causeAt),
                                        "Code: There is no corresponding enum member name in CODE",
                                        MatchesRegex(TIME_PATTERN)),
                            ElementsAre("std::runtime_error", "ディスクがいっぱい")));
    // The chain is longer than the tree is high: the failure itself is the first in view.
    const TreeView& tree = controlOf<TreeView>(dialog, CTRL::TREE);
    EXPECT_EQ(tree.next(nullptr, TreeView::NEXT::FIRSTVISIBLE),
              tree.next(nullptr, TreeView::NEXT::ROOT));
    // The error icon is drawn for the dialog's DPI, not scaled up from 32 pixels.
    ICONINFO parts{};
    ASSERT_TRUE(
        GetIconInfo(controlOf<tvgui::IconLabel>(dialog, CTRL::ICON).iconImage().get(), &parts));
    BITMAP mask{};
    GetObjectW(parts.hbmMask, sizeof mask, &mask);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    EXPECT_EQ(mask.bmWidth, MulDiv(32, dialog.dpi(), 96));
}

TEST(ExceptionDialog, TheTextBoxHoldsTheMessagesThenTheSystemReportAndCopiesToTheClipboard) {
    tvgui::test::RecordingWindow owner;
    const Chain chain;
    ExceptionDialog dialog(&owner, *chain.failure);
    const std::string text = controlOf<tvgui::MultiEdit>(dialog, CTRL::TEXT).text();
    EXPECT_THAT(text,
                StartsWith("月の変換失敗\r\nアイテム(メモ帳)実行例外\r\nディスクがいっぱい\r\n" +
                           std::string(50, '-') + "\r\n[OS]"));
    EXPECT_EQ(click(dialog, CTRL::COPY, false), 0);
    EXPECT_EQ(clipboardText(owner.hwnd()), text);
    expectChildrenApart(dialog);
}

TEST(ExceptionDialog, OnlyCloseEndsTheModalLoopAndTheOwnerIsEnabledAgain) {
    LoopGuard guard;
    tvgui::test::RecordingWindow owner;
    const std::runtime_error failure("ファイルがない");
    ExceptionDialog dialog(&owner, failure);
    EXPECT_THAT(treeOf(controlOf<TreeView>(dialog, CTRL::TREE)),
                ElementsAre(ElementsAre("std::runtime_error", "ファイルがない")));
    for (CTRL idle : {CTRL::WEB, CTRL::OUTPUT, CTRL::UPLOAD}) {
        SCOPED_TRACE(static_cast<int>(idle));
        EXPECT_EQ(click(dialog, idle, false), 0);
        EXPECT_TRUE(dialog.exists());
    }
    click(dialog, CTRL::CLOSE, true);
    EXPECT_FALSE(dialog.select());
    EXPECT_FALSE(dialog.exists());
    EXPECT_TRUE(owner.isEnabled());
}

// The dialog show makes is found by its caption, as a person sees it, and closed.
void CALLBACK closeShownDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND shown = FindWindowW(nullptr, L"例外");
    if (shown != nullptr && IsWindowVisible(shown)) {
        KillTimer(nullptr, timer);
        PostMessageW(shown, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(shown, 4)));
    }
}

TEST(ExceptionDialog, ShowRunsTheDialogUntilItIsClosedWithOrWithoutAnOwner) {
    for (bool owned : {true, false}) {
        SCOPED_TRACE(owned ? "owned" : "no owner");
        LoopGuard guard;
        tvgui::test::RecordingWindow owner;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, &closeShownDialog);
        ExceptionDialog::show(owned ? &owner : nullptr, system::ItemException("起動失敗"));
        KillTimer(nullptr, timer);
        EXPECT_EQ(FindWindowW(nullptr, L"例外"), nullptr);
        EXPECT_TRUE(owner.isEnabled());
    }
}

} // namespace
} // namespace tavrin::gui::test
