#include "tvgui/keyboard/accelerator.h"

#include <cstdio>
#include <exception>
#include <utility>

#include "system/log.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

using system::KeyBoardException;

namespace {

// The flag names in their bit order, any bits without a name in hexadecimal, "0" for none.
std::string typeText(ACCELERATOR::TYPE type) {
    static constexpr std::pair<ACCELERATOR::TYPE, const char*> names[] = {
        {ACCELERATOR::TYPE::FVIRTKEY, "FVIRTKEY"}, {ACCELERATOR::TYPE::FNOINVERT, "FNOINVERT"},
        {ACCELERATOR::TYPE::FSHIFT, "FSHIFT"},     {ACCELERATOR::TYPE::FCONTROL, "FCONTROL"},
        {ACCELERATOR::TYPE::FALT, "FALT"},
    };
    auto rest = static_cast<unsigned>(type);
    std::string text;
    for (const auto& [flag, name] : names) {
        const auto bit = static_cast<unsigned>(flag);
        if (rest & bit) {
            text += text.empty() ? "" : "|";
            text += name;
            rest &= ~bit;
        }
    }
    if (rest != 0 || text.empty()) {
        char number[8];
        std::snprintf(number, sizeof number, rest != 0 ? "0x%02X" : "%u", rest);
        text += text.empty() ? "" : "|";
        text += number;
    }
    return text;
}

ACCEL toSystem(const ACCELERATOR& entry) {
    return ACCEL{static_cast<BYTE>(entry.type), entry.key, entry.command};
}

ACCELERATOR fromSystem(const ACCEL& entry) {
    return ACCELERATOR(static_cast<ACCELERATOR::TYPE>(entry.fVirt), entry.key, entry.cmd);
}

// The system takes at most this many entries. Wine takes more; refusing them here keeps a
// table that works under Wine from failing on Windows.
constexpr std::size_t MOST_ENTRIES = 32767;

[[noreturn]] void refuseTable(std::span<const ACCELERATOR> entries, DWORD code) {
    std::string text = "CreateAcceleratorTable失敗:" + system::systemMessage(code);
    for (const ACCELERATOR& entry : entries) {
        text += '\n';
        text += entry.toString();
    }
    throw KeyBoardException(text);
}

} // namespace

std::string ACCELERATOR::toString() const {
    return "[ACCELERATOR]  type = " + typeText(type) + " ,key = " + std::to_string(key) +
           " ,command = " + std::to_string(command);
}

Accelerator::Accelerator(std::span<const ACCELERATOR> entries) {
    if (entries.empty()) {
        return;
    }
    if (entries.size() > MOST_ENTRIES) {
        refuseTable(entries, ERROR_INVALID_PARAMETER);
    }
    std::vector<ACCEL> table;
    table.reserve(entries.size());
    for (const ACCELERATOR& entry : entries) {
        table.push_back(toSystem(entry));
    }
    handle = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
    if (handle == nullptr) {
        refuseTable(entries, GetLastError());
    }
    alive = true;
}

Accelerator::~Accelerator() {
    // The table stays with the system until the process ends.
    releaseAtEnd(system::logRefusedRelease);
}

void Accelerator::release() {
    if (handle != nullptr) {
        if (!DestroyAcceleratorTable(handle)) {
            raiseReleaseFailure("キーボードアクセラレータ");
        }
        handle = nullptr;
    }
}

std::vector<ACCELERATOR> Accelerator::entries() const {
    if (handle == nullptr) {
        return {};
    }
    const int count = CopyAcceleratorTableW(handle, nullptr, 0);
    if (count <= 0) {
        return {};
    }
    std::vector<ACCEL> table(static_cast<std::size_t>(count));
    const int copied = CopyAcceleratorTableW(handle, table.data(), count);
    if (copied != count) {
        throw KeyBoardException("CopyAcceleratorTable失敗:" +
                                system::systemMessage(GetLastError()));
    }
    std::vector<ACCELERATOR> result;
    result.reserve(table.size());
    for (const ACCEL& entry : table) {
        result.push_back(fromSystem(entry));
    }
    return result;
}

Accelerator Accelerator::add(const ACCELERATOR& entry) const {
    return add(std::span(&entry, 1));
}

Accelerator Accelerator::add(const Accelerator& other) const {
    return add(other.entries());
}

Accelerator Accelerator::add(std::span<const ACCELERATOR> more) const {
    std::vector<ACCELERATOR> combined = entries();
    combined.insert(combined.end(), more.begin(), more.end());
    return Accelerator(combined);
}

Accelerator defaultDialogAccelerator() {
    static constexpr ACCELERATOR keys[] = {
        {ACCELERATOR::TYPE::FVIRTKEY, VK_RETURN, DIALOG_ENTER_COMMAND},
        {ACCELERATOR::TYPE::FVIRTKEY, VK_ESCAPE, DIALOG_ESCAPE_COMMAND},
    };
    return Accelerator(keys);
}

} // namespace tavrin::tvgui
