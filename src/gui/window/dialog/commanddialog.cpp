#include "gui/window/dialog/commanddialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/application.h"
#include "file/items/commandsearch.h"
#include "gui/control/titlebar.h"
#include "gui/window/dialog/commandpictures.h"
#include "gui/window/dialog/commandrow.h"
#include "gui/window/dialog/dialoglayout.h"
#include "shell/path.h"
#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/listbox.h"
#include "tvgui/draw/brush.h"
#include "tvgui/draw/font.h"
#include "tvgui/keyboard/accelerator.h"
#include "utility/addressscheme.h"
#include "utility/environment.h"

namespace tavrin::gui {
namespace {

using CTRL = CommandDialog::CTRL;
using CommandSearch = file::items::CommandSearch;
using COMMANDCOLOR = file::App::COMMANDCOLOR;
using ACCELERATOR = tvgui::ACCELERATOR;

// The rows shown at once; more scroll.
constexpr int SHOWN_ROWS = 10;
// Posted to the box by its picture loaders, and to itself to start looking up the pictures of
// the rows it drew without one.
constexpr UINT PICTURES = WM_APP + 0x10;
constexpr UINT LOOK_UP = WM_APP + 0x11;
constexpr auto HIDE_TIMER = tvgui::TIMER_ID{1};

// The commands of the box's own keys, beside the dialog's Enter and Escape.
enum class KEY : std::uint16_t { UP = 0xFF00, DOWN, PAGE_UP, PAGE_DOWN, COMPLETE, WITH_DIALOG };

tvgui::Accelerator commandKeys() {
    constexpr auto key = [](WORD virtualKey, KEY command,
                            ACCELERATOR::TYPE with = ACCELERATOR::TYPE::NONE) {
        return ACCELERATOR{ACCELERATOR::TYPE::FVIRTKEY | with, virtualKey,
                           static_cast<std::uint16_t>(command)};
    };
    const ACCELERATOR keys[] = {
        key(VK_UP, KEY::UP),         key(VK_DOWN, KEY::DOWN),
        key(VK_PRIOR, KEY::PAGE_UP), key(VK_NEXT, KEY::PAGE_DOWN),
        key(VK_TAB, KEY::COMPLETE),  key(VK_RETURN, KEY::WITH_DIALOG, ACCELERATOR::TYPE::FCONTROL)};
    return tvgui::defaultDialogAccelerator().add(keys);
}

// The stored font's point size at the window's DPI; a font of the default height stays so.
tvgui::Font commandFont(app::Application& application, int dpi) {
    tvgui::Font font = application.settings().CommandFont();
    if (const int points = font.pointSize(); points > 0) {
        font.pointSizeAt(points, dpi);
    }
    return font;
}

COMMANDCOLOR colorOf(CommandSearch::MATCH match) {
    switch (match) {
    case CommandSearch::MATCH::ID:
        return COMMANDCOLOR::ID;
    case CommandSearch::MATCH::NAME:
        return COMMANDCOLOR::NAME;
    case CommandSearch::MATCH::TAG:
        break;
    }
    return COMMANDCOLOR::TAG;
}

std::string captionOf(const file::items::ItemKeys& item) {
    return item.name.empty() ? item.id : item.name;
}

// The row of a candidate, without its picture; a name found by itself shows no key, being
// the caption already.
CommandRow rowOf(const CommandSearch& search, const CommandSearch::Candidate& candidate) {
    const file::items::ItemKeys& keys = search.items().at(candidate.position);
    std::string caption = captionOf(keys);
    std::string key = candidate.key == caption ? std::string() : candidate.key;
    return {std::move(caption), std::move(key), nullptr, true};
}

// Whether the typed text names something on disk; asked only on Enter.
bool namesExistingPath(const std::string& typed) {
    try {
        shell::isFolder(system::toWide(utility::expandEnvironment(typed)));
        return true;
    } catch (const system::TavrinFileException&) {
        return false;
    }
}

} // namespace

struct CommandDialog::Parts {
    Parts(CommandDialog& dialog, app::Application& application)
        : search(application.commandSearch()), font(commandFont(application, dialog.dpi())),
          title(itemId(CTRL::TITLE), dialog), edit(itemId(CTRL::EDIT), dialog),
          list(itemId(CTRL::LIST), dialog,
               static_cast<tvgui::ListBox::TYPE>(WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                                 LBS_NOINTEGRALHEIGHT)),
          metrics{
              dialog.scale(image::pixelSize(app::iconSizeOf(application.settings().CommandIcon()))),
              dialog.scale(2)},
          pictures(application, dialog.hwnd(), PICTURES, metrics.iconPixels),
          normal(application.settings().CommandColor(COMMANDCOLOR::NORMAL)),
          editBrush(normal.background) {
        title.position(TitleBar::POSITION::HORIZONTAL);
        edit.setFont(font);
        list.setFont(font);
        list.show(tvgui::SHOW::HIDE);
        rowHeight =
            std::max(metrics.iconPixels, font.pixelHeight(dialog.dpi())) + 2 * metrics.margin;
        SendMessageW(list.hwnd(), LB_SETITEMHEIGHT, 0, rowHeight);
        for (const COMMANDCOLOR kind : {COMMANDCOLOR::ID, COMMANDCOLOR::NAME, COMMANDCOLOR::TAG}) {
            rowColors.push_back(application.settings().CommandColor(kind));
        }
    }

    CommandSearch& search;
    tvgui::Font font;
    TitleBar title;
    tvgui::EditLine edit;
    tvgui::ListBox list;
    CommandRowMetrics metrics;
    int rowHeight = 0;
    CommandPictures pictures;
    file::App::ColorPair normal;
    tvgui::Brush editBrush;
    std::vector<file::App::ColorPair> rowColors;
    std::vector<CommandSearch::Candidate> candidates;
    bool lookUpPosted = false;
};

CommandDialog::CommandDialog(app::Application& application, tvgui::TvGui& owner,
                             ShowFailure showFailure, OpenExecuteDialog openExecuteDialog)
    : ModelessDialog(tvgui::DIALOG_ID::MAIN, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW,
                     WS_DLGFRAME | WS_THICKFRAME, &owner),
      application_(application), showFailure_(std::move(showFailure)),
      openExecuteDialog_(std::move(openExecuteDialog)) {
    createWindow();
    setAccelerator(std::make_unique<tvgui::Accelerator>(commandKeys()));
    parts_ = std::make_unique<Parts>(*this, application);
}

// The controls go before the window, which would otherwise take them along.
CommandDialog::~CommandDialog() = default;

void CommandDialog::showAtPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    move(pointer.x, pointer.y, scale(100), scale(100), true);
    parts_->edit.setText("");
    refresh();
    show(tvgui::SHOW::SHOWNORMAL);
    setForeground();
    parts_->edit.focus();
    restartTimer();
}

int CommandDialog::lineHeight() const {
    return parts_->font.pixelHeight(dpi()) + 2 * scale(GetSystemMetrics(SM_CYEDGE));
}

void CommandDialog::OnSize(tvgui::SIZE_TYPE, int width, int height) {
    if (!parts_) {
        return;
    }
    parts_->title.fitToOwner();
    const int top = parts_->title.thickness();
    const int line = lineHeight();
    parts_->edit.move(0, top, width, line, true);
    parts_->list.move(0, top + line, width, std::max(0, height - top - line), true);
}

void CommandDialog::OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) {
    ModelessDialog::OnActivate(state, minimized, other);
    if (!parts_) {
        return;
    }
    const bool active = state != tvgui::WINDOW_ACTIVE::INACTIVE;
    parts_->title.setActive(active);
    if (!active && !keepOnDeactivation_ && isVisible()) {
        hide();
    }
}

void CommandDialog::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (!parts_) {
        return;
    }
    if (item.CtlID == static_cast<UINT>(CTRL::TITLE)) {
        parts_->title.drawItem(item);
        return;
    }
    if (item.CtlID != static_cast<UINT>(CTRL::LIST) || item.itemID >= parts_->candidates.size()) {
        return;
    }
    const CommandSearch::Candidate& candidate = parts_->candidates[item.itemID];
    CommandRow row = rowOf(parts_->search, candidate);
    const CommandPictures::Row known =
        parts_->pictures.row(parts_->search.items().at(candidate.position).id);
    row.icon = known.icon;
    row.usable = known.usable;
    if (parts_->pictures.hasQueued() && !parts_->lookUpPosted) {
        parts_->lookUpPosted = PostMessageW(hwnd(), LOOK_UP, 0, 0) != FALSE;
    }
    const file::App::ColorPair& pair =
        parts_->rowColors.at(static_cast<std::size_t>(colorOf(candidate.match)));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    drawCommandRow(item.hDC, item.rcItem, row, parts_->metrics,
                   selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : pair.text,
                   selected ? GetSysColor(COLOR_HIGHLIGHT) : pair.background);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

bool CommandDialog::OnAccelerator(tvgui::COMMAND_ID id) {
    if (!parts_) {
        return ModelessDialog::OnAccelerator(id);
    }
    restartTimer();
    switch (static_cast<ACCELERATOR_DEFKEY>(id)) {
    case ACCELERATOR_DEFKEY::ESCAPE:
        hide();
        return true;
    case ACCELERATOR_DEFKEY::ENTER:
        start(false);
        return true;
    }
    switch (static_cast<KEY>(id)) {
    case KEY::UP:
        moveSelection(-1);
        return true;
    case KEY::DOWN:
        moveSelection(1);
        return true;
    case KEY::PAGE_UP:
        moveSelection(-SHOWN_ROWS);
        return true;
    case KEY::PAGE_DOWN:
        moveSelection(SHOWN_ROWS);
        return true;
    case KEY::COMPLETE:
        if (const std::optional<int> chosen = parts_->list.selectedIndex();
            !parts_->candidates.empty()) {
            parts_->edit.setText(
                parts_->candidates.at(static_cast<std::size_t>(chosen.value_or(0))).key);
            SendMessageW(parts_->edit.hwnd(), EM_SETSEL, parts_->edit.textLength(),
                         parts_->edit.textLength());
        }
        return true;
    case KEY::WITH_DIALOG:
        start(true);
        return true;
    }
    return ModelessDialog::OnAccelerator(id);
}

bool CommandDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui&) {
    if (!parts_) {
        return false;
    }
    const auto code = static_cast<WORD>(type);
    if (id == itemId(CTRL::EDIT) && code == EN_CHANGE) {
        restartTimer();
        refresh();
        return true;
    }
    if (id == itemId(CTRL::LIST) && code == LBN_DBLCLK) {
        start(false);
        return true;
    }
    return false;
}

void CommandDialog::OnTimer(tvgui::TIMER_ID id) {
    if (id == HIDE_TIMER) {
        hide();
    }
}

bool CommandDialog::OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!parts_) {
        return false;
    }
    switch (message) {
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) != parts_->edit.hwnd()) {
            return false;
        }
        SetTextColor(reinterpret_cast<HDC>(wParam), parts_->normal.text);
        SetBkColor(reinterpret_cast<HDC>(wParam), parts_->normal.background);
        result = reinterpret_cast<LRESULT>(parts_->editBrush.get());
        return true;
    case LOOK_UP:
        parts_->lookUpPosted = false;
        parts_->pictures.startQueued();
        return true;
    case PICTURES:
        if (parts_->pictures.take(wParam)) {
            parts_->list.invalidate(false);
        }
        return true;
    default:
        return false;
    }
}

void CommandDialog::refresh() {
    parts_->candidates = parts_->search.find(parts_->edit.text());
    tvgui::ListBox& list = parts_->list;
    list.redraw(false);
    list.clear();
    for (const CommandSearch::Candidate& candidate : parts_->candidates) {
        list.add(captionOf(parts_->search.items().at(candidate.position)));
    }
    // The first row is what Enter starts until another is chosen: it shows so.
    list.selectIndex(parts_->candidates.empty() ? -1 : 0);
    list.redraw(true);
    list.invalidate(true);
    fitToRows();
}

// The title bar and the line, and under them up to the shown rows, wide enough for their
// captions and keys, kept inside the work area of the monitor the box stands on.
void CommandDialog::fitToRows() {
    const int rows = std::min(static_cast<int>(parts_->candidates.size()), SHOWN_ROWS);
    parts_->list.show(rows > 0 ? tvgui::SHOW::SHOWNA : tvgui::SHOW::HIDE);
    const RECT frame = windowRect();
    SIZE client = clientSize();
    const int chrome = (frame.right - frame.left) - client.cx;
    const int top = parts_->title.thickness();
    const int line = lineHeight();
    int width = scale(100);
    int height = scale(100);
    if (rows > 0) {
        const HDC dc = GetDC(parts_->list.hwnd());
        const system::ScopeGuard released([&] { ReleaseDC(parts_->list.hwnd(), dc); });
        const HGDIOBJ old = SelectObject(dc, parts_->font.get());
        const system::ScopeGuard restored([&] { SelectObject(dc, old); });
        int widest = 0;
        for (const CommandSearch::Candidate& candidate : parts_->candidates) {
            widest = std::max(
                widest, commandRowWidth(dc, rowOf(parts_->search, candidate), parts_->metrics));
        }
        width = std::max(width, widest + GetSystemMetricsForDpi(SM_CXVSCROLL, dpi()) + chrome);
        height = (frame.bottom - frame.top) - client.cy + top + line + rows * parts_->rowHeight;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    width = std::min<int>(width, work.right - work.left);
    height = std::min<int>(height, work.bottom - work.top);
    const int x = std::clamp<int>(frame.left, work.left, work.right - width);
    const int y = std::clamp<int>(frame.top, work.top, work.bottom - height);
    move(x, y, width, height, true);
}

void CommandDialog::moveSelection(int by) {
    const int count = static_cast<int>(parts_->candidates.size());
    if (count == 0) {
        return;
    }
    const int from = parts_->list.selectedIndex().value_or(0);
    parts_->list.selectIndex(std::clamp(from + by, 0, count - 1));
}

void CommandDialog::start(bool withDialog) {
    const std::string typed = parts_->edit.text();
    if (parts_->candidates.empty()) {
        if (!withDialog) {
            startTyped(typed);
        }
        return;
    }
    const std::size_t chosen = static_cast<std::size_t>(parts_->list.selectedIndex().value_or(0));
    const std::string id = parts_->search.items().at(parts_->candidates.at(chosen).position).id;
    // The failure is shown over the box, which keeps its text for another try.
    keepOnDeactivation_ = true;
    const system::ScopeGuard released([this] { keepOnDeactivation_ = false; });
    try {
        file::Item item(id, application_.itemsNode());
        if (withDialog) {
            hide();
            openExecuteDialog_(item, std::nullopt);
            return;
        }
        application_.execute(item, nullptr);
        hide();
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

// Text that names no item still starts when it is a path on disk or an address.
void CommandDialog::startTyped(const std::string& typed) {
    if (typed.empty() || (!utility::hasAddressScheme(typed) && !namesExistingPath(typed))) {
        MessageBeep(MB_OK);
        return;
    }
    keepOnDeactivation_ = true;
    const system::ScopeGuard released([this] { keepOnDeactivation_ = false; });
    try {
        application_.executePath(typed);
        hide();
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

void CommandDialog::hide() {
    killTimer(HIDE_TIMER);
    show(tvgui::SHOW::HIDE);
}

void CommandDialog::restartTimer() {
    killTimer(HIDE_TIMER);
    if (const auto timer = application_.settings().Timer(); timer > 0) {
        setTimer(HIDE_TIMER,
                 static_cast<UINT>(std::min<file::App::Integer>(timer, USER_TIMER_MAXIMUM)));
    }
}

} // namespace tavrin::gui
