#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "dll/hookerdll.h"
#include "dll/hooknotification.h"
#include "hooktestsupport.h"
#include "launchprobe_fixture.h"
#include "scratch_folder.h"
#include "system/scopeguard.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"

namespace tavrin::dll {
namespace {

using file::fixture::fromUnix;
using file::fixture::utf8;

std::wstring environment(const wchar_t* name) {
    wchar_t value[64]{};
    GetEnvironmentVariableW(name, value, 64);
    return value;
}

// What a constructor made of a library: loaded (with the name it reported) or refused.
struct Outcome {
    std::wstring name;
    std::optional<system::TavrinException> refusal;
};

template <typename Loader> Outcome load(const std::string& path) {
    try {
        if constexpr (std::is_same_v<Loader, HookerDLL>) {
            const HookerDLL library(path, nullptr);
            return {library.infos().name, std::nullopt};
        } else {
            const Loader library(path);
            return {library.infos().name, std::nullopt};
        }
    } catch (const system::TavrinException& refused) {
        return {L"", refused};
    }
}

// Each loader against libraries with and without each export: it loads them or refuses them
// naming what is missing. A library that was handed the memory proxy always has it taken back,
// refused or not; one without the information export is handed nothing.
TEST(DllTest, LoadersTakeLibrariesWithTheExportsTheyNeedAndRefuseTheRest) {
    // The current folder holds a copy of the hook library for as long as the test runs.
    const file::fixture::ScratchFolder current;
    std::filesystem::copy_file(test::hookerLibrary(), current.root() / "Hooker.dll");
    wchar_t before[MAX_PATH]{};
    GetCurrentDirectoryW(MAX_PATH, before);
    SetCurrentDirectoryW(current.root().c_str());
    const system::ScopeGuard back([&before] { SetCurrentDirectoryW(before); });
    const std::string here = utf8(current.root());
    const struct {
        const char* what;
        std::string path;
        bool asHooker;
        const wchar_t* name;  // reported when loaded; null when refused
        const char* missing;  // the export a refusal names; null for a failed load
        const wchar_t* proxy; // what the library says of the proxy once it is gone
    } cases[] = {
        {"own hook library", utf8(test::hookerLibrary()), true, L"Hooker", nullptr, L""},
        {"every export", utf8(fromUnix(TESTPLUGIN_FULL)), true, L"testplugin", nullptr, L"cleared"},
        {"no information", utf8(fromUnix(TESTPLUGIN_NO_INFOS)), false, nullptr, INFOS_EXPORT, L""},
        {"no unhook, plain", utf8(fromUnix(TESTPLUGIN_NO_UNREGIST)), false, L"testplugin", nullptr,
         L""},
        {"no unhook, as hook library", utf8(fromUnix(TESTPLUGIN_NO_UNREGIST)), true, nullptr,
         UNREGIST_HOOK_EXPORT, L""},
        {"no hook", utf8(fromUnix(TESTPLUGIN_NO_REGIST)), true, nullptr, REGIST_HOOK_EXPORT,
         L"cleared"},
        {"no such file", here + "\\none.dll", true, nullptr, nullptr, L""},
        // Beside the program and in the current folder, but never looked for there.
        {"bare name", "Hooker.dll", true, nullptr, nullptr, L""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        SetEnvironmentVariableW(L"TAVRIN_TEST_PROXY", nullptr);
        std::optional<Outcome> outcome;
        if (row.asHooker) {
            outcome = load<HookerDLL>(row.path);
        } else {
            outcome = load<TavrinDLL>(row.path);
        }
        EXPECT_EQ(environment(L"TAVRIN_TEST_PROXY"), row.proxy);
        if (row.name != nullptr) {
            EXPECT_FALSE(outcome->refusal) << outcome->refusal->toString();
            EXPECT_EQ(outcome->name, row.name);
            continue;
        }
        ASSERT_TRUE(outcome->refusal);
        const std::string& message = outcome->refusal->message();
        if (row.missing != nullptr) {
            EXPECT_NE(message.find(row.path), std::string::npos) << message;
            EXPECT_NE(message.find(row.missing), std::string::npos) << message;
        } else {
            EXPECT_EQ(message, row.path);
            EXPECT_TRUE(outcome->refusal->next()) << "no reason for a failed load";
        }
    }
    // A loaded library sees the proxy while it lives.
    {
        SetEnvironmentVariableW(L"TAVRIN_TEST_PROXY", nullptr);
        const TavrinDLL library(utf8(fromUnix(TESTPLUGIN_FULL)));
        EXPECT_EQ(environment(L"TAVRIN_TEST_PROXY"), L"set");
    }
    EXPECT_EQ(environment(L"TAVRIN_TEST_PROXY"), L"cleared");
}

TEST(DllTest, LauncherAsksForTheLowLevelMouseHookWithItsPrivateMessage) {
    HookerDLL library(utf8(fromUnix(TESTPLUGIN_FULL)), nullptr);
    library.start();
    EXPECT_EQ(environment(L"TAVRIN_TEST_HOOK"),
              std::to_wstring(WH_MOUSE_LL) + L" " + std::to_wstring(HOOK_MOUSE));
    EXPECT_EQ(HOOK_MOUSE, 0x8005u);
    EXPECT_TRUE(library.unhook());
    EXPECT_EQ(environment(L"TAVRIN_TEST_HOOK"), L"removed");
}

// Start, stop and the pause over the project's own library, which really hooks.
TEST(DllTest, HookLibraryStartsStopsAndPausesAndRefusesAWindowThatIsGone) {
    test::StandIn window(L"TavrinHookTarget", L"target", {0, 0, 50, 50});
    HookerDLL hooker(utf8(test::hookerLibrary()), window.hwnd());
    EXPECT_FALSE(hooker.isRunning());
    EXPECT_FALSE(hooker.unhook()) << "nothing was hooked";
    hooker.start();
    EXPECT_TRUE(hooker.isRunning());
    hooker.start();
    EXPECT_TRUE(hooker.isRunning());
    {
        const system::Pause paused(hooker);
        EXPECT_FALSE(hooker.isRunning());
    }
    EXPECT_TRUE(hooker.isRunning());
    EXPECT_TRUE(hooker.unhook());
    EXPECT_FALSE(hooker.isRunning());
    EXPECT_FALSE(hooker.unhook());

    // Released while hooked: the hook goes with the library.
    hooker.start();
    EXPECT_TRUE(hooker.dispose());
    EXPECT_FALSE(hooker.isRunning());

    const HWND gone = window.hwnd();
    DestroyWindow(gone);
    HookerDLL orphan(utf8(test::hookerLibrary()), gone);
    try {
        orphan.start();
        ADD_FAILURE() << "hooked for a window that is gone";
    } catch (const system::TavrinException& refused) {
        EXPECT_EQ(refused.message(), system::systemMessage(ERROR_INVALID_WINDOW_HANDLE));
    }
    EXPECT_FALSE(orphan.isRunning());
}

} // namespace
} // namespace tavrin::dll
