#include "file/filestamp.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace tavrin::file {
namespace {

using fixture::writeBytes;

// The file before the stamp and after, missing where empty; every present file after gets a
// later time, as any write or a sync tool's touch gives it.
struct StampCase {
    const char* what;
    std::optional<std::string> before;
    std::optional<std::string> after;
    bool changed;
};

TEST(FileStampTest, OnlyOtherBytesOrAFileComeOrGoneCountAsAChange) {
    const StampCase cases[] = {
        {"untouched", "Item/a\\A\r\n", "Item/a\\A\r\n", false},
        {"touched with the same bytes", "Item/a\\A\r\n", "Item/a\\A\r\n", false},
        {"other bytes of the same size", "Item/a\\A\r\n", "Item/a\\B\r\n", true},
        {"longer", "Item/a\\A\r\n", "Item/a\\AB\r\n", true},
        {"removed", "Item/a\\A\r\n", std::nullopt, true},
        {"made", std::nullopt, "Item/a\\A\r\n", true},
        {"still missing", std::nullopt, std::nullopt, false},
    };
    // A stamp taken from the bytes just written behaves as one read from the file.
    for (const bool fromBytes : {false, true}) {
        for (const StampCase& c : cases) {
            if (fromBytes && !c.before) {
                continue;
            }
            const std::string what =
                std::string(c.what) + (fromBytes ? ", stamped as written" : "");
            const fixture::ScratchFolder scratch;
            const std::filesystem::path file = scratch.root() / L"items.dvk";
            if (c.before) {
                writeBytes(file, *c.before);
            }
            FileStamp stamp =
                fromBytes ? FileStamp::written(*c.before) : FileStamp::of(fixture::utf8(file));
            const auto earlier = c.before ? std::filesystem::last_write_time(file)
                                          : std::filesystem::file_time_type::clock::now();
            if (c.after && std::string_view(c.what) != "untouched") {
                writeBytes(file, *c.after);
                std::filesystem::last_write_time(file, earlier + std::chrono::seconds(10));
            } else if (!c.after && c.before) {
                std::filesystem::remove(file);
            }
            const std::string path = fixture::utf8(file);
            FileStamp settling = stamp;
            EXPECT_EQ(stamp.differs(path), c.changed) << what;
            // A touch is taken in, a change stays one until the file is read again.
            EXPECT_EQ(stamp.differs(path), c.changed) << what << ", looked again";
            // A change is read once it has stayed for a look.
            EXPECT_FALSE(settling.changed(path)) << what << ", first look";
            EXPECT_EQ(settling.changed(path), c.changed) << what << ", settled";
        }
    }
}

} // namespace
} // namespace tavrin::file
