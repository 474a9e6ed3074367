#include "shell/dropfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "dropblock.h"
#include "system/tavrinerrors.h"

#include <shlobj.h>

namespace tavrin::shell {
namespace {

using system::DropFileException;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

using test::dropBlock;

HDROP wideBlock(const std::vector<std::wstring>& paths, POINT point = {12, 34},
                bool nonClient = false) {
    return dropBlock(paths, point, nonClient);
}

// Whether the block is still allocated: DragFinish frees it.
bool allocated(HDROP drop) {
    return GlobalFlags(drop) != GMEM_INVALID_HANDLE;
}

const std::vector<std::wstring> JAPANESE_PATHS{
    L"C:\\データ\\メモ帳.txt",
    L"C:\\Program Files\\起動 ツール\\tool.exe",
    L"D:\\写真\\２０２４年",
    L"\\\\server\\共有\\表.xlsx",
};

TEST(DropFileTest, ReadsEveryPathInTheShellsOrderAsUtf8WithThePoint) {
    const DropFile drop(wideBlock(JAPANESE_PATHS, {120, 45}), true);
    EXPECT_EQ(drop.point().x, 120);
    EXPECT_EQ(drop.point().y, 45);
    ASSERT_EQ(drop.count(), 4u);
    EXPECT_THAT(drop.files(),
                ElementsAre("C:\\データ\\メモ帳.txt", "C:\\Program Files\\起動 ツール\\tool.exe",
                            "D:\\写真\\２０２４年", "\\\\server\\共有\\表.xlsx"));
    EXPECT_EQ(drop.file(2), "D:\\写真\\２０２４年");
}

TEST(DropFileTest, AnAnsiBlockReadsToo) {
    const DropFile drop(dropBlock<char>({"C:\\a.txt", "C:\\b c\\d"}, {0, 0}, false), true);
    EXPECT_THAT(drop.files(), ElementsAre("C:\\a.txt", "C:\\b c\\d"));
}

TEST(DropFileTest, SliceTakesFromUpToButNotIncludingTo) {
    const DropFile drop(wideBlock(JAPANESE_PATHS), true);
    EXPECT_THAT(drop.slice(1, 3),
                ElementsAre("C:\\Program Files\\起動 ツール\\tool.exe", "D:\\写真\\２０２４年"));
    EXPECT_EQ(drop.slice(0, 4), drop.files());
    EXPECT_THAT(drop.slice(4, 4), IsEmpty());
}

TEST(DropFileTest, IndicesOutsideTheListAreRefused) {
    const DropFile drop(wideBlock(JAPANESE_PATHS), true);
    EXPECT_THROW(drop.file(4), DropFileException);
    EXPECT_THROW(drop.file(static_cast<std::size_t>(-1)), DropFileException);
    EXPECT_THROW(drop.slice(3, 2), DropFileException);
    EXPECT_THROW(drop.slice(2, 5), DropFileException);
    try {
        drop.slice(5, 6);
        ADD_FAILURE() << "slice past the end was accepted";
    } catch (const DropFileException& refused) {
        EXPECT_THAT(refused.message(), HasSubstr("5..6/4"));
    }
}

TEST(DropFileTest, ADropOutsideTheClientAreaIsRefused) {
    const HDROP block = wideBlock(JAPANESE_PATHS, {5, 5}, true);
    try {
        DropFile drop(block, false);
        ADD_FAILURE() << "a drop on the title bar was read";
    } catch (const DropFileException& refused) {
        EXPECT_EQ(refused.message(), "座標取得失敗");
    }
    // Not handed over: the caller still has the block.
    ASSERT_TRUE(allocated(block));
    EXPECT_THROW(DropFile(block, true), DropFileException);
    EXPECT_FALSE(allocated(block)) << "a refused drop that was handed over is finished";
}

TEST(DropFileTest, TheDropIsFinishedOnceAndOnlyWhenHandedOver) {
    const HDROP kept = wideBlock(JAPANESE_PATHS);
    std::optional<DropFile> borrowed(std::in_place, kept, false);
    EXPECT_FALSE(borrowed->isAlive());
    borrowed.reset();
    ASSERT_TRUE(allocated(kept));

    std::optional<DropFile> owned(std::in_place, kept, true);
    EXPECT_TRUE(owned->dispose());
    EXPECT_FALSE(allocated(kept));
    EXPECT_EQ(owned->get(), nullptr);
    EXPECT_TRUE(owned->dispose());
    // The paths were read at construction and stay.
    EXPECT_EQ(owned->count(), 4u);
    owned.reset();
}

} // namespace
} // namespace tavrin::shell
