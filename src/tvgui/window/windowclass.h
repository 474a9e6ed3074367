#pragma once

namespace tavrin::tvgui {

// The toolkit's two window classes: "TvGuiWindow" for its windows and dialogs,
// "TvGuiControl" for its custom controls.
inline constexpr const char* WINDOW_CLASS = "TvGuiWindow";
inline constexpr const char* CONTROL_CLASS = "TvGuiControl";

// Registers both classes once per process, before the first window of the toolkit is made.
// TvWindowError "ウィンドウクラス登録失敗," + the system's text when the system refuses.
void registerWindowClasses();

} // namespace tavrin::tvgui
