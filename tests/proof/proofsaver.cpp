// The saving process that killed_save_win32 ends: loads the document at SOURCE and saves it over
// TARGET, setting the event named READY where the span of the kills begins (spannedsave.h) and
// the one named SAVED once the save is done.
// Usage: proof_saver SOURCE TARGET READY SAVED [--replacement]; exit status 0 when saved, 2 for
// bad arguments, 3 when the load or the save failed.
#include <cstdio>
#include <exception>
#include <string_view>

#include "file/datafile.h"
#include "spannedsave.h"
#include "system/unicode.h"
#include "system/win32.h"

#include <shellapi.h>

int main() {
    int count = 0;
    wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool replacement = count == 6 && std::wstring_view(arguments[5]) == L"--replacement";
    if (arguments == nullptr || (count != 5 && !replacement)) {
        std::fprintf(stderr, "usage: proof_saver SOURCE TARGET READY SAVED [--replacement]\n");
        return 2;
    }
    try {
        using tavrin::system::toUtf8;
        const drevak::DvkDocument document = tavrin::file::LoadDocument(toUtf8(arguments[1]));
        const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[3]);
        const HANDLE saved = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[4]);
        if (ready == nullptr || saved == nullptr) {
            std::fprintf(stderr, "proof_saver: no event (system code %lu)\n", GetLastError());
            return 3;
        }
        const auto span = replacement ? proof::KillSpan::replacement : proof::KillSpan::wholeSave;
        proof::spannedSave(span, document, toUtf8(arguments[2]), [ready] { SetEvent(ready); });
        SetEvent(saved);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "proof_saver: %s\n", error.what());
        return 3;
    }
    return 0;
}
