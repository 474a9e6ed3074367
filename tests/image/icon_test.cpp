#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "iconpixels.h"
#include "image/icon.h"
#include "system/staticdata.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "testfiles.h"

namespace tavrin::image {
namespace {

using imagetest::drawnPixels;
using imagetest::filePixels;
using imagetest::iconWidth;
using imagetest::windowsPath;
using system::StaticData;
using system::TavrinException;

struct OwnIconCase {
    SYSICON icon;
    const wchar_t* fileName;
    WORD resource;
};

constexpr std::array<OwnIconCase, 6> ownIcons{{
    {SYSICON::TAVRIN, L"tavrin.ico", 100},
    {SYSICON::URI, L"uri.ico", 106},
    {SYSICON::MULTI, L"multi.ico", 108},
    {SYSICON::TASKTRAY, L"tasktray.ico", 105},
    {SYSICON::FOLDER, L"folder.ico", 110},
    {SYSICON::FILE, L"file.ico", 112},
}};

constexpr std::array<ICONSIZE, 2> sizes{ICONSIZE::SMALL, ICONSIZE::LARGE};

std::wstring drawnIcon(const wchar_t* fileName) {
    return windowsPath(ICON_FOLDER) + L"\\" + fileName;
}

std::vector<std::uint32_t> pixelsOf(const Icon& icon, ICONSIZE size) {
    return drawnPixels(icon.get(), pixelSize(size));
}

// The message of what raising throws, or "" when nothing is thrown.
template <typename Raise> std::string failureOf(Raise&& raise) {
    try {
        raise();
    } catch (const TavrinException& failure) {
        return failure.message();
    }
    return "";
}

// Each test sees an empty resource folder of its own.
class IconTest : public testing::Test {
protected:
    void SetUp() override {
        StaticData::Values values;
        values.ResourceFolder = resources.text();
        StaticData::initialize(values);
    }
    void TearDown() override { StaticData::initialize(StaticData::Values{}); }

    std::filesystem::path resourceFile(const wchar_t* name) const {
        return resources.path() / name;
    }

    systemtest::TempFolder resources;
    systemtest::TempFolder scratch;
};

TEST(IconSize, PixelSizes) {
    EXPECT_EQ(pixelSize(ICONSIZE::SMALL), 16);
    EXPECT_EQ(pixelSize(ICONSIZE::LARGE), 32);
}

// The built tavrin.exe, read as data: every own icon group holds a 16 and a 32 pixel image
// that is exactly the drawn .ico file, and the application icon is the first group.
class ExecutableResources : public testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryExW(windowsPath(TAVRIN_EXE).c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module); }

    // The image that the group offers for the size, built as an icon (owned by the caller).
    HICON groupImage(WORD group, int size) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(group), RT_GROUP_ICON);
        if (found == nullptr) {
            return nullptr;
        }
        auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, found)));
        int image = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        HRSRC imageFound = FindResourceW(module, MAKEINTRESOURCEW(image), RT_ICON);
        if (imageFound == nullptr) {
            return nullptr;
        }
        auto* bits = static_cast<BYTE*>(LockResource(LoadResource(module, imageFound)));
        return CreateIconFromResourceEx(bits, SizeofResource(module, imageFound), TRUE, 0x00030000,
                                        size, size, LR_DEFAULTCOLOR);
    }

    // Widths of the group's directory entries (a stored 0 means 256).
    std::vector<int> groupWidths(WORD group) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(group), RT_GROUP_ICON);
        if (found == nullptr) {
            return {};
        }
        auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
        std::vector<int> widths;
        for (WORD entry = 0; entry < count; ++entry) {
            const BYTE width = directory[6 + 14 * entry];
            widths.push_back(width == 0 ? 256 : width);
        }
        return widths;
    }

    HMODULE module = nullptr;
};

TEST_F(ExecutableResources, EveryOwnIconGroupHoldsItsDrawingAtBothSizes) {
    for (const OwnIconCase& own : ownIcons) {
        SCOPED_TRACE(own.resource);
        EXPECT_EQ(groupWidths(own.resource), (std::vector<int>{16, 32}));
        for (int size : {16, 32}) {
            HICON image = groupImage(own.resource, size);
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(iconWidth(image), size);
            EXPECT_EQ(drawnPixels(image, size), filePixels(drawnIcon(own.fileName), size));
            DestroyIcon(image);
        }
    }
}

TEST_F(ExecutableResources, ApplicationIconIsTheFirstGroup) {
    std::vector<ULONG_PTR> groups;
    EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            reinterpret_cast<std::vector<ULONG_PTR>*>(found)->push_back(
                reinterpret_cast<ULONG_PTR>(name));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, (std::vector<ULONG_PTR>{100, 105, 106, 108, 110, 112}));
}

TEST_F(ExecutableResources, TheSixDrawingsDifferFromEachOther) {
    for (int size : {16, 32}) {
        for (std::size_t a = 0; a < ownIcons.size(); ++a) {
            for (std::size_t b = a + 1; b < ownIcons.size(); ++b) {
                EXPECT_NE(filePixels(drawnIcon(ownIcons[a].fileName), size),
                          filePixels(drawnIcon(ownIcons[b].fileName), size))
                    << a << " " << b << " at " << size;
            }
        }
    }
}

TEST_F(IconTest, OwnIconsComeFromTheExecutableWhenTheResourceFolderIsEmpty) {
    for (const OwnIconCase& own : ownIcons) {
        for (ICONSIZE size : sizes) {
            SCOPED_TRACE(own.resource);
            HICON shared = nullptr;
            {
                Icon icon = GetSystemIcon(size, own.icon);
                ASSERT_NE(icon.get(), nullptr);
                EXPECT_FALSE(icon.owns());
                EXPECT_EQ(iconWidth(icon.get()), pixelSize(size));
                EXPECT_EQ(pixelsOf(icon, size),
                          filePixels(drawnIcon(own.fileName), pixelSize(size)));
                shared = icon.get();
            }
            // The shared icon outlives its holder: the system keeps it for the process.
            EXPECT_EQ(iconWidth(shared), pixelSize(size));
        }
    }
}

TEST_F(IconTest, AFileInTheResourceFolderReplacesOnlyItsOwnIcon) {
    std::filesystem::copy_file(drawnIcon(L"uri.ico"), resourceFile(L"folder.ico"));
    for (ICONSIZE size : sizes) {
        Icon folder = GetSystemIcon(size, SYSICON::FOLDER);
        EXPECT_TRUE(folder.owns());
        EXPECT_EQ(iconWidth(folder.get()), pixelSize(size));
        EXPECT_EQ(pixelsOf(folder, size), filePixels(drawnIcon(L"uri.ico"), pixelSize(size)));

        Icon file = GetSystemIcon(size, SYSICON::FILE);
        EXPECT_FALSE(file.owns());
        EXPECT_EQ(pixelsOf(file, size), filePixels(drawnIcon(L"file.ico"), pixelSize(size)));
    }
}

TEST_F(IconTest, AFolderOfTheIconsNameDoesNotReplaceIt) {
    std::filesystem::create_directory(resourceFile(L"multi.ico"));
    Icon multi = GetSystemIcon(ICONSIZE::LARGE, SYSICON::MULTI);
    EXPECT_FALSE(multi.owns());
    EXPECT_EQ(pixelsOf(multi, ICONSIZE::LARGE), filePixels(drawnIcon(L"multi.ico"), 32));
}

TEST_F(IconTest, StockIconsAreSharedAndAnUnknownOneFails) {
    for (SYSICON stock : {SYSICON::APPLICATION, SYSICON::HAND, SYSICON::EXCLAMATION}) {
        for (ICONSIZE size : sizes) {
            Icon icon = GetSystemIcon(size, stock);
            ASSERT_NE(icon.get(), nullptr);
            EXPECT_FALSE(icon.owns());
            EXPECT_EQ(iconWidth(icon.get()), pixelSize(size));
        }
    }
    EXPECT_EQ(failureOf([] { GetSystemIcon(ICONSIZE::SMALL, static_cast<SYSICON>(0x1234)); }),
              "GetSystemIcon:LoadIcon");
}

TEST_F(IconTest, ProgramIconsByIndexWithEveryIndexOutsideTheFileGivingTheFirst) {
    const std::wstring program = windowsPath(TAVRIN_EXE);
    // Groups in resource order: 100 tavrin, 105 tasktray, 106 uri, 108, 110, 112.
    for (ICONSIZE size : sizes) {
        const int pixels = pixelSize(size);
        const auto first = filePixels(drawnIcon(L"tavrin.ico"), pixels);
        Icon third = GetFileIcon(size, program, 2);
        EXPECT_TRUE(third.owns());
        EXPECT_EQ(iconWidth(third.get()), pixels);
        EXPECT_EQ(pixelsOf(third, size), filePixels(drawnIcon(L"uri.ico"), pixels));
        EXPECT_EQ(pixelsOf(GetFileIcon(size, program, 5), size),
                  filePixels(drawnIcon(L"file.ico"), pixels));
        for (int outside : {6, 7, 1000, -1, -100}) {
            SCOPED_TRACE(outside);
            Icon icon = GetFileIcon(size, program, outside);
            ASSERT_NE(icon.get(), nullptr);
            EXPECT_EQ(pixelsOf(icon, size), first);
        }
    }
}

TEST_F(IconTest, LibrariesAreKnownByTheirExtensionInAnyCase) {
    // A program under a library's name still gives its icons by index.
    for (const wchar_t* name : {L"copy.DLL", L"copy.Dll"}) {
        const std::filesystem::path library = scratch.path() / name;
        std::filesystem::copy_file(windowsPath(TAVRIN_EXE), library);
        Icon icon = GetFileIcon(ICONSIZE::LARGE, library.wstring(), 2);
        EXPECT_EQ(pixelsOf(icon, ICONSIZE::LARGE), filePixels(drawnIcon(L"uri.ico"), 32));
        std::filesystem::remove(library);
    }
}

TEST_F(IconTest, FilesWithoutIconsOfTheirOwn) {
    // A library without icons, a broken icon file and a document all show the shell's icon
    // for the file.
    for (const wchar_t* name : {L"empty.dll", L"broken.ico", L"notes.txt"}) {
        const std::filesystem::path path = scratch.path() / name;
        systemtest::writeBytes(path, "no icons here");
        for (ICONSIZE size : sizes) {
            Icon icon = GetFileIcon(size, path.wstring(), 0);
            ASSERT_NE(icon.get(), nullptr);
            EXPECT_TRUE(icon.owns());
            EXPECT_EQ(iconWidth(icon.get()), pixelSize(size));
        }
    }
    // A program without icons gives none, and a holder without a handle is harmless.
    Icon none = GetFileIcon(ICONSIZE::LARGE, windowsPath(NOICON_EXE), 0);
    EXPECT_EQ(none.get(), nullptr);
    EXPECT_EQ(none.duplicate().get(), nullptr);
    EXPECT_TRUE(none.dispose());
}

TEST_F(IconTest, AMissingFileFailsWithItsPath) {
    const std::filesystem::path missing = scratch.path() / L"ない" / L"gone.exe";
    EXPECT_EQ(failureOf([&] { GetFileIcon(ICONSIZE::SMALL, missing.wstring(), 0); }),
              systemtest::utf8(missing) + "がない");
    // An own icon never takes that route: only an existing file replaces the built-in one.
    EXPECT_NE(GetSystemIcon(ICONSIZE::SMALL, SYSICON::TASKTRAY).get(), nullptr);
}

TEST_F(IconTest, OwnedHandlesAreDestroyedExactlyOnce) {
    const std::wstring program = windowsPath(TAVRIN_EXE);
    HICON disposed = nullptr;
    HICON ended = nullptr;
    {
        Icon icon = GetFileIcon(ICONSIZE::SMALL, program, 0);
        disposed = icon.get();
        EXPECT_TRUE(icon.dispose());
        EXPECT_FALSE(icon.owns());
        EXPECT_EQ(icon.get(), nullptr);
        EXPECT_TRUE(icon.dispose());

        Icon moved = GetFileIcon(ICONSIZE::SMALL, program, 1);
        ended = moved.get();
        Icon taker(std::move(moved));
        EXPECT_EQ(moved.get(), nullptr);
        EXPECT_FALSE(moved.owns());
        EXPECT_EQ(taker.get(), ended);
        EXPECT_TRUE(taker.owns());
    }
    // Destroying a handle a second time fails: the holders destroyed each once already.
    EXPECT_FALSE(DestroyIcon(disposed));
    EXPECT_FALSE(DestroyIcon(ended));
}

TEST_F(IconTest, ADuplicateIsAnOwnedCopyOfTheSameImage) {
    Icon shared = GetSystemIcon(ICONSIZE::LARGE, SYSICON::URI);
    Icon copy = shared.duplicate();
    EXPECT_TRUE(copy.owns());
    EXPECT_NE(copy.get(), shared.get());
    EXPECT_EQ(pixelsOf(copy, ICONSIZE::LARGE), pixelsOf(shared, ICONSIZE::LARGE));
    HICON copied = copy.get();
    copy.dispose();
    EXPECT_FALSE(DestroyIcon(copied));
    EXPECT_EQ(iconWidth(shared.get()), 32);
}

TEST_F(IconTest, AssigningReleasesTheIconHeldBefore) {
    Icon icon = GetFileIcon(ICONSIZE::SMALL, windowsPath(TAVRIN_EXE), 0);
    HICON before = icon.get();
    icon = GetSystemIcon(ICONSIZE::SMALL, SYSICON::FOLDER);
    EXPECT_FALSE(icon.owns());
    EXPECT_FALSE(DestroyIcon(before));
}

TEST_F(IconTest, RepeatedUseLeavesNoHandlesBehind) {
    const std::wstring program = windowsPath(TAVRIN_EXE);
    std::filesystem::copy_file(drawnIcon(L"file.ico"), resourceFile(L"file.ico"));
    std::vector<HICON> owned;
    std::vector<HICON> shared;
    auto useIcons = [&](int round) {
        Icon fromFile = GetFileIcon(ICONSIZE::LARGE, program, round % 7);
        Icon copy = fromFile.duplicate();
        Icon overridden = GetSystemIcon(ICONSIZE::SMALL, SYSICON::FILE);
        Icon builtIn = GetSystemIcon(ICONSIZE::SMALL, SYSICON::URI);
        Icon stock = GetSystemIcon(ICONSIZE::LARGE, SYSICON::EXCLAMATION);
        owned.insert(owned.end(), {fromFile.get(), copy.get(), overridden.get()});
        shared.insert(shared.end(), {builtIn.get(), stock.get()});
    };
    // The first round loads the shared icons, which the system keeps for the process.
    useIcons(0);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int round = 1; round <= 300; ++round) {
        useIcons(round);
    }
    // Every owned handle is gone, every shared one still there.
    for (HICON handle : owned) {
        ICONINFO parts{};
        ASSERT_FALSE(GetIconInfo(handle, &parts)) << handle;
    }
    for (HICON handle : shared) {
        ASSERT_GT(iconWidth(handle), 0) << handle;
    }
    // Wine counts no handles per process and answers 0 for both.
    if (gdiBefore != 0 || userBefore != 0) {
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
    }
}

} // namespace
} // namespace tavrin::image
