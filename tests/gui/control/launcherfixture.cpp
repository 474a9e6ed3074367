#include "launcherfixture.h"

#include "app/staticconfig.h"
#include "system/staticdata.h"

namespace tavrin::gui::test {

namespace {

constexpr UINT_PTR TYPING_TIMER = 7;

void press(WORD key) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

} // namespace

HostWindow::HostWindow() : TvWindow(0, WS_POPUP | WS_VISIBLE, nullptr) {
    creationInfo().x = 200;
    creationInfo().y = 200;
    creationInfo().width = 480;
    creationInfo().height = 240;
    createWindow();
    SetForegroundWindow(hwnd());
}

void HostWindow::typeInMenu(std::vector<WORD> keys) {
    keys_ = std::move(keys);
    setTimer(tvgui::TIMER_ID{TYPING_TIMER}, 100, typeNext);
}

void CALLBACK HostWindow::typeNext(HWND window, UINT, UINT_PTR timer, DWORD) {
    auto* host = dynamic_cast<HostWindow*>(getGuiObject(window));
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (host == nullptr || menu == nullptr || !IsWindowVisible(menu)) {
        return;
    }
    if (host->keys_.empty()) {
        KillTimer(window, timer);
        return;
    }
    press(host->keys_.front());
    host->keys_.erase(host->keys_.begin());
}

bool HostWindow::OnMouseMiddleDown(tvgui::MOUSE_KEY key, int x, int y) {
    middleKeys.push_back(static_cast<WPARAM>(key));
    middlePresses.push_back({x, y});
    return true;
}

void HostWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (launcher != nullptr && launcher->measureItem(item, hwnd())) {
        ++measured;
    }
}

void HostWindow::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (launcher != nullptr && launcher->drawItem(item)) {
        ++drawn;
    }
}

bool HostWindow::OnInitMenuPopup(HMENU menu, int, bool) {
    if (launcher != nullptr && launcher->fillFileMenu(menu)) {
        ++filled;
        return true;
    }
    return false;
}

using file::fixture::utf8;
using file::fixture::writeBytes;

LauncherTest::LauncherTest() {
    system::StaticData::Values values =
        app::readStaticConfiguration(drevak::DvkDocument(), utf8(scratch.root()));
    values.DataFolder = utf8(data);
    system::StaticData::initialize(values);
    std::filesystem::create_directories(data);
    writeBytes(data / L"groups.dvk", "Group$Main\tOther\r\n"
                                     "Group/Main$Tools\tEmpty\r\n"
                                     "Group/Main/Tools$edit\tnothing\tprobe\tgone\r\n"
                                     "Group/Other$Web\r\n"
                                     "Group/Other/Web$site\r\n");
    writeBytes(data / L"items.dvk",
               "Item/edit\\Editor\r\nItem/probe/Type:0\r\nItem/gone\\Gone\r\nItem/site\\Site\r\n");
}

void LauncherTest::start(std::string_view settings) {
    writeBytes(data / L"app.dvk", settings);
    application = std::make_unique<app::Application>();
    item("edit").setFileAddress(utf8(probe));
    item("probe").setFileAddress(utf8(probe));
    item("gone").setFileAddress(utf8(scratch.root() / L"missing.exe"));
    item("site").setUriAddress("http://example.invalid/");

    auto collect = [this](const std::exception& failure) { failures.push_back(failure.what()); };
    window = std::make_unique<HostWindow>();
    tip = std::make_unique<tvgui::ToolTip>(*window);
    auto open = [this](file::Item& item, const std::optional<std::string>& option) {
        opened.push_back({item.id(), option});
    };
    auto add = [this](const std::vector<std::string>& paths) { added.push_back(paths); };
    bar = std::make_unique<TavrinToolBar>(*application, tvgui::ITEM_ID{1}, *window, collect, open,
                                          add);
    bar->move(10, 20, 400, 120, false);
    launcher = std::make_unique<ButtonLauncher>(*application, *tip, *bar, collect, open);
    window->launcher = launcher.get();
}

file::Item& LauncherTest::item(const std::string& id) {
    items_.push_back(std::make_unique<file::Item>(id, application->itemsNode()));
    return *items_.back();
}

void LauncherTest::show(const std::string& group, const std::string& subGroup) {
    application->currentGroup(group);
    application->currentSubGroup(subGroup);
    launcher->rebuild();
}

} // namespace tavrin::gui::test
