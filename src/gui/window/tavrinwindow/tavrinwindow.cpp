#include "gui/window/tavrinwindow/tavrinwindow.h"

#include <chrono>
#include <utility>

#include "app/application.h"
#include "dll/desktop.h"
#include "gui/control/emptybarhint.h"
#include "gui/window/dialog/commanddialog.h"
#include "gui/window/dialog/exceptiondialog.h"
#include "gui/window/dialog/execdialog.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/dialog/settingdialog.h"
#include "gui/window/dialog/versiondialog.h"
#include "gui/window/tavrinwindow/placement.h"
#include "gui/window/tavrinwindow/windowmenu.h"
#include "gui/window/tavrinwindow/windowmessages.h"
#include "shell/dropfile.h"
#include "system/controller.h"
#include "system/log.h"
#include "system/scopeguard.h"
#include "system/staticdata.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::gui {

using tvgui::HT;
using tvgui::SHOW;

namespace {

constexpr DWORD EX_STYLE = WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD STYLE = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
// What the tray icon's tip names.
constexpr std::string_view PROGRAM_NAME = "Tavrin";

// A change is written once this long has passed without another, so that dragging or a run
// of starts writes once; the timer looks twice as often.
constexpr auto SAVE_QUIET = std::chrono::seconds(2);
constexpr UINT STEP_INTERVAL_MS = 1000;

// A monitor removed since the launcher last floated would leave it out of reach: it comes
// back onto the nearest work area.
placement::Placement reachable(placement::Placement floating) {
    const RECT rect{floating.x, floating.y, floating.x + floating.width,
                    floating.y + floating.height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr ||
        !GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return floating;
    }
    return placement::ontoWorkArea(floating, monitor.rcWork);
}

// The hook library as the window holds it: what a desktop click opens may reload the settings
// or end the window, which replaces or releases the library before the pause ends.
class HeldHooker final : public system::IController {
public:
    explicit HeldHooker(const std::unique_ptr<dll::HookerDLL>& hooker) : hooker_(hooker) {}
    void start() override {
        if (hooker_) {
            hooker_->start();
        }
    }
    void stop() override {
        if (hooker_) {
            hooker_->stop();
        }
    }
    bool isRunning() const override { return hooker_ && hooker_->isRunning(); }

private:
    const std::unique_ptr<dll::HookerDLL>& hooker_;
};

} // namespace

TavrinWindow::TavrinWindow(std::unique_ptr<app::Application> application,
                           std::function<void()> endSession)
    : MainWindow(EX_STYLE, STYLE, nullptr), application_(std::move(application)),
      endSession_(std::move(endSession)) {
    createWindow();
    acceptFiles(true);
}

TavrinWindow::~TavrinWindow() {
    // The launcher and the hot key lean on the children and the window: they go first.
    buttonLauncher_.reset();
    hotKey_.reset();
}

void TavrinWindow::OnCreate() {
    buildChildren();
    // setPosition gives the window its place once the settings are applied.
    move(0, 0, 0, 0, true);
}

void TavrinWindow::buildChildren() {
    releaseChildren();
    const ShowFailure failure = [this](const std::exception& shown) { showFailure(shown); };
    const OpenExecuteDialog open = [this](file::Item& item,
                                          const std::optional<std::string>& option) {
        openExecuteDialog(item, option);
    };
    taskTray_ = std::make_unique<TavrinTaskTray>(*this, TASKTRAY);
    toolBar_ = std::make_unique<TavrinToolBar>(
        *application_, CTRL_TOOLBAR, *this, failure, open,
        [this](const std::vector<std::string>& paths) { addDropped(paths); });
    toolTip_ = std::make_unique<TavrinToolTip>(*this);
    titleBar_ = std::make_unique<TavrinTitleBar>(CTRL_TITLEBAR, *this);
    buttonLauncher_ =
        std::make_unique<ButtonLauncher>(*application_, *toolTip_, *toolBar_, failure, open);
}

void TavrinWindow::releaseChildren() {
    buttonLauncher_.reset();
    taskTray_.reset();
    const auto destroyed = [](auto& child) {
        if (child) {
            child->destroy();
            child.reset();
        }
    };
    destroyed(toolBar_);
    destroyed(toolTip_);
    destroyed(titleBar_);
    destroyed(commandDialog_);
}

void TavrinWindow::addTrayIcon() {
    // The launcher is still reached through its window and hot key; the icon comes back when
    // the shell announces a new task bar.
    try {
        taskTray_->addIcon();
    } catch (const system::TavrinException& failure) {
        system::WriteLog([&failure] { return "タスクトレイ登録失敗\r\n" + failure.toString(); });
    }
}

void TavrinWindow::initialize() {
    if (initialized_) {
        buildChildren();
    } else {
        initialized_ = true;
        application_->selectDefaultGroups();
    }
    buttonLauncher_->rebuild();
    buttonsChanged();
    menuLauncher_ = std::make_unique<MenuLauncher>(
        *application_, [this](const std::exception& shown) { showFailure(shown); });
    registerHotKey();
    loadHooker();
    setPosition(application_->settings().Position(), false);
    // Children built anew in a window that kept its size get no size message of their own.
    placeChildren();
    topMost(application_->settings().Front());
    setTimer(STEP_TIMER, STEP_INTERVAL_MS);
    // The shell's tray and the pictures of the menu launcher's items take their time: the
    // window shows first.
    PostMessageW(hwnd(), SHOWN, 0, 0);
}

void TavrinWindow::registerHotKey() {
    hotKey_.reset();
    const std::vector<file::App::Integer> keys = application_->settings().CommandKeys();
    if (keys.size() >= 2) {
        hotKey_ = std::make_unique<tvgui::HotKey>(
            hwnd(), HK_EXECUTE, static_cast<tvgui::MOD>(keys[0]), static_cast<tvgui::KEY>(keys[1]));
    }
    if (!hotKey_ || !hotKey_->registerKey()) {
        system::WriteLog("ホットキー競合？");
    }
}

void TavrinWindow::setPosition(POSITION position, bool save) {
    file::App& settings = application_->settings();
    // Every docked period has a bar of its own: the shell forgets the one being left.
    appBar_.reset();
    // Only a place that differs from the stored one is written: the file stays as it is
    // otherwise.
    const std::string stored = application_->appDocument().toString();
    if (save) {
        storeLeaving(settings.Position());
    }
    if (position != POSITION::HIDDEN) {
        // Along a side edge the strip lies across the top; otherwise it stands at the left.
        const bool across = position == POSITION::LEFT || position == POSITION::RIGHT;
        titleBar_->position(across ? TitleBar::POSITION::HORIZONTAL : TitleBar::POSITION::VERTICAL);
    }
    placement::Placement place;
    if (placement::isDocked(position)) {
        appBar_ = std::make_unique<ApplicationDesktopToolBar>(*this, APPBAR);
        RECT workArea{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
        place = placement::dockedPlacement(position, workArea,
                                           static_cast<int>(settings.EdgeSize(position)));
    } else if (position == POSITION::FLOAT) {
        place = floatingPlace();
    }
    settings.Position(position);
    if (application_->appDocument().toString() != stored) {
        application_->markChanged(app::Application::DOCUMENT::APPLICATION);
    }
    if (position == POSITION::HIDDEN) {
        show(SHOW::HIDE);
    } else {
        // A place taken again (a reload after an edit elsewhere) must not take the user's
        // window from the front or the keyboard from it.
        const UINT activation = unasked_ ? SWP_NOACTIVATE : 0;
        TvGui::setPosition(AFTER::TOP, place.x, place.y, place.width, place.height,
                           static_cast<SWP>(SWP_NOZORDER | SWP_FRAMECHANGED | activation));
        refreshOwnFrame();
        show(unasked_ ? SHOW::SHOWNA : SHOW::SHOW);
        if (appBar_) {
            // The docked positions are numbered as the shell numbers its edges.
            appBar_->dock(static_cast<ApplicationDesktopToolBar::ABE>(position));
        }
    }
    refreshOwnFrame();
}

void TavrinWindow::refreshOwnFrame() {
    if (unasked_) {
        TvGui::setPosition(AFTER::TOP, 0, 0, 0, 0,
                           SWP::NOSIZE | SWP::NOMOVE | SWP::NOZORDER | SWP::NOACTIVATE |
                               SWP::FRAMECHANGED);
    } else {
        refreshFrame();
    }
}

void TavrinWindow::storeLeaving(POSITION current) {
    file::App& settings = application_->settings();
    const RECT rect = windowRect();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    switch (current) {
    case POSITION::LEFT:
    case POSITION::RIGHT:
        settings.EdgeSize(current, width);
        break;
    case POSITION::TOP:
    case POSITION::BOTTOM:
        settings.EdgeSize(current, height);
        break;
    case POSITION::FLOAT: {
        // The place fitting chose is no user's: it is made again at the next start.
        const placement::Placement fitted = fittedPlace();
        if (settings.FloatSizeChosen() ||
            placement::Placement{rect.left, rect.top, width, height} != fitted) {
            settings.FloatPos(rect.left, rect.top);
            settings.FloatSize(width, height);
        }
        break;
    }
    case POSITION::HIDDEN:
        break;
    }
}

placement::Placement TavrinWindow::floatingPlace() const {
    const file::App& settings = application_->settings();
    if (!settings.FloatSizeChosen()) {
        return fittedPlace();
    }
    const auto [x, y] = settings.FloatPos();
    const auto [width, height] = settings.FloatSize();
    return reachable({static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                      static_cast<int>(height)});
}

placement::Placement TavrinWindow::fittedPlace() const {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const SIZE frame = frameSize();
    const SIZE title = titleSize();
    const int count = toolBar_ ? toolBar_->buttonCount() : 0;
    const SIZE content =
        count > 0 ? placement::buttonRows(count, buttonSize(),
                                          workArea.right - workArea.left - frame.cx - title.cx)
                  : EmptyBarHint::extent(dpi());
    return placement::fittedPlacement(content, frame, title, workArea);
}

void TavrinWindow::buttonsChanged() {
    const std::string& group = application_->currentGroup();
    taskTray_->setTip(group.empty() ? std::string(PROGRAM_NAME)
                                    : std::string(PROGRAM_NAME) + " - " + group + " / " +
                                          application_->currentSubGroup());
    const file::App& settings = application_->settings();
    if (settings.Position() == POSITION::FLOAT && !settings.FloatSizeChosen() && isVisible()) {
        const placement::Placement place = fittedPlace();
        TvGui::setPosition(AFTER::TOP, place.x, place.y, place.width, place.height,
                           static_cast<SWP>(SWP_NOZORDER | SWP_NOACTIVATE));
    }
}

void TavrinWindow::OnSize(tvgui::SIZE_TYPE, int, int) {
    placeChildren();
}

void TavrinWindow::placeChildren() {
    if (!titleBar_ || !toolBar_) {
        return;
    }
    titleBar_->fitToOwner();
    const int thickness = titleBar_->thickness();
    SIZE client{};
    if (!clientSize(client)) {
        throw system::TavrinGuiException("sizeTune:OwnerWnd.clientSize");
    }
    if (titleBar_->isVertical()) {
        toolBar_->move(thickness, 0, client.cx - thickness, client.cy, true);
    } else {
        toolBar_->move(0, thickness, client.cx, client.cy - thickness, true);
    }
}

// The frame the window really has around its client area, at its DPI, whatever its size now.
SIZE TavrinWindow::frameSize() const {
    RECT frame{};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)),
                             static_cast<UINT>(dpi()));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The room a button takes in the bar, its drop-down arrow included.
SIZE TavrinWindow::buttonSize() const {
    const bool hasButtons = toolBar_ && toolBar_->buttonCount() > 0;
    const RECT first = hasButtons ? toolBar_->buttonRect(1).value_or(RECT{}) : RECT{};
    return placement::sizingButton(
        hasButtons, {first.right - first.left, first.bottom - first.top},
        {GetSystemMetricsForDpi(SM_CXSMSIZE, dpi()), GetSystemMetricsForDpi(SM_CYSMSIZE, dpi())});
}

SIZE TavrinWindow::titleSize() const {
    if (!titleBar_) {
        return {};
    }
    const int thickness = titleBar_->thickness();
    return titleBar_->isVertical() ? SIZE{thickness, 0} : SIZE{0, thickness};
}

void TavrinWindow::OnEnterSizeMove() {
    drag_ = placement::Drag{windowRect(), windowRect()};
}

// Outside a drag the rectangle proposed is all there is to go by.
void TavrinWindow::OnSizing(tvgui::SIDEFLAG side, RECT& rect) {
    placement::Drag outside{rect, rect};
    placement::snapSizing(side, rect, drag_ ? *drag_ : outside, frameSize(), buttonSize(),
                          titleSize());
}

bool TavrinWindow::OnMinMax(POINT&, POINT&, POINT&, POINT& minTrackSize) {
    minTrackSize = placement::minimumTrackSize(frameSize(), buttonSize(), titleSize());
    return true;
}

HT TavrinWindow::OnHitTest(int, int, HT code) {
    return placement::dockedHitTest(application_->settings().Position(), code);
}

bool TavrinWindow::OnNonClientMouseLeftDown(HT code, int, int) {
    return code == HT::CAPTION && application_->settings().Position() != POSITION::FLOAT;
}

void TavrinWindow::OnExitSizeMove() {
    drag_.reset();
    setPosition(application_->settings().Position(), true);
    redock();
}

void TavrinWindow::OnActivate(tvgui::WINDOW_ACTIVE state, bool, HWND) {
    if (titleBar_) {
        titleBar_->setActive(state != tvgui::WINDOW_ACTIVE::INACTIVE);
    }
    if (appBar_) {
        appBar_->activate();
    }
}

void TavrinWindow::OnPositionChanged(WINDOWPOS&) {
    if (appBar_) {
        appBar_->positionChanged();
    }
}

void TavrinWindow::OnDisplayChange(int, int, int) {
    redock();
}

void TavrinWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (!appBar_) {
        MainWindow::OnDpiChanged(dpi, suggested);
        return;
    }
    // The shell owns a docked bar's place: the bar takes the size the system scaled for the
    // new DPI where it stands, and goes back to its edge with that thickness.
    const RECT now = windowRect();
    MainWindow::OnDpiChanged(dpi, {now.left, now.top, now.left + suggested.right - suggested.left,
                                   now.top + suggested.bottom - suggested.top});
    redock();
}

void TavrinWindow::redock() {
    if (appBar_) {
        appBar_->dock(appBar_->edge());
    }
}

void TavrinWindow::onAppBar(UINT notification, bool fullScreenOpened) {
    // A notification that arrives after the bar was left concerns no bar any more.
    if (!appBar_) {
        return;
    }
    if (notification == ABN_POSCHANGED) {
        redock();
    } else if (notification == ABN_FULLSCREENAPP) {
        show(fullScreenOpened ? SHOW::HIDE : SHOW::SHOWNORMAL);
    }
}

bool TavrinWindow::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE, TvGui& sender) {
    if (!toolBar_ || &sender != toolBar_.get() || !buttonLauncher_) {
        return false;
    }
    buttonLauncher_->pressed(static_cast<int>(id));
    return true;
}

void TavrinWindow::OnContextMenu(TvGui*, int, int) {
    if (buttonLauncher_) {
        guarded(*this, [this] { buttonLauncher_->showGroupMenu(*this); });
        buttonsChanged();
    }
}

void TavrinWindow::OnDropFiles(shell::DropFile& files) {
    addDropped(files.files());
}

void TavrinWindow::addDropped(const std::vector<std::string>& paths) {
    droppedToAdd_.insert(droppedToAdd_.end(), paths.begin(), paths.end());
    PostMessageW(hwnd(), ADD_DROPPED, 0, 0);
}

// Building anew takes the application from under whatever holds it: the drop waits for the
// timer's next look while a dialog, a menu or the command box is open.
void TavrinWindow::addPendingDrop() {
    if (droppedToAdd_.empty() || !applicationFree()) {
        return;
    }
    const std::vector<std::string> paths = std::exchange(droppedToAdd_, {});
    try {
        const file::Main::Selection landed = application_->writeDroppedItems(paths);
        application_->currentGroup(landed.group);
        application_->currentSubGroup(landed.subGroup);
    } catch (const std::exception& failure) {
        showFailure(failure);
        return;
    }
    reload();
}

LRESULT TavrinWindow::OnNotify(NMHDR& header, tvgui::ITEM_ID) {
    if (header.code == static_cast<UINT>(TBN_DROPDOWN) && buttonLauncher_ && toolBar_ &&
        header.hwndFrom == toolBar_->hwnd()) {
        buttonLauncher_->onDropDown(reinterpret_cast<const NMTOOLBARW&>(header), *this);
    }
    return 0;
}

void TavrinWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (measureLauncherMenus(item)) {
        return;
    }
    if (buttonLauncher_) {
        buttonLauncher_->measureItem(item, hwnd());
    }
}

void TavrinWindow::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (drawLauncherMenus(item) || (buttonLauncher_ && buttonLauncher_->drawItem(item))) {
        return;
    }
    if (item.CtlType == ODT_BUTTON && titleBar_) {
        titleBar_->drawItem(item);
    }
}

bool TavrinWindow::OnInitMenuPopup(HMENU menu, int, bool) {
    return buttonLauncher_ && buttonLauncher_->fillFileMenu(menu);
}

void TavrinWindow::OnEnable(bool enabled) {
    // Neither fires while a modal dialog is open.
    if (hotKey_) {
        enabled ? hotKey_->registerKey() : hotKey_->unregisterKey();
    }
    switchHooker(enabled);
}

void TavrinWindow::OnTimer(tvgui::TIMER_ID id) {
    if (id != STEP_TIMER) {
        return;
    }
    addPendingDrop();
    followDisk();
    if (application_->changesSettled(SAVE_QUIET)) {
        application_->saveChanged();
    }
}

void TavrinWindow::OnDestroy() {
    killTimer(STEP_TIMER);
    RemovePropW(hwnd(), DISK_LOOKS);
    buttonLauncher_.reset();
    menuLauncher_.reset();
    hotKey_.reset();
    appBar_.reset();
    hooker_.reset();
    taskTray_.reset();
    MainWindow::OnDestroy();
}

bool TavrinWindow::OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    switch (message) {
    case APPBAR:
        onAppBar(static_cast<UINT>(wParam), lParam != 0);
        return true;
    case TASKTRAY:
        if (lParam != WM_LBUTTONDOWN && lParam != WM_RBUTTONUP && lParam != WM_MBUTTONDOWN) {
            return false;
        }
        onTray(static_cast<UINT>(lParam));
        return true;
    case BUTTON_LIST:
        if (buttonLauncher_) {
            buttonLauncher_->showButtonList(*this);
        }
        return true;
    case COME_FORWARD:
        comeForward();
        return true;
    case ADD_DROPPED:
        addPendingDrop();
        return true;
    case SHOWN:
        if (taskTray_) {
            addTrayIcon();
        }
        if (menuLauncher_) {
            menuLauncher_->rebuild();
        }
        return true;
    case HOOK_MOUSE:
        onHookMouse(static_cast<UINT>(wParam), dll::unpackPoint(lParam));
        return true;
    case WM_ENDSESSION:
        // The process may end without another message: the data is written now.
        if (wParam) {
            endSession_();
        }
        return true;
    default:
        break;
    }
    if (message == TaskTray::taskbarCreatedMessage()) {
        system::WriteLog("タスクバー再登録につきタスクトレイへ再配置");
        if (taskTray_) {
            addTrayIcon();
        } else {
            system::WriteLog("タスクトレイに登録出来なかった？");
        }
        return true;
    }
    return false;
}

void TavrinWindow::onTray(UINT mouseMessage) {
    if (!isEnabled()) {
        // A modal dialog is open: it is what the user gets to.
        if (const HWND popUp = GetWindow(hwnd(), GW_ENABLEDPOPUP)) {
            SetForegroundWindow(popUp);
        }
        return;
    }
    setForeground();
    if (mouseMessage == WM_RBUTTONUP) {
        showWindowMenu();
    } else if (mouseMessage == WM_LBUTTONDOWN) {
        SendMessageW(hwnd(), WM_MBUTTONDOWN, 0, 0);
    } else {
        showProcessMenu();
    }
    // A menu tracked for a tray icon closes properly only after the owner gets a message.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void TavrinWindow::comeForward() {
    if (!isEnabled()) {
        if (const HWND popUp = GetWindow(hwnd(), GW_ENABLEDPOPUP)) {
            SetForegroundWindow(popUp);
        }
        return;
    }
    // A hidden launcher has no window to show: its menu launcher opens instead.
    if (application_->settings().Position() == POSITION::HIDDEN) {
        setForeground();
        showMenuLauncher();
        PostMessageW(hwnd(), WM_NULL, 0, 0);
        return;
    }
    show(SHOW::SHOW);
    setForeground();
}

void TavrinWindow::showWindowMenu() {
    file::App& settings = application_->settings();
    const WindowMenu::State state{
        settings.Position(), settings.Front(),
        GetFileAttributesW(system::toWide(system::StaticData::HelpFile()).c_str()) !=
            INVALID_FILE_ATTRIBUTES};
    const WindowMenu::ID chosen = WindowMenu::choose(state, hwnd());
    guarded(*this, [this, chosen, &settings] {
        if (const auto position = WindowMenu::position(chosen)) {
            setPosition(*position, true);
            return;
        }
        switch (chosen) {
        case WindowMenu::NONE:
            return;
        case WindowMenu::FRONT:
            settings.Front(!settings.Front());
            application_->markChanged(app::Application::DOCUMENT::APPLICATION);
            topMost(settings.Front());
            return;
        case WindowMenu::SETTINGS:
            // A size the system changed without a drag (a new DPI) is what the dialog copies.
            setPosition(settings.Position(), true);
            openSettings();
            return;
        case WindowMenu::HELP:
            application_->executePath(system::StaticData::HelpFile());
            return;
        case WindowMenu::VERSION: {
            TavrinVersion version(*this);
            version.showModal();
            return;
        }
        case WindowMenu::EXIT:
            destroy();
            return;
        default:
            throw system::TavrinGuiError("window menu id " + std::to_string(chosen));
        }
    });
}

void TavrinWindow::loadHooker() {
    hooker_.reset();
    if (!application_->settings().MenuDesktop()) {
        return;
    }
    try {
        auto hooker = std::make_unique<dll::HookerDLL>(hwnd());
        hooker->start();
        hooker_ = std::move(hooker);
    } catch (const system::TavrinException& failure) {
        system::WriteLog(
            [&failure] { return "hook library not used\r\n" + system::throwableText(failure); });
    }
}

void TavrinWindow::switchHooker(bool on) {
    if (!hooker_) {
        return;
    }
    if (!on) {
        hooker_->stop();
        return;
    }
    try {
        hooker_->start();
    } catch (const system::TavrinException& failure) {
        system::WriteLog(
            [&failure] { return "hook not restarted\r\n" + system::throwableText(failure); });
    }
}

void TavrinWindow::onHookMouse(UINT mouseMessage, POINT screen) {
    // Events posted before a modal dialog stopped the hook may still arrive.
    if (mouseMessage != WM_MBUTTONDOWN || !hooker_ || !isEnabled() || !dll::isDesktopAt(screen)) {
        return;
    }
    // No other desktop click is taken while what this press opens is shown.
    HeldHooker held(hooker_);
    const system::Pause paused(held);
    POINT client = screen;
    ScreenToClient(hwnd(), &client);
    SendMessageW(hwnd(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(client.x, client.y));
}

void TavrinWindow::showFailure(const std::exception& failure) {
    system::WriteLog([&failure] { return system::throwableText(failure); });
    ExceptionDialog::show(this, failure);
}

void TavrinWindow::warn(const std::string& text) {
    MessageBoxW(hwnd(), system::toWide(text).c_str(), L"Tavrin", MB_OK | MB_ICONWARNING);
}

void TavrinWindow::openExecuteDialog(file::Item& item, const std::optional<std::string>& option) {
    ExecDialog dialog(item, *application_, this, option, ExecDialog::Services::ofSystem());
    dialog.select();
}

void TavrinWindow::openSettings() {
    const bool desktopMenuAvailable =
        GetFileAttributesW(system::toWide(system::StaticData::HookerFile()).c_str()) !=
        INVALID_FILE_ATTRIBUTES;
    bool written = false;
    {
        SettingDialog dialog(this, *application_, desktopMenuAvailable);
        written = dialog.select();
    }
    if (written) {
        reload();
    }
}

void TavrinWindow::reload() {
    std::unique_ptr<app::Application> fresh;
    try {
        fresh = std::make_unique<app::Application>();
    } catch (const std::exception& failure) {
        // The files hold what the user confirmed: the documents in memory must not
        // overwrite them at the end.
        application_->retire();
        showFailure(failure);
        return;
    }
    for (const app::Application::Unsaved& failed : fresh->loadFailures()) {
        system::WriteLog("not loaded on reload: %s\r\n%s", failed.path, failed.failure);
    }
    swapIn(std::move(fresh));
}

void TavrinWindow::swapIn(std::unique_ptr<app::Application> fresh) {
    // Everything built over the running application goes before it.
    releaseChildren();
    menuLauncher_.reset();
    hooker_.reset();
    hotKey_.reset();
    fresh->selectGroupsAsIn(*application_);
    application_ = std::move(fresh);
    initialize();
}

bool TavrinWindow::applicationFree() const {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    const bool inMenu =
        GetGUIThreadInfo(GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE) != 0;
    // The command box is no modal dialog, but a reload would take it from under the typing.
    const bool typing = commandDialog_ && commandDialog_->exists() && commandDialog_->isVisible();
    return isEnabled() && !inMenu && !typing;
}

void TavrinWindow::followDisk() {
    if (!applicationFree()) {
        return;
    }
    SetPropW(hwnd(), DISK_LOOKS, reinterpret_cast<HANDLE>(++diskLooks_));
    const std::vector<app::Application::DOCUMENT> changed = application_->changedOnDisk();
    if (changed.empty()) {
        return;
    }
    // The fresh application reads what the launcher changed in the other files from them; a
    // file changed on disk keeps the user's edit, and the starts are counted on it again.
    application_->saveChanged();
    std::unique_ptr<app::Application> fresh;
    try {
        fresh = std::make_unique<app::Application>();
    } catch (const std::exception& failure) {
        system::WriteLog([&failure] {
            return "not read again after a change on disk\r\n" + system::throwableText(failure);
        });
        return;
    }
    const std::vector<app::Application::Unsaved> broken =
        application_->keepOffBroken(*fresh, changed);
    if (!broken.empty()) {
        // The launcher goes on with what it had until the file loads again.
        for (const app::Application::Unsaved& failed : broken) {
            system::WriteLog("changed on disk and not loaded: %s\r\n%s", failed.path,
                             failed.failure);
            warn(app::loadFailureWarning(failed.failure));
        }
        return;
    }
    system::WriteLog("read again after a change on disk");
    fresh->applyOwnChangesAgain(*application_, changed);
    {
        // Nobody here asked for the launcher: it must not take the front or the keyboard
        // from the window the user works in.
        unasked_ = true;
        const system::ScopeGuard asked([this]() noexcept { unasked_ = false; });
        swapIn(std::move(fresh));
    }
    for (const app::Application::DOCUMENT kind : application_->holdWhileMended(changed)) {
        warn(app::droppedLinesWarning(application_->filePath(kind),
                                      application_->droppedLines(kind)));
    }
}

void TavrinWindow::OnHotKey(tvgui::HOTKEY_ID id, tvgui::MOD, UINT) {
    if (id != HK_EXECUTE) {
        return;
    }
    if (!commandDialog_ || !commandDialog_->exists()) {
        commandDialog_ = std::make_unique<CommandDialog>(
            *application_, *this, [this](const std::exception& shown) { showFailure(shown); },
            [this](file::Item& item, const std::optional<std::string>& option) {
                openExecuteDialog(item, option);
            });
    }
    commandDialog_->showAtPointer();
}

} // namespace tavrin::gui
