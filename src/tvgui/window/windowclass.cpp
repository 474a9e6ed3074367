#include "tvgui/window/windowclass.h"

#include <mutex>
#include <string>

#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "tvgui/window/control.h"
#include "tvgui/window/eventrouting.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui {

namespace {

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0) {
        throw system::TvWindowError(std::string("ウィンドウクラス登録失敗,") +
                                    system::systemMessage(GetLastError()));
    }
}

} // namespace

void registerWindowClasses() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        registerClass(L"TvGuiWindow", &EventLoopFunc<TvWindow>);
        registerClass(L"TvGuiControl", &EventLoopFunc<Control>);
    });
}

} // namespace tavrin::tvgui
