#include "file/app.h"

#include <regex>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_defaults.h"
#include "etc/drevak/drevakexception.h"
#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "scratch_folder.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "tvgui/draw/font.h"

namespace tavrin::file {
namespace {

using fixture::defaultSettingsText;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Integer = App::Integer;
using POSITION = App::POSITION;
using COMMANDCOLOR = App::COMMANDCOLOR;

drevak::DvkDocument documentOf(const std::vector<std::string>& lines) {
    return drevak::DvkDocument(std::span<const std::string>(lines));
}

// A setting's type character and value text, as its line in the file shows them.
std::string valueAt(const drevak::DvkDocument& document, std::string_view address) {
    return document.HaveChild(address) ? document.GetChild(address).toString() : "(none)";
}

// The text of a settings document after an App was built over it.
std::string repaired(const std::vector<std::string>& lines) {
    drevak::DvkDocument document = documentOf(lines);
    App app(document);
    return document.toString();
}

TEST(AppBuildTest, EmptyDocumentGetsExactlyTheTwentyEightDefaults) {
    drevak::DvkDocument document;
    const App app(document);
    EXPECT_EQ(document.toString(), defaultSettingsText);
    EXPECT_EQ(app.nodeCount(), App::ITEM_COUNT);
    EXPECT_EQ(documentFileBytes(document), "\xEF\xBB\xBF" + std::string(defaultSettingsText));
}

TEST(AppBuildTest, EachSettingIsBoundToItsOwnNode) {
    drevak::DvkDocument document;
    const App app(document);
    EXPECT_EQ(app.node(App::ITEM::WINDOW).toString(), ":4");
    EXPECT_EQ(&app.node(App::ITEM::WINDOW), &document.GetChild("Window"));
    EXPECT_EQ(&app.node(App::ITEM::SIZE), &document.GetChild("Window/Float/Size"));
    EXPECT_EQ(&app.node(App::ITEM::COLOR_NORMAL),
              &document.GetChild("Launcher/Command/Color/Normal"));
    EXPECT_EQ(&app.node(App::ITEM::EXECUTE_DIALOG), &document.GetChild("Execute/Dialog"));
    EXPECT_EQ(app.node(static_cast<std::size_t>(App::ITEM::FONT_SIZE)),
              &document.GetChild("Launcher/Command/Font/Size"));
}

TEST(AppBuildTest, ValidSettingsStayAsTheyAre) {
    const std::vector<std::string> lines{
        "Execute/Dialog:0",
        "Execute/Shortcut:-3",
        "Folder:2",
        "Folder/Program\\エディタ",
        "Launcher/Button/Icon:1",
        "Launcher/Button/List:1",
        "Launcher/Button/Text:1",
        "Launcher/Command/Color/ID!123456\t*",
        "Launcher/Command/Color/Name!*\tABCDEF01",
        "Launcher/Command/Color/Normal!0102\t*",
        "Launcher/Command/Color/Tag!*\t*",
        "Launcher/Command/Font/Name\\MS UI Gothic",
        "Launcher/Command/Font/Size:7",
        "Launcher/Command/Icon:1",
        "Launcher/Command/Keys=3\t65\t9",
        "Launcher/Command/Timer:500",
        "Launcher/History:0",
        "Launcher/Menu/Desktop:1",
        "Launcher/Menu/Icon:1",
        "Launcher/Menu/Text:40",
        "Window:0",
        "Window/Bottom:2147483647",
        "Window/Float/Pos=-100\t-200",
        "Window/Float/Size=16\t900",
        "Window/Front:1",
        "Window/Left:16",
        "Window/Right:17",
        "Window/Top:99",
    };
    const std::string text = documentOf(lines).toString();
    EXPECT_EQ(repaired(lines), text);
    EXPECT_THAT(repaired({"Window:5"}), HasSubstr("\r\nWindow:5\r\n"));
}

TEST(AppBuildTest, OutOfRangeIntegersGetTheirDefaults) {
    drevak::DvkDocument document = documentOf({
        "Window:9",
        "Window/Left:10",
        "Window/Top:15",
        "Window/Right:-16",
        "Window/Bottom:*",
        "Folder:3",
        "Launcher/History:-1",
        "Launcher/Button/Icon:2",
        "Launcher/Menu/Text:-1",
        "Launcher/Menu/Icon:-1",
        "Launcher/Command/Icon:7",
        "Launcher/Command/Font/Size:6",
        "Launcher/Command/Timer:-5",
    });
    const App app(document);
    EXPECT_EQ(valueAt(document, "Window"), ":4");
    EXPECT_EQ(valueAt(document, "Window/Left"), ":16");
    EXPECT_EQ(valueAt(document, "Window/Top"), ":16");
    EXPECT_EQ(valueAt(document, "Window/Right"), ":16");
    EXPECT_EQ(valueAt(document, "Window/Bottom"), ":16");
    EXPECT_EQ(valueAt(document, "Folder"), ":0");
    EXPECT_EQ(valueAt(document, "Launcher/History"), ":16");
    EXPECT_EQ(valueAt(document, "Launcher/Button/Icon"), ":0");
    EXPECT_EQ(valueAt(document, "Launcher/Menu/Text"), ":0");
    EXPECT_EQ(valueAt(document, "Launcher/Menu/Icon"), ":0");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Icon"), ":0");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Font/Size"), ":*");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Timer"), ":0");
    EXPECT_EQ(repaired({"Window:-1"}), defaultSettingsText);
    EXPECT_EQ(repaired({"Folder:-1"}), defaultSettingsText);
}

TEST(AppBuildTest, WrongTypesGetTheirDefaults) {
    EXPECT_EQ(repaired({
                  "Window\\frei",
                  "Window/Front\\yes",
                  "Window/Left*20",
                  "Window/Float/Pos$0\t0",
                  "Window/Float/Size@20\t20",
                  "Folder/Program:5",
                  "Launcher/Button/Text=1\t1",
                  "Launcher/Command/Keys:78",
                  "Launcher/Command/Font/Name?41",
                  "Launcher/Command/Color/ID?123456",
                  "Execute/Dialog\\e",
              }),
              defaultSettingsText);
}

TEST(AppBuildTest, SettingsWithoutAValueGetTheirDefaults) {
    // Lines that fail to convert leave their nodes behind without a value.
    drevak::DvkDocument document = documentOf({
        "Window:vier",
        "Window/Float/Size=\t16",
        "Launcher/Command/Color/Tag!12345",
        "Execute/Dialog:1.5",
    });
    ASSERT_TRUE(document.HaveChild("Launcher/Command/Color/Tag"));
    EXPECT_FALSE(document.GetChild("Launcher/Command/Color/Tag").HaveFile());
    const App app(document);
    EXPECT_EQ(document.toString(), defaultSettingsText);
}

TEST(AppBuildTest, PairsNeedExactlyTwoElementsAndTheFloatSizeAtLeastSixteen) {
    drevak::DvkDocument document = documentOf({
        "Window/Float/Pos=5",
        "Window/Float/Size=10\t300",
    });
    const App app(document);
    EXPECT_EQ(valueAt(document, "Window/Float/Pos"), "=0\t0");
    EXPECT_EQ(valueAt(document, "Window/Float/Size"), "=16\t300");
    EXPECT_EQ(app.FloatPos(), App::Pair(0, 0));
    EXPECT_EQ(app.FloatSize(), App::Pair(16, 300));

    const auto pairs = [](std::string pos, std::string size) {
        drevak::DvkDocument document =
            documentOf({"Window/Float/Pos=" + pos, "Window/Float/Size=" + size});
        const App app(document);
        return valueAt(document, "Window/Float/Pos") + " " + valueAt(document, "Window/Float/Size");
    };
    EXPECT_EQ(pairs("1\t2\t3", "300\t-5"), "=0\t0 =300\t16");
    EXPECT_EQ(pairs("-1\t-2", "20\t30\t40"), "=-1\t-2 =16\t16");
    EXPECT_EQ(pairs("*\t*", "*\t15"), "=*\t* =16\t16");
    // A place whose far edge would pass the largest Integer goes back to its default.
    EXPECT_EQ(pairs("2147483000\t5", "1000\t16"), "=0\t0 =1000\t16");
    EXPECT_EQ(pairs("5\t2147483632", "16\t16"), "=0\t0 =16\t16");
    EXPECT_EQ(pairs("-5\t2147483631", "16\t16"), "=-5\t2147483631 =16\t16");
}

TEST(AppBuildTest, CommandKeysNeedAtLeastTwoElements) {
    EXPECT_EQ(valueAt(documentOf({"Launcher/Command/Keys=2"}), "Launcher/Command/Keys"), "=2");
    EXPECT_EQ(repaired({"Launcher/Command/Keys=2"}), defaultSettingsText);
    drevak::DvkDocument document = documentOf({"Launcher/Command/Keys=2\t70\t0"});
    const App app(document);
    EXPECT_THAT(app.CommandKeys(), ElementsAre(2, 70, 0));
}

TEST(AppBuildTest, ColourPairsNeedExactlyTwoElements) {
    drevak::DvkDocument document = documentOf({
        "Launcher/Command/Color/Normal!123456",
        "Launcher/Command/Color/ID!123456\t123456\t123456",
        "Launcher/Command/Color/Name!*",
        "Launcher/Command/Color/Tag!123456\t*",
    });
    const App app(document);
    EXPECT_EQ(valueAt(document, "Launcher/Command/Color/Normal"), "!*\t*");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Color/ID"), "!*\t*");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Color/Name"), "!*\t*");
    EXPECT_EQ(valueAt(document, "Launcher/Command/Color/Tag"), "!123456\t*");
}

TEST(AppBuildTest, OtherNodesAreKept) {
    // Nothing the record does not own is lost, not even a value on one of its containers.
    drevak::DvkDocument document = documentOf({"Launcher:5", "Plugin/Name\\x", "Window/Float/X:1"});
    const App app(document);
    EXPECT_EQ(valueAt(document, "Launcher"), ":5");
    EXPECT_EQ(valueAt(document, "Plugin/Name"), "\\x");
    EXPECT_EQ(valueAt(document, "Window/Float/X"), ":1");
}

TEST(AppBuildTest, ARepairedDocumentIsRepairedNoFurther) {
    drevak::DvkDocument document = documentOf({"Window:9", "Window/Float/Size=1\t1", "Junk:x"});
    const App first(document);
    const std::string text = document.toString();
    const App second(document);
    EXPECT_EQ(document.toString(), text);

    drevak::DvkDocument reloaded = parseDocumentFile(documentFileBytes(document), "app.dvk");
    const App third(reloaded);
    EXPECT_EQ(documentFileBytes(reloaded), documentFileBytes(document));
}

// A log in a scratch folder, on for the length of a test.
class AppLogTest : public ::testing::Test {
protected:
    AppLogTest() {
        system::StaticData::Values values;
        values.LogFolder = folder.path("log") + "\\";
        system::StaticData::initialize(values);
        system::SetLogging(true);
    }
    ~AppLogTest() override { system::SetLogging(false); }

    // Ends the log; the text of its one file.
    std::string endLog() {
        system::SetLogging(false);
        const std::vector<std::string> names = folder.names("log");
        EXPECT_EQ(names.size(), 1u);
        return names.empty()
                   ? std::string()
                   : fixture::bytesOf(folder.root() / "log" / fixture::fromUtf8(names[0]));
    }

    static std::size_t conflictEntries(const std::string& log) {
        const std::regex entry(
            "app\\.cpp\\([0-9]+\\)={20}\r\nボタン型テキスト表示設定が不正\r\n\r\n");
        return static_cast<std::size_t>(std::distance(
            std::sregex_iterator(log.begin(), log.end(), entry), std::sregex_iterator()));
    }

    fixture::ScratchFolder folder;
};

TEST_F(AppLogTest, ListModeWithoutTextModeIsLoggedOnceAndSwitchedOff) {
    drevak::DvkDocument document = documentOf({"Launcher/Button/Text:0", "Launcher/Button/List:7"});
    const App app(document);
    EXPECT_FALSE(app.ButtonList());
    EXPECT_EQ(valueAt(document, "Launcher/Button/List"), ":0");
    EXPECT_EQ(document.toString(), defaultSettingsText);
    EXPECT_EQ(conflictEntries(endLog()), 1u);
}

TEST_F(AppLogTest, ListModeWithTextModeOrNeitherIsLeftAlone) {
    drevak::DvkDocument both = documentOf({"Launcher/Button/Text:1", "Launcher/Button/List:1"});
    const App withText(both);
    EXPECT_TRUE(withText.ButtonText());
    EXPECT_TRUE(withText.ButtonList());
    drevak::DvkDocument neither;
    const App withoutList(neither);
    EXPECT_EQ(conflictEntries(endLog()), 0u);
}

// A record over the defaults for each property test.
class AppPropertyTest : public ::testing::Test {
protected:
    std::string at(std::string_view address) const { return valueAt(document, address); }

    drevak::DvkDocument document;
    App app{document};
};

TEST_F(AppPropertyTest, PositionAndFrontReadAndWriteTheWindowNode) {
    EXPECT_EQ(app.Position(), POSITION::FLOAT);
    app.Position(POSITION::HIDDEN);
    EXPECT_EQ(at("Window"), ":5");
    app.Position(static_cast<POSITION>(9)); // the callers' values are not checked
    EXPECT_EQ(at("Window"), ":9");
    document.GetChild("Window") = Integer{1};
    EXPECT_EQ(app.Position(), POSITION::TOP);

    EXPECT_FALSE(app.Front());
    app.Front(true);
    EXPECT_EQ(at("Window/Front"), ":1");
    app.Front(false);
    EXPECT_EQ(at("Window/Front"), ":0");
    document.GetChild("Window/Front") = Integer{-4};
    EXPECT_TRUE(app.Front());
}

TEST_F(AppPropertyTest, EdgeSizeIsTheThicknessOfEachDockedEdge) {
    app.EdgeSize(POSITION::LEFT, 20);
    app.EdgeSize(POSITION::TOP, 21);
    app.EdgeSize(POSITION::RIGHT, 22);
    app.EdgeSize(POSITION::BOTTOM, 10); // not clamped on write
    EXPECT_EQ(at("Window/Left"), ":20");
    EXPECT_EQ(at("Window/Top"), ":21");
    EXPECT_EQ(at("Window/Right"), ":22");
    EXPECT_EQ(at("Window/Bottom"), ":10");
    EXPECT_EQ(app.EdgeSize(POSITION::TOP), 21);
    EXPECT_EQ(app.EdgeSize(POSITION::BOTTOM), 10);

    EXPECT_THROW(app.EdgeSize(POSITION::FLOAT), system::ApplicationDataError);
    EXPECT_THROW(app.EdgeSize(POSITION::HIDDEN, 30), system::ApplicationDataError);
    EXPECT_THROW(app.EdgeSize(static_cast<POSITION>(-1)), system::ApplicationDataError);
}

TEST_F(AppPropertyTest, FloatSizeIsRaisedToSixteenAndFloatPosIsNot) {
    app.FloatSize(10, 300);
    EXPECT_EQ(at("Window/Float/Size"), "=16\t300");
    app.FloatSize(640, -1);
    EXPECT_EQ(app.FloatSize(), App::Pair(640, 16));
    app.FloatPos(-5, 7);
    EXPECT_EQ(at("Window/Float/Pos"), "=-5\t7");
    EXPECT_EQ(app.FloatPos(), App::Pair(-5, 7));

    // Another writer's array of the wrong length is refused, not read past.
    document.GetChild("Window/Float/Pos") = std::vector<Integer>{1};
    EXPECT_THROW(app.FloatPos(), system::ApplicationDataError);
}

TEST_F(AppPropertyTest, FolderAndProgram) {
    EXPECT_EQ(app.Folder(), 0);
    app.Folder(2);
    EXPECT_EQ(at("Folder"), ":2");
    EXPECT_EQ(app.Program(), "");
    app.Program(L"エディタ\tx");
    EXPECT_EQ(at("Folder/Program"), "\\エディタ\\tx");
    EXPECT_EQ(app.Program(), "エディタ\tx");

    document.GetChild("Folder") = std::string("2");
    EXPECT_THROW(app.Folder(), drevak::DrevakException);
    document.GetChild("Folder/Program") = Integer{3};
    EXPECT_EQ(app.Program(), "");
}

TEST_F(AppPropertyTest, LauncherSettings) {
    EXPECT_EQ(app.History(), 16);
    document.GetChild("Launcher/History") = Integer{3};
    EXPECT_EQ(app.History(), 3);

    app.ButtonText(true);
    app.ButtonList(true);
    app.ButtonIcon(1);
    app.MenuText(30);
    app.MenuIcon(1);
    app.CommandIcon(1);
    app.Timer(250);
    EXPECT_EQ(at("Launcher/Button/Text"), ":1");
    EXPECT_EQ(at("Launcher/Button/List"), ":1");
    EXPECT_EQ(at("Launcher/Button/Icon"), ":1");
    EXPECT_EQ(at("Launcher/Menu/Text"), ":30");
    EXPECT_EQ(at("Launcher/Menu/Icon"), ":1");
    EXPECT_EQ(at("Launcher/Command/Icon"), ":1");
    EXPECT_EQ(at("Launcher/Command/Timer"), ":250");
    EXPECT_TRUE(app.ButtonText());
    EXPECT_TRUE(app.ButtonList());
    EXPECT_EQ(app.ButtonIcon(), 1);
    EXPECT_EQ(app.MenuText(), 30);
    EXPECT_EQ(app.MenuIcon(), 1);
    EXPECT_EQ(app.CommandIcon(), 1);
    EXPECT_EQ(app.Timer(), 250);

    EXPECT_FALSE(app.MenuDesktop());
    document.GetChild("Launcher/Menu/Desktop") = Integer{1};
    EXPECT_TRUE(app.MenuDesktop());

    EXPECT_THAT(app.CommandKeys(), ElementsAre(1, 78));
    app.CommandKeys({3, 65});
    EXPECT_EQ(at("Launcher/Command/Keys"), "=3\t65");
}

TEST_F(AppPropertyTest, ExecuteSettings) {
    EXPECT_TRUE(app.ExecuteShortcut());
    EXPECT_TRUE(app.ExecuteDialog());
    app.ExecuteShortcut(false);
    app.ExecuteDialog(false);
    EXPECT_EQ(at("Execute/Shortcut"), ":0");
    EXPECT_EQ(at("Execute/Dialog"), ":0");
    EXPECT_FALSE(app.ExecuteShortcut());
    EXPECT_FALSE(app.ExecuteDialog());
}

TEST_F(AppPropertyTest, UnsetCommandColoursAreTheSystemColours) {
    const App::ColorValue text = GetSysColor(COLOR_WINDOWTEXT);
    const App::ColorValue background = GetSysColor(COLOR_WINDOW);
    ASSERT_NE(text, background);
    for (const COMMANDCOLOR kind :
         {COMMANDCOLOR::ID, COMMANDCOLOR::NAME, COMMANDCOLOR::TAG, COMMANDCOLOR::NORMAL}) {
        const App::ColorPair pair = app.CommandColor(kind);
        EXPECT_EQ(pair.text, text);
        EXPECT_EQ(pair.background, background);
    }
}

TEST_F(AppPropertyTest, CommandColoursAreStoredAsRedGreenBlue) {
    app.CommandColor(COMMANDCOLOR::ID, 0x00563412, std::nullopt);
    app.CommandColor(COMMANDCOLOR::NAME, std::nullopt, 0x01ABCDEF);
    app.CommandColor(COMMANDCOLOR::TAG, 0x00000000, 0x00FFFFFF);
    EXPECT_EQ(at("Launcher/Command/Color/ID"), "!123456\t*");
    EXPECT_EQ(at("Launcher/Command/Color/Name"), "!*\tEFCDAB");
    EXPECT_EQ(at("Launcher/Command/Color/Tag"), "!000000\tFFFFFF");
    EXPECT_EQ(at("Launcher/Command/Color/Normal"), "!*\t*");
    app.CommandColor(COMMANDCOLOR::NORMAL, 0x00102030, std::nullopt);
    EXPECT_EQ(at("Launcher/Command/Color/Normal"), "!302010\t*");
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::NORMAL).text, 0x00102030u);

    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::ID).text, 0x00563412u);
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::ID).background, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::NAME).text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::NAME).background, 0x00ABCDEFu);
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::TAG).background, 0x00FFFFFFu);
}

TEST_F(AppPropertyTest, StoredColoursWithAFourthByteOrTooFewBytes) {
    document.GetChild("Launcher/Command/Color/ID") =
        std::vector<drevak::Binary>{{0x12, 0x34, 0x56, 0x80}, {0x12, 0x34}};
    const App::ColorPair pair = app.CommandColor(COMMANDCOLOR::ID);
    EXPECT_EQ(pair.text, 0x80563412u);
    EXPECT_EQ(pair.background, GetSysColor(COLOR_WINDOW));

    // Another writer's pair with one element: the missing one is unset.
    document.GetChild("Launcher/Command/Color/Tag") = std::vector<drevak::Binary>{{0x01}};
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::TAG).text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(app.CommandColor(COMMANDCOLOR::TAG).background, GetSysColor(COLOR_WINDOW));
}

TEST_F(AppPropertyTest, CommandFontWithoutStoredFaceOrSizeIsTheDefaultFont) {
    const tvgui::Font standard;
    const tvgui::Font font = app.CommandFont();
    EXPECT_TRUE(font.owns());
    EXPECT_EQ(font.faceName(), standard.faceName());
    EXPECT_EQ(font.height(), standard.height());

    // A size below the smallest is not applied either.
    document.GetChild("Launcher/Command/Font/Size") = Integer{6};
    EXPECT_EQ(app.CommandFont().height(), standard.height());
}

TEST_F(AppPropertyTest, CommandFontTakesTheStoredFaceAndPointSize) {
    document.GetChild("Launcher/Command/Font/Name") = std::string("MS UI Gothic");
    document.GetChild("Launcher/Command/Font/Size") = Integer{14};
    const tvgui::Font font = app.CommandFont();
    EXPECT_EQ(font.faceName(), "MS UI Gothic");
    EXPECT_EQ(font.pointSize(), 14);

    // A face too long for any font leaves the default face and still takes the size.
    document.GetChild("Launcher/Command/Font/Name") = std::string(40, 'F');
    const tvgui::Font fallback = app.CommandFont();
    EXPECT_EQ(fallback.faceName(), tvgui::Font().faceName());
    EXPECT_EQ(fallback.pointSize(), 14);
}

TEST_F(AppPropertyTest, CommandFontIsWrittenAsFaceAndPointSize) {
    tvgui::Font font;
    font.faceName("ＭＳ ゴシック");
    font.pointSize(11);
    app.CommandFont(&font);
    EXPECT_EQ(at("Launcher/Command/Font/Name"), "\\ＭＳ ゴシック");
    EXPECT_EQ(at("Launcher/Command/Font/Size"), ":11");
    const tvgui::Font back = app.CommandFont();
    EXPECT_EQ(back.faceName(), "ＭＳ ゴシック");
    EXPECT_EQ(back.pointSize(), 11);

    // Sizes the setting would not take are stored unset.
    font.pointSize(5);
    app.CommandFont(&font);
    EXPECT_EQ(at("Launcher/Command/Font/Size"), ":*");

    app.CommandFont(nullptr);
    EXPECT_EQ(at("Launcher/Command/Font/Name"), "\\\\e");
    EXPECT_EQ(at("Launcher/Command/Font/Size"), ":*");
    EXPECT_EQ(document.toString(), defaultSettingsText);
}

} // namespace
} // namespace tavrin::file
