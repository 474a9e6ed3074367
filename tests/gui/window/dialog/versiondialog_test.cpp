#include "gui/window/dialog/versiondialog.h"

#include <gtest/gtest.h>

#include <string>

#include "dialogtest.h"
#include "etc/drevak/drevakexception.h"
#include "testwindow.h"
#include "tvgui/control/statc.h"

namespace tavrin::gui::test {
namespace {

using CTRL = VersionDialog::CTRL;

TEST(VersionDocument, TheEmbeddedDocumentNamesThisBuildAndEveryKeyIsRequired) {
    const VersionInfo embedded = readVersion(versionDocumentText());
    EXPECT_EQ(embedded.name, "Tavrin");
    EXPECT_EQ(embedded.version, PROJECT_VERSION);
    const std::string complete =
        ";名\nName\\A\n;版\nVersion\\1.2\nWebSite\\https://w/\nMail\\m@x\n";
    const VersionInfo read = readVersion(complete);
    EXPECT_EQ(read.name + "|" + read.version + "|" + read.webSite + "|" + read.mail,
              "A|1.2|https://w/|m@x");
    for (const char* key : {"Name\\", "Version\\", "WebSite\\", "Mail\\"}) {
        SCOPED_TRACE(key);
        std::string missing = complete;
        missing.replace(missing.find(key), std::string(key).size(), "Other\\");
        EXPECT_THROW(readVersion(missing), drevak::DrevakException);
    }
    EXPECT_THROW(readVersion("Name:1\nVersion\\1\nWebSite\\w\nMail\\m\n"), drevak::DrevakException);
}

TEST(VersionDialog, ShowsTheFourValuesAndItsButtonEndsTheModalLoop) {
    LoopGuard guard;
    tvgui::test::RecordingWindow owner;
    TavrinVersion dialog(owner);
    const VersionInfo embedded = readVersion(versionDocumentText());
    EXPECT_EQ(dialog.text(), "バージョン情報");
    const struct {
        CTRL id;
        std::string shown;
    } labels[] = {{CTRL::NAME, embedded.name},
                  {CTRL::VERSION, embedded.version},
                  {CTRL::WEBSITE, embedded.webSite},
                  {CTRL::MAIL, embedded.mail}};
    for (const auto& label : labels) {
        EXPECT_EQ(controlOf<tvgui::TextLabel>(dialog, label.id).text(), label.shown);
    }
    expectChildrenApart(dialog);
    click(dialog, CTRL::CLOSE, true);
    EXPECT_EQ(dialog.showModal(), 0);
    EXPECT_FALSE(dialog.exists());
    EXPECT_TRUE(owner.isEnabled());
}

} // namespace
} // namespace tavrin::gui::test
