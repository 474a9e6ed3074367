#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/unicode.h"

#include "system/win32.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui::test {

// Ends a modal loop that a failing test would leave waiting, and says so.
class LoopGuard {
public:
    LoopGuard() : timer_(SetTimer(nullptr, 0, 10000, &LoopGuard::expire)) { expired = false; }
    ~LoopGuard() {
        KillTimer(nullptr, timer_);
        EXPECT_FALSE(expired) << "a dialog's loop did not end by itself";
    }
    LoopGuard(const LoopGuard&) = delete;
    LoopGuard& operator=(const LoopGuard&) = delete;

private:
    static void CALLBACK expire(HWND, UINT, UINT_PTR, DWORD) {
        expired = true;
        PostQuitMessage(99);
    }
    static inline bool expired = false;
    UINT_PTR timer_;
};

// The control of the dialog under the id, as the toolkit's object of its class.
template <typename Control, typename Id> Control& controlOf(const tvgui::TvGui& dialog, Id id) {
    auto* control = dynamic_cast<Control*>(dialog.item(static_cast<tvgui::ITEM_ID>(id)));
    if (control == nullptr) {
        throw std::runtime_error("no control " + std::to_string(static_cast<int>(id)));
    }
    return *control;
}

// The command a click on the dialog's button sends.
template <typename Id> LRESULT click(const tvgui::TvGui& dialog, Id id, bool post) {
    const HWND button = GetDlgItem(dialog.hwnd(), static_cast<int>(id));
    const WPARAM command = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
    if (post) {
        PostMessageW(dialog.hwnd(), WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
        return 0;
    }
    return SendMessageW(dialog.hwnd(), WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
}

// Every child window lies inside the client area and overlaps no other child, at the
// dialog's DPI: what a person sees is whole.
inline void expectChildrenApart(const tvgui::TvGui& dialog) {
    const SIZE client = dialog.clientSize();
    std::vector<RECT> placed;
    for (HWND child = GetWindow(dialog.hwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        SCOPED_TRACE("control " + std::to_string(GetDlgCtrlID(child)));
        EXPECT_GT(rect.right, rect.left);
        EXPECT_GT(rect.bottom, rect.top);
        EXPECT_GE(rect.left, 0);
        EXPECT_GE(rect.top, 0);
        EXPECT_LE(rect.right, client.cx);
        EXPECT_LE(rect.bottom, client.cy);
        for (const RECT& other : placed) {
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &rect, &other));
        }
        placed.push_back(rect);
    }
}

inline std::string textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return system::toUtf8(text);
}

// Answers the next dialog with the caption (and of the class, when one is given) when it shows
// up: notes the text of its child textId and clicks its button buttonId. Several may wait at
// once, each for its caption.
class Answer {
public:
    Answer(std::wstring caption, int textId, int buttonId, const wchar_t* className = nullptr)
        : caption_(std::move(caption)), textId_(textId), buttonId_(buttonId),
          className_(className) {
        waiting.push_back(this);
        timer_ = SetTimer(nullptr, 0, 50, &Answer::tick);
    }
    ~Answer() {
        KillTimer(nullptr, timer_);
        std::erase(waiting, this);
    }
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;

    bool answered = false;
    std::string text;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        for (Answer* self : waiting) {
            const HWND shown = FindWindowW(self->className_, self->caption_.c_str());
            if (shown == nullptr || self->answered) {
                continue;
            }
            self->answered = true;
            self->text = textOf(GetDlgItem(shown, self->textId_));
            PostMessageW(shown, WM_COMMAND, MAKEWPARAM(self->buttonId_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(shown, self->buttonId_)));
        }
    }

    static inline std::vector<Answer*> waiting;
    std::wstring caption_;
    int textId_;
    int buttonId_;
    const wchar_t* className_;
    UINT_PTR timer_;
};

// A message box: its class, the id of its text and of its ok button.
constexpr const wchar_t* MESSAGE_BOX = L"#32770";
constexpr int MESSAGE_TEXT = 0xFFFF;
constexpr int MESSAGE_OK = IDOK;

// The exception dialog's ids of its text box and its close button.
constexpr int FAILURE_TEXT = 12;
constexpr int FAILURE_CLOSE = 4;

} // namespace tavrin::gui::test
