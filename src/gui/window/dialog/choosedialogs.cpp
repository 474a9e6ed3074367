#include "gui/window/dialog/choosedialogs.h"

#include <array>
#include <string>

#include "system/log.h"
#include "system/tavrinerrors.h"

namespace tavrin::gui {

namespace {

// The dialogs' library is loaded when a choice is first asked for: it weighs on every start
// of a launcher whose settings are rarely opened. Without it the user gets no choice, and the
// log says why.
HMODULE dialogLibrary() {
    static const HMODULE library =
        LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return library;
}

template <typename Function> Function* dialogFunction(const char* name) {
    const HMODULE library = dialogLibrary();
    auto* const found =
        library == nullptr
            ? nullptr
            : reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    if (found == nullptr) {
        system::WriteLog(
            [name] { return std::string("comdlg32.dll:") + name + " を読み込めない"; });
    }
    return found;
}

BOOL fontDialog(CHOOSEFONTW& request) {
    using Choose = BOOL WINAPI(CHOOSEFONTW*);
    static Choose* const choose = dialogFunction<Choose>("ChooseFontW");
    return choose != nullptr && choose(&request);
}

BOOL colorDialog(CHOOSECOLORW& request) {
    using Choose = BOOL WINAPI(CHOOSECOLORW*);
    static Choose* const choose = dialogFunction<Choose>("ChooseColorW");
    return choose != nullptr && choose(&request);
}

DWORD dialogError() {
    using Error = DWORD WINAPI();
    static Error* const error = dialogFunction<Error>("CommDlgExtendedError");
    return error == nullptr ? 0 : error();
}

} // namespace

ChooseCalls& chooseCalls() {
    static ChooseCalls calls{&fontDialog, &colorDialog, &dialogError};
    return calls;
}

std::optional<LOGFONTW> chooseFont(HWND owner, const LOGFONTW& current) {
    LOGFONTW chosen = current;
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &chosen;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (chooseCalls().font(request)) {
        return chosen;
    }
    const DWORD code = chooseCalls().error();
    if (code != 0) {
        throw system::TavrinException("[FontDialog] ErrCode = " + std::to_string(code));
    }
    return std::nullopt;
}

std::optional<COLORREF> chooseColor(HWND owner, COLORREF current) {
    // The dialog's sixteen custom colours last as long as the program.
    static std::array<COLORREF, 16> custom{};
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.rgbResult = current;
    request.lpCustColors = custom.data();
    request.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (chooseCalls().color(request)) {
        return request.rgbResult;
    }
    if (const DWORD code = chooseCalls().error(); code != 0) {
        system::WriteLog([code] { return "[ColorDialog] ErrCode = " + std::to_string(code); });
    }
    return std::nullopt;
}

} // namespace tavrin::gui
