#include "shell/clipboard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::shell {
namespace {

using system::ClipBoardException;

// A hidden window standing in for the launcher window or a dialog.
struct TestWindow {
    HWND handle =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ~TestWindow() { DestroyWindow(handle); }
};

// The Unicode text on the clipboard as any other program reads it; nullopt when the
// clipboard cannot be opened or holds no text.
std::optional<std::wstring> clipboardText() {
    if (!OpenClipboard(nullptr)) {
        return std::nullopt;
    }
    std::optional<std::wstring> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ClipBoardTest, TextRoundTripsToWhatOtherProgramsRead) {
    const std::wstring texts[]{L"C:\\Program Files\\tool.exe --option",
                               L"起動ツール「メモ帳」ＡＢＣ", L"first line\r\nsecond line\r\n", L"",
                               std::wstring(100000, L'長') + L"\r\nend"};
    TextClipBoard clip;
    for (const auto& text : texts) {
        SCOPED_TRACE(text.size());
        ASSERT_TRUE(clip.setText("previous"));
        ASSERT_TRUE(clip.setText(system::toUtf8(text)));
        EXPECT_EQ(clipboardText(), text);
    }
}

TEST(ClipBoardTest, TheClipboardBelongsToAWindowEvenWithoutAnOwnerGiven) {
    TestWindow window;
    for (HWND given : {window.handle, HWND{}}) {
        SCOPED_TRACE(given == nullptr ? "no owner" : "owner");
        {
            TextClipBoard clip(given);
            ASSERT_TRUE(clip.setText("所有者"));
            EXPECT_NE(GetClipboardOwner(), nullptr);
            EXPECT_EQ(GetClipboardOwner(), given == nullptr ? clip.owner() : given);
        }
        EXPECT_EQ(clipboardText(), L"所有者") << "the text outlives the holder";
    }
}

TEST(ClipBoardTest, RefusalsFreeTheBlockLoseNothingAndCloseTheClipboard) {
    TextClipBoard clip;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    EXPECT_FALSE(clip.put(block, static_cast<CLIPDATA>(0))) << "format 0 is no format";
    EXPECT_EQ(GlobalFlags(block), GMEM_INVALID_HANDLE) << "the refused block was not freed";
    EXPECT_TRUE(OpenClipboard(nullptr) && CloseClipboard()) << "the clipboard was left open";

    ASSERT_TRUE(clip.setText("kept"));
    TestWindow other;
    ASSERT_TRUE(OpenClipboard(other.handle));
    EXPECT_FALSE(clip.setText("lost"));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(clipboardText(), L"kept");
}

TEST(ClipBoardTest, OpeningAndClosingRules) {
    ClipBoard clip;
    EXPECT_TRUE(clip.open());
    EXPECT_TRUE(clip.open()) << "a second open closes and opens again";
    ASSERT_TRUE(CloseClipboard()) << "closed behind the holder's back";
    try {
        clip.dispose();
        ADD_FAILURE() << "closing a closed clipboard succeeded";
    } catch (const ClipBoardException& refused) {
        EXPECT_EQ(refused.message(), "クリップボード");
    }
    EXPECT_TRUE(clip.open()) << "a refused close does not leave the holder stuck";
    clip.dispose();
    try {
        clip.setData(nullptr, CLIPDATA::UNICODETEXT);
        ADD_FAILURE() << "data was given to a closed clipboard";
    } catch (const ClipBoardException& refused) {
        EXPECT_EQ(refused.message(), "開いていない？");
    }
}

} // namespace
} // namespace tavrin::shell
