#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/window/dialog/selectdialog.h"

namespace tavrin::gui {

// What an input prompt asks for and what it does with the answer.
struct InputConfig {
    bool editable = true;
    bool fileButton = true;
    bool folderButton = true;
    bool cancelButton = true;
    std::string text;
    // The file-open dialog's caption and type list (each entry: shown text, pattern, ...).
    std::string fileTitle;
    std::vector<std::vector<std::wstring>> filters;
    // Where both browse dialogs start.
    std::string startPath;
    // Each may reject the text by raising; the prompt then stays open with it.
    void (*checker)(const std::string& text) = nullptr;
    std::function<void(const std::string& text)> receiver;
};

// A one-line text prompt under a title bar, with buttons that put a chosen file or folder
// into the text, and OK / cancel. Confirmed when OK got a text that the checker and the
// receiver took.
class InputDialog : public SelectDialog {
public:
    enum class CTRL : std::uint16_t {
        TITLE = 0x4000,
        EDIT = 0x4001,
        OK = 0x4002,
        CANCEL = 0x4003,
        FILE = 0x4004,
        FOLDER = 0x4005,
    };

    InputDialog(InputConfig config, tvgui::TvGui* owner);
    ~InputDialog() override;

    // The edit line's text as it was when the window went; empty before.
    const std::string& finalText() const noexcept { return finalText_; }
    // The edit line's height: its font and two edges.
    int lineHeight() const;

    // Put the chosen file or folder into the text; nothing changes when the user cancels.
    void browseFile();
    void browseFolder();

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    void OnSize(tvgui::SIZE_TYPE type, int width, int height) override;
    void OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    void OnDestroy() override;

private:
    struct Parts;

    void accept();
    void place(const std::string& path);
    // Shows a failure over the prompt, which stays open.
    void showFailure(const std::exception& failure);
    SIZE buttonSize() const;

    InputConfig config_;
    std::string finalText_;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
