#include "gui/window/dialog/guardedaction.h"

#include "gui/window/dialog/exceptiondialog.h"
#include "gui/window/dialog/refusalbox.h"
#include "system/log.h"
#include "system/tavrinerrors.h"

namespace tavrin::gui {

void guarded(tvgui::TvGui& window, const std::function<void()>& action) {
    try {
        action();
    } catch (const system::ItemSetException& refused) {
        showRefusal(window, refused);
    } catch (const system::GroupDataException& refused) {
        showRefusal(window, refused);
    } catch (const system::InputException& refused) {
        showRefusal(window, refused);
    } catch (const system::TavrinException& failure) {
        system::WriteLog([&failure] { return system::throwableText(failure); });
        ExceptionDialog::show(&window, failure);
    }
}

} // namespace tavrin::gui
