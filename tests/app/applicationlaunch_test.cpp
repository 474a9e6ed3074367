#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/staticconfig.h"
#include "launchprobe_fixture.h"
#include "system/tavrinerrors.h"

namespace tavrin::app {
namespace {

using system::StaticData;
using system::TavrinException;

using file::fixture::utf8;
using ::testing::EndsWith;
using ::testing::HasSubstr;

// An application over data files of the test's own, whose items start the probe program.
class ApplicationLaunchTest : public ::testing::Test {
protected:
    ApplicationLaunchTest() {
        StaticData::Values values =
            readStaticConfiguration(drevak::DvkDocument(), utf8(scratch.root()));
        values.DataFolder = utf8(data);
        StaticData::initialize(values);
        std::filesystem::create_directories(folder);
        std::filesystem::create_directories(data);
    }

    file::fixture::ScratchFolder scratch;
    file::fixture::ProbeRecords records;
    std::filesystem::path probe = file::fixture::copyProbe(scratch.root() / L"bin", L"probe.exe");
    std::filesystem::path folder = scratch.root() / L"開く";
    std::filesystem::path data = scratch.root() / L"data";
};

TEST_F(ApplicationLaunchTest, ItemsStartWithTheSettingFolderAndTheirHistoryIsSaved) {
    file::fixture::writeBytes(data / L"app.dvk", "Folder:2\r\nFolder/Program\\opener\r\n");
    file::fixture::writeBytes(data / L"items.dvk", "Item/opener\\Opener\r\nItem/place\\Place\r\n");
    {
        Application application;
        ASSERT_NE(application.folderItem(), nullptr);
        application.folderItem()->setFileAddress(utf8(probe));
        file::Item place("place", application.itemsNode());
        place.setFileAddress(utf8(folder));
        application.execute(place, nullptr);
        application.executePath(utf8(folder));
        application.save();
    }
    const auto started = records.wait(2);
    ASSERT_EQ(started.size(), 2u);
    for (const auto& record : started) {
        EXPECT_THAT(record.command, EndsWith(" \"" + utf8(folder) + "\""));
    }
    const std::string saved = file::fixture::bytesOf(data / L"items.dvk");
    EXPECT_THAT(saved, HasSubstr("Item/place/History/Use:1\r\n"));
    // The bare path was a start of the folder program; the item's start was the item's.
    EXPECT_THAT(saved, HasSubstr("Item/opener/History/Use:1\r\n"));
}

TEST_F(ApplicationLaunchTest, AFailedStartNamesTheItemAndLeavesItsHistory) {
    file::fixture::writeBytes(data / L"items.dvk", "Item/gone\\Gone\r\n");
    Application application;
    file::Item gone("gone", application.itemsNode());
    gone.setFileAddress(utf8(scratch.root() / L"missing.exe"));
    try {
        application.execute(gone, nullptr);
        FAIL() << "a missing file started";
    } catch (const TavrinException& failure) {
        EXPECT_EQ(failure.message(), "アイテム(gone)実行例外");
        EXPECT_NE(dynamic_cast<const TavrinException*>(failure.next().get()), nullptr);
    }
    EXPECT_EQ(gone.useCount(), 0);
    application.executePath(utf8(probe));
    EXPECT_EQ(records.wait(1).size(), 1u);
}

// The IDs of what the command search finds for the text, best first.
std::vector<std::string> foundIds(Application& application, std::string_view typed) {
    std::vector<std::string> ids;
    file::items::CommandSearch& search = application.commandSearch();
    for (const auto& candidate : search.find(typed)) {
        ids.push_back(search.items().at(candidate.position).id);
    }
    return ids;
}

TEST_F(ApplicationLaunchTest, AStartRanksTheItemFirstInTheCommandSearchAtOnceAndAfterAReload) {
    file::fixture::writeBytes(data / L"items.dvk", "Item/probe1\\One\r\nItem/probe2\\Two\r\n");
    const std::vector<std::string> unused = {"probe1", "probe2"};
    const std::vector<std::string> secondFirst = {"probe2", "probe1"};
    {
        Application application;
        EXPECT_EQ(foundIds(application, "PRO"), unused);
        file::Item second("probe2", application.itemsNode());
        second.setFileAddress(utf8(probe));
        application.execute(second, nullptr);
        EXPECT_EQ(foundIds(application, "PRO"), secondFirst);
        application.save();
    }
    EXPECT_EQ(records.wait(1).size(), 1u);
    Application reloaded;
    EXPECT_EQ(foundIds(reloaded, "ｐｒｏ"), secondFirst);
}

} // namespace
} // namespace tavrin::app
