#include "tvgui/window/tvguievent.h"

#include <string>
#include <typeinfo>

#include "system/log.h"
#include "system/raii.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui {

void TvGuiEvent::OnDestroy() {
    system::WriteLog([this] { return system::fullClassName(typeid(*this)) + ".TvGuiDestroy()"; });
}

void TvGuiEvent::OnDpiChanged(int dpi, const RECT& suggested) {
    // Every handler set of the toolkit is also the window whose messages it handles.
    if (auto* window = dynamic_cast<TvGui*>(this)) {
        window->followDpi(dpi, suggested);
    }
}

} // namespace tavrin::tvgui
