#include "tvgui/window/tvguievent.h"

#include <string>
#include <typeinfo>

#include "system/log.h"
#include "system/raii.h"

namespace tavrin::tvgui {

void TvGuiEvent::OnDestroy() {
    system::WriteLog([this] { return system::fullClassName(typeid(*this)) + ".TvGuiDestroy()"; });
}

} // namespace tavrin::tvgui
