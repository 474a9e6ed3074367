#include "launcherfixture.h"

#include "app/staticconfig.h"
#include "system/staticdata.h"

namespace tavrin::gui::test {

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
    window = std::make_unique<tvgui::test::RecordingWindow>(nullptr, 480, 240);
    tip = std::make_unique<tvgui::ToolTip>(*window);
    bar = std::make_unique<TavrinToolBar>(*application, tvgui::ITEM_ID{1}, *window, collect);
    bar->move(10, 20, 400, 120, false);
    launcher = std::make_unique<ButtonLauncher>(*application, *tip, *bar, collect);
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
