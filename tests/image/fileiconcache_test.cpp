#include <gtest/gtest.h>

#include <string>

#include "image/fileiconcache.h"

namespace tavrin::image {
namespace {

// A picture is asked of the shell once per file, index, size and change of the file; the
// copies handed out are the caller's own; a file without a picture is asked again.
TEST(FileIconCacheTest, EachPictureIsLookedUpOncePerChangeOfItsFile) {
    const std::wstring path = L"C:\\cache-test\\program.exe";
    int lookUps = 0;
    const auto stock = [&lookUps] {
        ++lookUps;
        return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
    };
    const FILETIME monday{1, 0};
    const FILETIME tuesday{2, 0};
    const struct {
        int index;
        int pixels;
        FILETIME changed;
        int lookUpsAfter;
    } calls[] = {
        {0, 16, monday, 1}, {0, 16, monday, 1},  {0, 32, monday, 2},
        {1, 16, monday, 3}, {0, 16, tuesday, 4}, {0, 16, tuesday, 4},
    };
    for (const auto& call : calls) {
        const HICON copy =
            FileIconCache::copyOf(path, call.index, call.pixels, call.changed, stock);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(lookUps, call.lookUpsAfter) << call.index << " " << call.pixels;
        // The caller's copy goes without touching what the cache keeps.
        EXPECT_TRUE(DestroyIcon(copy));
    }

    int emptyLookUps = 0;
    const auto none = [&emptyLookUps]() -> HICON {
        ++emptyLookUps;
        return nullptr;
    };
    const std::wstring bare = L"C:\\cache-test\\noicon.exe";
    EXPECT_EQ(FileIconCache::copyOf(bare, 0, 16, monday, none), nullptr);
    EXPECT_EQ(FileIconCache::copyOf(bare, 0, 16, monday, none), nullptr);
    EXPECT_EQ(emptyLookUps, 2);
}

} // namespace
} // namespace tavrin::image
