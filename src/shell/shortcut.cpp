#include "shell/shortcut.h"

#include <optional>
#include <source_location>

#include <commctrl.h>

namespace tavrin::shell {

namespace {

// Room for the longest path the system accepts and its terminating zero; arguments and
// folders get the same, as the shell stores them without the classic path limit.
constexpr int longestText = 32768;

void check(HRESULT result, std::source_location where = std::source_location::current()) {
    if (FAILED(result)) {
        throw system::ShortcutException(comMessage(result), system::CODE::NONE, nullptr, where);
    }
}

IShellLinkW* createLink() {
    // Before the holder's own constructor runs: the link is made for it.
    enterApartment();
    IShellLinkW* link = nullptr;
    check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)));
    return link;
}

IPersistFile* fileOf(IShellLinkW* link) {
    IPersistFile* file = nullptr;
    check(link->QueryInterface(IID_PPV_ARGS(&file)));
    return file;
}

// A text that read writes into a buffer of capacity units, up to its terminating zero.
template <typename Read>
std::wstring readText(int capacity, Read&& read,
                      std::source_location where = std::source_location::current()) {
    std::wstring buffer(static_cast<std::size_t>(capacity), L'\0');
    check(read(buffer.data(), capacity), where);
    return std::wstring(buffer.c_str());
}

} // namespace

Shortcut::Shortcut(DWORD resolveFlags)
    : Com(createLink()), file_(fileOf(get())), resolveFlags_(resolveFlags) {}

void Shortcut::load(std::wstring_view path) {
    check(file_->Load(std::wstring(path).c_str(), STGM_READ));
    check(get()->Resolve(GetDesktopWindow(), resolveFlags_));
}

void Shortcut::save(std::wstring_view path) {
    check(file_->Save(std::wstring(path).c_str(), TRUE));
}

IdList Shortcut::idList() const {
    return IdList([this](PIDLIST_ABSOLUTE* slot) { check(get()->GetIDList(slot)); });
}

std::wstring Shortcut::path() const {
    // The path that GetPath reports is not reliable for names outside the ANSI code page
    // on every system; the identifier list names the target itself.
    const IdList list = idList();
    if (std::optional<std::wstring> path = list.path(longestText)) {
        return std::move(*path);
    }
    return readText(longestText, [this](wchar_t* buffer, int capacity) {
        return get()->GetPath(buffer, capacity, nullptr, 0);
    });
}

void Shortcut::setPath(std::wstring_view path) {
    check(get()->SetPath(std::wstring(path).c_str()));
}

std::wstring Shortcut::workingDirectory() const {
    return readText(longestText, [this](wchar_t* buffer, int capacity) {
        return get()->GetWorkingDirectory(buffer, capacity);
    });
}

void Shortcut::setWorkingDirectory(std::wstring_view folder) {
    check(get()->SetWorkingDirectory(std::wstring(folder).c_str()));
}

std::wstring Shortcut::arguments() const {
    return readText(longestText, [this](wchar_t* buffer, int capacity) {
        return get()->GetArguments(buffer, capacity);
    });
}

void Shortcut::setArguments(std::wstring_view arguments) {
    check(get()->SetArguments(std::wstring(arguments).c_str()));
}

Shortcut::IconLocation Shortcut::iconLocation() const {
    IconLocation location;
    location.path = readText(longestText, [this, &location](wchar_t* buffer, int capacity) {
        return get()->GetIconLocation(buffer, capacity, &location.index);
    });
    return location;
}

void Shortcut::setIconLocation(std::wstring_view path, int index) {
    check(get()->SetIconLocation(std::wstring(path).c_str(), index));
}

std::wstring Shortcut::description() const {
    // The shell keeps descriptions up to the size of a tool tip's text.
    return readText(INFOTIPSIZE, [this](wchar_t* buffer, int capacity) {
        return get()->GetDescription(buffer, capacity);
    });
}

void Shortcut::setDescription(std::wstring_view description) {
    check(get()->SetDescription(std::wstring(description).c_str()));
}

WORD Shortcut::hotkey() const {
    WORD hotkey = 0;
    check(get()->GetHotkey(&hotkey));
    return hotkey;
}

void Shortcut::setHotkey(WORD hotkey) {
    check(get()->SetHotkey(hotkey));
}

int Shortcut::showCommand() const {
    int show = 0;
    check(get()->GetShowCmd(&show));
    return show;
}

void Shortcut::setShowCommand(int show) {
    check(get()->SetShowCmd(show));
}

void Shortcut::release() {
    file_.dispose();
    Com::release();
}

} // namespace tavrin::shell
