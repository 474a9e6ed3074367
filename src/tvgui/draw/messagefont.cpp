#include "tvgui/draw/messagefont.h"

#include <map>
#include <mutex>

namespace tavrin::tvgui {

namespace {

// Few DPIs ever occur (one per monitor setting), so the fonts are kept until the process
// ends: a control may still show any of them.
class MessageFonts {
public:
    const Font& at(int dpi) {
        std::lock_guard lock(mutex_);
        auto found = fonts_.find(dpi);
        if (found == fonts_.end()) {
            found = fonts_.try_emplace(dpi, Font::SYSTEM::MESSAGE, dpi).first;
        }
        return found->second;
    }

    bool holds(HFONT font) {
        std::lock_guard lock(mutex_);
        for (const auto& entry : fonts_) {
            if (entry.second.get() == font) {
                return true;
            }
        }
        return false;
    }

private:
    std::mutex mutex_;
    std::map<int, Font> fonts_;
};

MessageFonts& messageFonts() {
    static MessageFonts fonts;
    return fonts;
}

} // namespace

const Font& messageFontFor(int dpi) {
    return messageFonts().at(dpi > 0 ? dpi : 0);
}

bool isSharedMessageFont(HFONT font) {
    return font != nullptr && messageFonts().holds(font);
}

} // namespace tavrin::tvgui
