#include "file/ownchanges.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "file/datafile.h"

namespace tavrin::file {
namespace {

drevak::DvkDocument documentOf(const std::string& text) {
    return parseDocumentFile(text, "app.dvk");
}

// The settings as last written, as the launcher changed them since, and as someone edited the
// file meanwhile; then what the edited document holds after the launcher's changes go in.
struct MergeCase {
    const char* what;
    const char* ours;
    const char* edited;
    const char* merged;
    std::size_t written;
    std::vector<std::string> keptAsEdited;
};

TEST(ReapplyOwnChangesTest, TheLaunchersChangesGoOverTheEditWhereTheEditLeftThemAlone) {
    const std::string base = ";settings\r\n\r\nFront:0\r\nPosition:1\r\nPos/Left$10\t20\r\n";
    const MergeCase cases[] = {
        {"nothing changed on either side",
         "Front:0\nPosition:1\nPos/Left$10\t20\n",
         "Front:0\nPosition:1\nPos/Left$10\t20\n",
         "Front:0\r\nPos/Left$10\t20\r\nPosition:1\r\n",
         0,
         {}},
        {"a place moved, another key edited",
         "Front:0\nPosition:1\nPos/Left$30\t40\n",
         "Front:1\nPosition:1\nPos/Left$10\t20\n",
         "Front:1\r\nPos/Left$30\t40\r\nPosition:1\r\n",
         1,
         {}},
        {"a key the launcher added, an edit that removed another",
         "Front:0\nPosition:1\nPos/Left$10\t20\nPos/Top$5\t6\n",
         "Front:0\nPos/Left$10\t20\n",
         "Front:0\r\nPos/Left$10\t20\r\nPos/Top$5\t6\r\n",
         1,
         {}},
        {"the same key changed on both sides: the edit stays",
         "Front:0\nPosition:3\nPos/Left$10\t20\n",
         "Front:0\nPosition:2\nPos/Left$10\t20\n",
         "Front:0\r\nPos/Left$10\t20\r\nPosition:2\r\n",
         0,
         {"Position"}},
        {"the same change on both sides",
         "Front:1\nPosition:1\nPos/Left$10\t20\n",
         "Front:1\nPosition:1\nPos/Left$10\t20\n",
         "Front:1\r\nPos/Left$10\t20\r\nPosition:1\r\n",
         0,
         {}},
        {"a key the edit removed stays removed, though the launcher changed it",
         "Front:1\nPosition:1\nPos/Left$10\t20\n",
         "Position:1\nPos/Left$10\t20\n",
         "Pos/Left$10\t20\r\nPosition:1\r\n",
         0,
         {"Front"}},
    };
    for (const MergeCase& c : cases) {
        drevak::DvkDocument fresh = documentOf(c.edited);
        const Reapplied reapplied = reapplyOwnChanges(base, documentOf(c.ours), fresh);
        EXPECT_EQ(fresh.toString(), c.merged) << c.what;
        EXPECT_EQ(reapplied.written, c.written) << c.what;
        EXPECT_EQ(reapplied.keptAsEdited, c.keptAsEdited) << c.what;
    }
}

} // namespace
} // namespace tavrin::file
