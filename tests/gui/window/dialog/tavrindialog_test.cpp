#include "gui/window/dialog/tavrindialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogtest.h"
#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "gui/window/dialog/choosedialogs.h"
#include "system/scopeguard.h"
#include "system/unicode.h"
#include "testwindow.h"

#include <cderr.h>
#include <commctrl.h>

namespace tavrin::gui::test {
namespace {

using CTRL = TavrinDialog::CTRL;
using system::toUtf8;

// Settings away from every default, the unshown ones too, under a header comment.
const std::vector<std::string> settingLines{
    ";利用者の設定",
    "",
    "Execute/Dialog:0",
    "Execute/Shortcut:0",
    "Folder:0",
    "Folder/Program\\mail",
    "Launcher/Button/Icon:1",
    "Launcher/Button/List:1",
    "Launcher/Button/Text:1",
    "Launcher/Command/Color/ID!2040C0\t*",
    "Launcher/Command/Color/Name!*\tFFF0C0",
    "Launcher/Command/Color/Normal!010203\t*",
    "Launcher/Command/Color/Tag!*\t*",
    "Launcher/Command/Font/Name\\Tahoma",
    "Launcher/Command/Font/Size:11",
    "Launcher/Command/Icon:1",
    "Launcher/Command/Keys=3\t78",
    "Launcher/Command/Timer:1500",
    "Launcher/History:5",
    "Launcher/Menu/Desktop:1",
    "Launcher/Menu/Icon:1",
    "Launcher/Menu/Text:40",
    "Window:2",
    "Window/Bottom:30",
    "Window/Float/Pos=-100\t200",
    "Window/Float/Size=300\t400",
    "Window/Front:1",
    "Window/Left:17",
    "Window/Right:18",
    "Window/Top:19",
};

// The settings as lines, with lines replaced (each as the line's start and the new line).
std::vector<std::string> settingsWith(std::vector<std::pair<std::string, std::string>> changes) {
    std::vector<std::string> lines = settingLines;
    for (const auto& [start, line] : changes) {
        const auto found = std::ranges::find_if(
            lines, [&](const std::string& held) { return held.starts_with(start); });
        if (found == lines.end()) {
            ADD_FAILURE() << "no line " << start;
            continue;
        }
        *found = line;
    }
    return lines;
}

std::string bytesOf(const std::vector<std::string>& lines) {
    return file::documentFileBytes(drevak::DvkDocument(lines));
}

struct Page {
    explicit Page(bool desktopMenu = true, const std::vector<std::string>& lines = settingLines)
        : settings(lines), items(std::vector<std::string>{"Item/edit\\Editor", "Item/mail\\Mail"}),
          dialog(&owner, settings, items, desktopMenu) {}

    HWND control(CTRL id) const { return GetDlgItem(dialog.hwnd(), static_cast<int>(id)); }
    std::string text(CTRL id) const {
        wchar_t shown[256]{};
        GetWindowTextW(control(id), shown, 256);
        return toUtf8(shown);
    }
    bool checked(CTRL id) const {
        return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void click(CTRL id) { test::click(dialog, id, false); }
    void choose(CTRL id, int index) {
        SendMessageW(control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control(id)));
    }
    void type(CTRL id, const char* typed) {
        SetWindowTextW(control(id), system::toWide(typed).c_str());
    }
    std::string cell(int row, int column) const {
        wchar_t shown[64]{};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = shown;
        item.cchTextMax = 64;
        SendMessageW(control(CTRL::COLORS), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return toUtf8(shown);
    }
    // A double click on a cell of the colour list, or a key on its selected row.
    void notifyColors(UINT code, int row, int column, WORD key = 0) {
        LVITEMW selected{};
        selected.state = selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(control(CTRL::COLORS), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&selected));
        NMLVKEYDOWN pressed{};
        NMITEMACTIVATE activated{};
        NMHDR& header = code == LVN_KEYDOWN ? pressed.hdr : activated.hdr;
        header = {control(CTRL::COLORS), static_cast<UINT_PTR>(CTRL::COLORS), code};
        activated.iItem = row;
        activated.iSubItem = column;
        pressed.wVKey = key;
        SendMessageW(dialog.hwnd(), WM_NOTIFY, static_cast<WPARAM>(CTRL::COLORS),
                     reinterpret_cast<LPARAM>(&header));
    }

    tvgui::test::RecordingWindow owner;
    drevak::DvkDocument settings;
    drevak::DvkDocument items;
    TavrinDialog dialog;
};

// The system's font and colour dialogs as they were before a test answered for them.
auto restoredChoices() {
    return system::ScopeGuard([saved = chooseCalls()] { chooseCalls() = saved; });
}

// Closes the message that says why an input was refused when it shows up, noting its text.
class FailureAnswer {
public:
    FailureAnswer() : timer_(SetTimer(nullptr, 0, 50, &FailureAnswer::tick)) { text.clear(); }
    ~FailureAnswer() { KillTimer(nullptr, timer_); }
    FailureAnswer(const FailureAnswer&) = delete;
    FailureAnswer& operator=(const FailureAnswer&) = delete;

    static inline std::string text;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        const HWND shown = FindWindowW(MESSAGE_BOX, nullptr);
        if (shown == nullptr) {
            return;
        }
        wchar_t message[1024]{};
        GetWindowTextW(GetDlgItem(shown, MESSAGE_TEXT), message, 1024);
        text = toUtf8(message);
        PostMessageW(shown, WM_COMMAND, MESSAGE_OK, 0);
    }

    UINT_PTR timer_;
};

TEST(TavrinDialogTest, EveryControlShowsTheStoredSetting) {
    Page page;
    const auto check = [&page](CTRL id) { return page.checked(id) ? "checked" : "unchecked"; };
    const auto keys = [&page] {
        const auto word =
            static_cast<WORD>(SendMessageW(page.control(CTRL::KEYS), HKM_GETHOTKEY, 0, 0));
        return std::to_string(HIBYTE(word)) + "+" + std::string(1, static_cast<char>(LOBYTE(word)));
    };
    const struct {
        const char* what;
        std::function<std::string()> shown;
        std::string expected;
    } rows[] = {
        {"position", [&] { return page.text(CTRL::POSITION); }, "右部"},
        {"front", [&] { return check(CTRL::FRONT); }, "checked"},
        {"folder", [&] { return check(CTRL::FOLDER_DEFAULT); }, "checked"},
        {"folder item", [&] { return check(CTRL::FOLDER_ITEM); }, "unchecked"},
        {"program", [&] { return page.text(CTRL::PROGRAM); }, "mail"},
        {"button icon", [&] { return check(CTRL::BUTTON_32); }, "checked"},
        {"button text", [&] { return check(CTRL::BUTTON_TEXT); }, "checked"},
        {"button list", [&] { return check(CTRL::BUTTON_LIST); }, "checked"},
        {"menu icon", [&] { return check(CTRL::MENU_32); }, "checked"},
        {"menu text", [&] { return page.text(CTRL::MENU_TEXT); }, "40"},
        {"desktop", [&] { return check(CTRL::MENU_DESKTOP); }, "checked"},
        {"command icon", [&] { return check(CTRL::COMMAND_32); }, "checked"},
        {"timer", [&] { return page.text(CTRL::TIMER); }, "1500"},
        {"font", [&] { return page.text(CTRL::FONT); }, "Tahoma 11pt"},
        // Alt+Ctrl stored, Alt+Ctrl in the control's own flags.
        {"keys", keys, std::to_string(HOTKEYF_ALT | HOTKEYF_CONTROL) + "+N"},
        {"id colours", [&] { return page.cell(0, 1) + " " + page.cell(0, 2); }, "#2040C0 既定"},
        {"name colours", [&] { return page.cell(1, 1) + " " + page.cell(1, 2); }, "既定 #FFF0C0"},
        {"tag colours", [&] { return page.cell(2, 1) + " " + page.cell(2, 2); }, "既定 既定"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.shown(), row.expected) << row.what;
    }
    EXPECT_TRUE(IsWindowEnabled(page.control(CTRL::MENU_DESKTOP)));
    // The item is offered only for opening folders with it.
    EXPECT_FALSE(IsWindowEnabled(page.control(CTRL::PROGRAM)));
    page.click(CTRL::FOLDER_ITEM);
    EXPECT_TRUE(IsWindowEnabled(page.control(CTRL::PROGRAM)));
}

// What a person sees is whole at the DPI: every control inside the client area, each box's
// controls inside their box, and no two controls overlapping except a box and its own.
TEST(TavrinDialogTest, TheBoxesHoldTheirControlsAndNothingOverlaps) {
    Page page;
    const SIZE client = page.dialog.clientSize();
    std::vector<std::pair<RECT, RECT>> placed;
    RECT box{};
    for (HWND child = GetWindow(page.dialog.hwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, page.dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        SCOPED_TRACE("control " + std::to_string(GetDlgCtrlID(child)));
        wchar_t kind[32]{};
        GetClassNameW(child, kind, 32);
        const bool isBox = (GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                           std::wstring(kind) == L"Button";
        if (isBox) {
            box = rect;
        }
        RECT common{};
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.cx &&
                    rect.bottom <= client.cy);
        // A drop-down list's window reaches below its row by design: its row is what shows.
        if (std::wstring(kind) == L"ComboBox") {
            rect.bottom = rect.top + 1;
        }
        EXPECT_TRUE(isBox || (IntersectRect(&common, &rect, &box) && EqualRect(&common, &rect)));
        for (const auto& [other, otherBox] : placed) {
            EXPECT_FALSE(IntersectRect(&common, &rect, &other) && !EqualRect(&other, &box));
        }
        placed.emplace_back(rect, box);
    }
}

// Leaving the page unchanged writes the very bytes that were there, every unshown setting and
// the header included, and so does a page whose desktop setting cannot be offered or whose
// hot key holds the Windows key the control cannot show.
TEST(TavrinDialogTest, LeavingAnUnchangedPageKeepsTheBytes) {
    const struct {
        bool desktopMenu;
        std::vector<std::string> lines;
    } cases[] = {
        {true, settingLines},
        {false, settingLines},
        {true, settingsWith({{"Launcher/Command/Keys", "Launcher/Command/Keys=9\t75"}})},
    };
    for (const auto& shown : cases) {
        Page page(shown.desktopMenu, shown.lines);
        const std::string before = file::documentFileBytes(page.settings);
        ASSERT_TRUE(before.find(";利用者の設定") != std::string::npos);
        EXPECT_TRUE(page.dialog.leavePage());
        EXPECT_EQ(file::documentFileBytes(page.dialog.document()), before);
        EXPECT_EQ(&page.dialog.document(), &page.settings);
        EXPECT_EQ(IsWindowEnabled(page.control(CTRL::MENU_DESKTOP)) != FALSE, shown.desktopMenu);
        EXPECT_EQ(page.text(CTRL::MENU_DESKTOP).find("DLL") != std::string::npos,
                  !shown.desktopMenu);
    }
}

// Each change made through the controls' messages reaches exactly its own lines.
TEST(TavrinDialogTest, ChangesThroughTheControlsReachOnlyTheirSettings) {
    const auto font = [](CHOOSEFONTW& request) {
        wcscpy_s(request.lpLogFont->lfFaceName, L"Courier New");
        request.lpLogFont->lfHeight = -MulDiv(14, GetDeviceCaps(GetDC(nullptr), LOGPIXELSY), 72);
        return TRUE;
    };
    const auto color = [](CHOOSECOLORW& request) {
        request.rgbResult = RGB(0x0A, 0x0B, 0x0C);
        return TRUE;
    };
    const struct {
        const char* what;
        std::function<void(Page&)> change;
        std::vector<std::pair<std::string, std::string>> lines;
    } rows[] = {
        {"position", [](Page& page) { page.choose(CTRL::POSITION, 0); }, {{"Window:", "Window:0"}}},
        {"explorer",
         [](Page& page) { page.click(CTRL::FOLDER_EXPLORER); },
         {{"Folder:", "Folder:1"}}},
        {"folder item",
         [](Page& page) {
             page.click(CTRL::FOLDER_ITEM);
             page.choose(CTRL::PROGRAM, 0);
         },
         {{"Folder:", "Folder:2"}, {"Folder/Program", "Folder/Program\\edit"}}},
        {"front",
         [](Page& page) { SendMessageW(page.control(CTRL::FRONT), BM_CLICK, 0, 0); },
         {{"Window/Front", "Window/Front:0"}}},
        // List mode needs text mode: dropping text drops the list.
        {"button text",
         [](Page& page) { SendMessageW(page.control(CTRL::BUTTON_TEXT), BM_CLICK, 0, 0); },
         {{"Launcher/Button/Text", "Launcher/Button/Text:0"},
          {"Launcher/Button/List", "Launcher/Button/List:0"}}},
        {"menu icon",
         [](Page& page) { page.click(CTRL::MENU_16); },
         {{"Launcher/Menu/Icon", "Launcher/Menu/Icon:0"}}},
        {"menu text",
         [](Page& page) { page.type(CTRL::MENU_TEXT, "2,147,483,647"); },
         {{"Launcher/Menu/Text", "Launcher/Menu/Text:2147483647"}}},
        {"timer",
         [](Page& page) { page.type(CTRL::TIMER, "0"); },
         {{"Launcher/Command/Timer", "Launcher/Command/Timer:0"}}},
        {"hot key",
         [](Page& page) {
             SendMessageW(page.control(CTRL::KEYS), HKM_SETHOTKEY,
                          MAKEWORD('K', HOTKEYF_ALT | HOTKEYF_SHIFT), 0);
         },
         {{"Launcher/Command/Keys", "Launcher/Command/Keys=5\t75"}}},
        {"font",
         [font](Page& page) {
             chooseCalls().font = font;
             page.click(CTRL::FONT);
             EXPECT_EQ(page.text(CTRL::FONT), "Courier New 14pt");
         },
         {{"Launcher/Command/Font/Name", "Launcher/Command/Font/Name\\Courier New"},
          {"Launcher/Command/Font/Size", "Launcher/Command/Font/Size:14"}}},
        {"colour cell",
         [color](Page& page) {
             chooseCalls().color = color;
             page.notifyColors(NM_DBLCLK, 2, 2);
             EXPECT_EQ(page.cell(2, 2), "#0A0B0C");
         },
         {{"Launcher/Command/Color/Tag", "Launcher/Command/Color/Tag!*\t0A0B0C"}}},
        {"colours reset",
         [](Page& page) { page.notifyColors(LVN_KEYDOWN, 0, 0, VK_DELETE); },
         {{"Launcher/Command/Color/ID", "Launcher/Command/Color/ID!*\t*"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto restore = restoredChoices();
        Page page;
        row.change(page);
        EXPECT_TRUE(page.dialog.leavePage());
        EXPECT_EQ(file::documentFileBytes(page.settings), bytesOf(settingsWith(row.lines)));
    }
}

// A value the page cannot take is refused with a reason; the page stays and nothing is
// written, not even the changes that were fine.
TEST(TavrinDialogTest, RefusedValuesKeepThePageAndTheDocument) {
    const struct {
        const char* what;
        std::function<void(Page&)> change;
        std::string reason;
    } rows[] = {
        {"no item",
         [](Page& page) {
             page.click(CTRL::FOLDER_ITEM);
             page.choose(CTRL::PROGRAM, -1);
         },
         "アイテム"},
        {"no number", [](Page& page) { page.type(CTRL::MENU_TEXT, "abc"); }, "文字列長"},
        {"too large", [](Page& page) { page.type(CTRL::TIMER, "2147483648"); }, "消滅時間"},
        {"negative", [](Page& page) { page.type(CTRL::TIMER, "-1"); }, "消滅時間"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Page page;
        const std::string before = file::documentFileBytes(page.settings);
        page.choose(CTRL::POSITION, 0);
        row.change(page);
        FailureAnswer answer;
        LoopGuard guard;
        EXPECT_FALSE(page.dialog.leavePage());
        EXPECT_NE(FailureAnswer::text.find(row.reason), std::string::npos) << FailureAnswer::text;
        EXPECT_EQ(file::documentFileBytes(page.settings), before);
    }
}

TEST(TavrinDialogTest, AFailingFontDialogRaisesItsErrorCodeAndACancelChangesNothing) {
    const auto restore = restoredChoices();
    Page page;
    chooseCalls().font = [](CHOOSEFONTW&) { return FALSE; };
    chooseCalls().error = [] { return static_cast<DWORD>(CDERR_STRUCTSIZE); };
    try {
        page.dialog.chooseCommandFont();
        ADD_FAILURE() << "no failure raised";
    } catch (const system::TavrinException& failure) {
        EXPECT_STREQ(failure.what(), "[FontDialog] ErrCode = 1");
    }
    chooseCalls().error = [] { return static_cast<DWORD>(0); };
    page.dialog.chooseCommandFont();
    EXPECT_EQ(page.text(CTRL::FONT), "Tahoma 11pt");
}

} // namespace
} // namespace tavrin::gui::test
