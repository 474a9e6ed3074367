#include "utility/simple/sysinfo.h"

#include <cinttypes>
#include <cstdio>
#include <string_view>
#include <vector>

#include "utility/simple/buildstamp.h"

namespace tavrin::utility {

namespace {

// The lines of the report; joined, they have no line end after the last.
class ReportLines {
public:
    void header(std::string_view name) { lines_.emplace_back(name); }
    void line(std::string_view label, std::string_view value) {
        lines_.push_back(std::string(label) + ": " + std::string(value));
    }
    void line(std::string_view label, unsigned long long value) {
        line(label, std::to_string(value));
    }
    void flag(std::string_view label, bool value) { line(label, value ? "true" : "false"); }
    void text(std::string line) { lines_.push_back(std::move(line)); }

    std::string joined() const {
        std::string all;
        for (const std::string& line : lines_) {
            if (!all.empty()) {
                all += "\r\n";
            }
            all += line;
        }
        return all;
    }

private:
    std::vector<std::string> lines_;
};

std::string printed(const char* format, auto... values) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, format, values...);
    return std::string(buffer, length < 0 ? 0 : static_cast<std::size_t>(length));
}

OSVERSIONINFOEXW osVersion() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version;
    // GetVersionExW reports what the manifest lets it; RtlGetVersion always tells the truth.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    if (const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        if (rtlGetVersion && rtlGetVersion(reinterpret_cast<OSVERSIONINFOW*>(&version)) == 0) {
            return version;
        }
    }
    version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
        version = {};
    }
    return version;
}

void addOs(ReportLines& lines, const SystemInfo::Sample& sample) {
    const OSVERSIONINFOEXW& version = sample.version;
    lines.header("[OS]");
    lines.line("Window", windowsName(version, sample.serverR2));
    lines.line("ServicePack", version.wServicePackMajor == 0
                                  ? std::string("none")
                                  : std::to_string(version.wServicePackMajor) + "." +
                                        std::to_string(version.wServicePackMinor));
    lines.line("BuildNumber", version.dwBuildNumber);
    lines.text(printed("Suites: %08X", static_cast<unsigned>(version.wSuiteMask)));
    lines.line("ProductType", version.wProductType);
}

std::string usedOfAll(DWORDLONG all, DWORDLONG available) {
    // The two figures are sampled apart: never report a negative use.
    const DWORDLONG used = available < all ? all - available : 0;
    return std::to_string(used) + " / " + std::to_string(all);
}

void addMemory(ReportLines& lines, const SystemInfo::Sample& sample) {
    const SYSTEM_INFO& layout = sample.layout;
    const MEMORYSTATUSEX& memory = sample.memory;
    lines.header("[MEMORY]");
    // Addresses are 64 bits wide.
    lines.text(printed("%s: %016" PRIXPTR " / %016" PRIXPTR, "Address,min-max",
                       reinterpret_cast<std::uintptr_t>(layout.lpMinimumApplicationAddress),
                       reinterpret_cast<std::uintptr_t>(layout.lpMaximumApplicationAddress)));
    lines.line("MinAllocation", layout.dwAllocationGranularity);
    lines.line("PageSize", layout.dwPageSize);
    lines.line("Page,use/all", usedOfAll(memory.ullTotalPageFile, memory.ullAvailPageFile));
    lines.line("Ram,use/all", usedOfAll(memory.ullTotalPhys, memory.ullAvailPhys));
    lines.line("Virtual,use/all(ext)", usedOfAll(memory.ullTotalVirtual, memory.ullAvailVirtual) +
                                           "(" + std::to_string(memory.ullAvailExtendedVirtual) +
                                           ")");
}

enum class FeatureWord { STANDARD, EXTENDED_STANDARD, EXTENDED };

struct Feature {
    std::string_view label;
    FeatureWord word;
    unsigned bit;
};

constexpr Feature features[]{
    {"MMX", FeatureWord::STANDARD, 23},          {"FXSR", FeatureWord::STANDARD, 24},
    {"SSE", FeatureWord::STANDARD, 25},          {"SSE2", FeatureWord::STANDARD, 26},
    {"SSE3", FeatureWord::EXTENDED_STANDARD, 0}, {"SSSE3", FeatureWord::EXTENDED_STANDARD, 9},
    {"AMD 3DNOW", FeatureWord::EXTENDED, 31},    {"AMD 3DNOW Ext", FeatureWord::EXTENDED, 30},
    {"AMD MMX", FeatureWord::EXTENDED, 22},      {"IA64", FeatureWord::STANDARD, 30},
    {"AMD64", FeatureWord::EXTENDED, 29},        {"HyperThreading", FeatureWord::STANDARD, 28},
};

bool hasFeature(const CpuInfo& cpu, const Feature& feature) {
    const std::uint32_t word = feature.word == FeatureWord::STANDARD ? cpu.standardFeatures
                               : feature.word == FeatureWord::EXTENDED_STANDARD
                                   ? cpu.extendedStandardFeatures
                                   : cpu.extendedFeatures;
    return (word >> feature.bit) & 1;
}

void addCpu(ReportLines& lines, const SystemInfo::Sample& sample) {
    const CpuInfo& cpu = sample.cpu;
    lines.header("[CPU]");
    lines.line("Vendor", cpu.vendor);
    lines.line("Processor", cpu.brand);
    for (const Feature& feature : features) {
        lines.flag(feature.label, hasFeature(cpu, feature));
    }
    lines.line("Threads/CPU", cpu.threadsPerCpu);
    lines.line("Core/CPU", cpu.coresPerCpu);
    lines.flag("INTEL", cpu.isIntel());
    lines.flag("AMD", cpu.isAmd());
    lines.line("Stepping", cpu.stepping);
    lines.line("Model", cpu.model);
    lines.line("Family", cpu.family);
    lines.flag("Slow", sample.slowMachine);
}

std::string compilerName() {
#if defined(__clang__)
    return "clang " __clang_version__;
#elif defined(__GNUC__) && defined(__MINGW64__)
    return "GNU C++ " __VERSION__ " (MinGW-w64 " __MINGW64_VERSION_STR ")";
#elif defined(__GNUC__)
    return "GNU C++ " __VERSION__;
#else
    return "unknown";
#endif
}

std::string compilerVersion() {
#if defined(__clang__)
    return printed("%d.%03d", __clang_major__, __clang_minor__);
#elif defined(__GNUC__)
    return printed("%d.%03d", __GNUC__, __GNUC_MINOR__);
#else
    return "0.000";
#endif
}

void addBuild(ReportLines& lines) {
    lines.header("[COMPILER]");
    lines.line("Compiler", compilerName());
    lines.line("Version", compilerVersion());
    lines.line("Standards", static_cast<unsigned long long>(__cplusplus));
    lines.header("[COMPILE]");
    lines.line("CompilTime", buildStamp(__DATE__, __TIME__));
#ifdef NDEBUG
    constexpr bool release = true;
#else
    constexpr bool release = false;
#endif
#ifdef TAVRIN_COVERAGE_BUILD
    constexpr bool coverage = true;
#else
    constexpr bool coverage = false;
#endif
    lines.flag("ReleaseVersion", release);
    lines.flag("DebugVersion", !release);
    // The tests are programs of their own: the launcher never carries self-tests.
    lines.flag("UnittestVersion", false);
    lines.flag("CoverageVersion", coverage);
}

} // namespace

std::string windowsName(const OSVERSIONINFOEXW& version, bool serverR2) {
    const bool workstation = version.wProductType == VER_NT_WORKSTATION;
    const auto edition = [workstation](const char* desktop, const char* server) {
        return std::string(workstation ? desktop : server);
    };
    switch (version.dwMajorVersion) {
    case 5:
        switch (version.dwMinorVersion) {
        case 0:
            return "2000";
        case 1:
            return "XP";
        case 2:
            return serverR2 ? "2003 R2" : "2003";
        default:
            return "?-1";
        }
    case 6:
        switch (version.dwMinorVersion) {
        case 0:
            return edition("Vista", "Server 2008");
        case 1:
            return edition("7", "Server 2008 R2");
        case 2:
            return edition("8", "Server 2012");
        case 3:
            return edition("8.1", "Server 2012 R2");
        default:
            return "?-2";
        }
    case 10:
        if (version.dwMinorVersion != 0) {
            return "?-4";
        }
        // Windows 11 kept the version number 10.0 and changed only the build number.
        return edition(version.dwBuildNumber >= 22000 ? "11" : "10", "Server");
    default:
        return "?-3";
    }
}

SystemInfo::SystemInfo() {
    initialize();
}

SystemInfo::SystemInfo(const Sample& sample) : sample_(sample) {}

void SystemInfo::initialize() {
    Sample sample;
    GetSystemInfo(&sample.layout);
    sample.memory.dwLength = sizeof sample.memory;
    if (!GlobalMemoryStatusEx(&sample.memory)) {
        sample.memory = {};
    }
    sample.version = osVersion();
    sample.serverR2 = GetSystemMetrics(SM_SERVERR2) != 0;
    sample.slowMachine = GetSystemMetrics(SM_SLOWMACHINE) != 0;
    sample.cpu = readCpuInfo(processorCpuid);
    sample_ = sample;
}

std::string SystemInfo::toString() const {
    ReportLines lines;
    addOs(lines, sample_);
    addMemory(lines, sample_);
    addCpu(lines, sample_);
    return lines.joined();
}

std::string SystemReport() {
    ReportLines build;
    addBuild(build);
    return SystemInfo().toString() + "\r\n" + build.joined();
}

} // namespace tavrin::utility
