#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "utility/simple/sysinfo.h"

namespace tavrin::utility {
namespace {

OSVERSIONINFOEXW version(DWORD major, DWORD minor, DWORD build, BYTE productType) {
    OSVERSIONINFOEXW record{};
    record.dwOSVersionInfoSize = sizeof record;
    record.dwMajorVersion = major;
    record.dwMinorVersion = minor;
    record.dwBuildNumber = build;
    record.wProductType = productType;
    return record;
}

TEST(SystemInfo, WindowsNamesFromTheVersionNumbers) {
    struct Case {
        DWORD major, minor, build;
        BYTE productType;
        bool serverR2;
        const char* name;
    };
    const Case cases[]{
        {5, 0, 2195, VER_NT_WORKSTATION, false, "2000"},
        {5, 1, 2600, VER_NT_WORKSTATION, false, "XP"},
        {5, 2, 3790, VER_NT_SERVER, false, "2003"},
        {5, 2, 3790, VER_NT_SERVER, true, "2003 R2"},
        {5, 3, 0, VER_NT_WORKSTATION, false, "?-1"},
        {6, 0, 6002, VER_NT_WORKSTATION, false, "Vista"},
        {6, 0, 6002, VER_NT_SERVER, false, "Server 2008"},
        {6, 1, 7601, VER_NT_WORKSTATION, false, "7"},
        {6, 1, 7601, VER_NT_SERVER, false, "Server 2008 R2"},
        {6, 1, 7601, VER_NT_DOMAIN_CONTROLLER, false, "Server 2008 R2"},
        {6, 2, 9200, VER_NT_WORKSTATION, false, "8"},
        {6, 2, 9200, VER_NT_SERVER, false, "Server 2012"},
        {6, 3, 9600, VER_NT_WORKSTATION, false, "8.1"},
        {6, 3, 9600, VER_NT_SERVER, false, "Server 2012 R2"},
        {6, 4, 9841, VER_NT_WORKSTATION, false, "?-2"},
        {10, 0, 19045, VER_NT_WORKSTATION, false, "10"},
        {10, 0, 21999, VER_NT_WORKSTATION, false, "10"},
        {10, 0, 22000, VER_NT_WORKSTATION, false, "11"},
        {10, 0, 26100, VER_NT_WORKSTATION, false, "11"},
        {10, 0, 20348, VER_NT_SERVER, false, "Server"},
        {10, 1, 30000, VER_NT_WORKSTATION, false, "?-4"},
        {4, 0, 1381, VER_NT_WORKSTATION, false, "?-3"},
        {11, 0, 30000, VER_NT_WORKSTATION, false, "?-3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windowsName(version(c.major, c.minor, c.build, c.productType), c.serverR2),
                  c.name)
            << c.major << "." << c.minor << "." << c.build << " type " << int(c.productType);
    }
}

TEST(SystemInfo, TextOfASampleShowsEveryFigureInItsFormat) {
    SystemInfo::Sample sample;
    sample.version = version(6, 1, 7601, VER_NT_WORKSTATION);
    sample.version.wServicePackMajor = 1;
    sample.version.wSuiteMask = VER_SUITE_SINGLEUSERTS | VER_SUITE_PERSONAL;
    sample.layout.lpMinimumApplicationAddress = reinterpret_cast<void*>(std::uintptr_t{0x10000});
    sample.layout.lpMaximumApplicationAddress =
        reinterpret_cast<void*>(std::uintptr_t{0x7FFFFFFEFFFF});
    sample.layout.dwAllocationGranularity = 65536;
    sample.layout.dwPageSize = 4096;
    sample.memory.ullTotalPageFile = 9000;
    sample.memory.ullTotalPhys = 8000;
    sample.memory.ullAvailPhys = 3000;
    sample.memory.ullTotalVirtual = 0x7FFFFFFE0000;
    sample.memory.ullAvailVirtual = 0x7FFFFFFD0000;
    // Sampled apart, the available figure may exceed the total: no negative use.
    sample.memory.ullAvailPageFile = 9500;
    sample.slowMachine = true;
    sample.cpu.vendor = "AuthenticAMD";
    sample.cpu.brand = "AMD Athlon(tm) 64 X2";
    sample.cpu.standardFeatures = (1u << 23) | (1u << 25) | (1u << 28);
    sample.cpu.extendedStandardFeatures = 1u << 9;
    sample.cpu.extendedFeatures = (1u << 31) | (1u << 22);
    sample.cpu.threadsPerCpu = 2;
    sample.cpu.coresPerCpu = 2;
    sample.cpu.stepping = 2;
    sample.cpu.model = 107;
    sample.cpu.family = 15;

    EXPECT_EQ(SystemInfo(sample).toString(),
              "[OS]\r\n"
              "Window: 7\r\n"
              "ServicePack: 1.0\r\n"
              "BuildNumber: 7601\r\n"
              "Suites: 00000300\r\n"
              "ProductType: 1\r\n"
              "[MEMORY]\r\n"
              "Address,min-max: 0000000000010000 / 00007FFFFFFEFFFF\r\n"
              "MinAllocation: 65536\r\n"
              "PageSize: 4096\r\n"
              "Page,use/all: 0 / 9000\r\n"
              "Ram,use/all: 5000 / 8000\r\n"
              "Virtual,use/all(ext): 65536 / 140737488224256(0)\r\n"
              "[CPU]\r\n"
              "Vendor: AuthenticAMD\r\n"
              "Processor: AMD Athlon(tm) 64 X2\r\n"
              "MMX: true\r\n"
              "FXSR: false\r\n"
              "SSE: true\r\n"
              "SSE2: false\r\n"
              "SSE3: false\r\n"
              "SSSE3: true\r\n"
              "AMD 3DNOW: true\r\n"
              "AMD 3DNOW Ext: false\r\n"
              "AMD MMX: true\r\n"
              "IA64: false\r\n"
              "AMD64: false\r\n"
              "HyperThreading: true\r\n"
              "Threads/CPU: 2\r\n"
              "Core/CPU: 2\r\n"
              "INTEL: false\r\n"
              "AMD: true\r\n"
              "Stepping: 2\r\n"
              "Model: 107\r\n"
              "Family: 15\r\n"
              "Slow: true");
}

TEST(SystemInfo, SystemWithoutServicePackAndEmptyFiguresStayZero) {
    SystemInfo::Sample sample;
    sample.version = version(10, 0, 22631, VER_NT_WORKSTATION);
    const std::string text = SystemInfo(sample).toString();
    EXPECT_NE(text.find("\r\nWindow: 11\r\nServicePack: none\r\nBuildNumber: 22631\r\n"
                        "Suites: 00000000\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nAddress,min-max: 0000000000000000 / 0000000000000000\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nVirtual,use/all(ext): 0 / 0(0)\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVendor: \r\nProcessor: \r\nMMX: false\r\n"), std::string::npos);
}

std::vector<std::string> reportLines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(report.substr(start, end - start));
    }
    lines.push_back(report.substr(start));
    return lines;
}

// The value after "label: ", checking the label.
std::string valueOf(const std::string& line, const std::string& label) {
    EXPECT_TRUE(line.starts_with(label + ": ")) << "expected " << label << ", got " << line;
    return line.substr(std::min(line.size(), label.size() + 2));
}

unsigned long long numberOf(const std::string& line, const std::string& label) {
    const std::string value = valueOf(line, label);
    EXPECT_TRUE(std::regex_match(value, std::regex("[0-9]+"))) << line;
    return std::stoull("0" + value);
}

void expectUsedOfAll(const std::string& value) {
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(value, parts, std::regex("([0-9]+) / ([0-9]+)"))) << value;
    EXPECT_LE(std::stoull(parts[1]), std::stoull(parts[2])) << value;
    EXPECT_GT(std::stoull(parts[2]), 0u) << value;
}

TEST(SystemReport, ThisMachinesReportHasEverySectionAndLineInOrder) {
    const std::string report = SystemReport();
    EXPECT_FALSE(report.ends_with("\r\n"));
    // Every line end is CR LF.
    EXPECT_EQ(std::regex_replace(report, std::regex("\r\n"), "").find_first_of("\r\n"),
              std::string::npos);
    const std::vector<std::string> lines = reportLines(report);
    ASSERT_EQ(lines.size(), 6u + 7u + 23u + 4u + 6u) << report;

    std::size_t at = 0;
    const auto next = [&] { return lines.at(at++); };
    EXPECT_EQ(next(), "[OS]");
    EXPECT_TRUE(std::regex_match(valueOf(next(), "Window"), std::regex("10|11|8\\.1|8|7|Server.*")))
        << report;
    EXPECT_TRUE(
        std::regex_match(valueOf(next(), "ServicePack"), std::regex("none|[0-9]+\\.[0-9]+")));
    EXPECT_GT(numberOf(next(), "BuildNumber"), 0u);
    EXPECT_TRUE(std::regex_match(next(), std::regex("Suites: [0-9A-F]{8}")));
    EXPECT_TRUE(std::regex_match(valueOf(next(), "ProductType"), std::regex("[123]")));

    EXPECT_EQ(next(), "[MEMORY]");
    std::smatch addresses;
    const std::string addressLine = next();
    ASSERT_TRUE(std::regex_match(addressLine, addresses,
                                 std::regex("Address,min-max: ([0-9A-F]{16}) / ([0-9A-F]{16})")))
        << addressLine;
    EXPECT_LT(std::stoull(addresses[1], nullptr, 16), std::stoull(addresses[2], nullptr, 16));
    // A 64-bit process reaches beyond the 32-bit address space.
    EXPECT_GT(std::stoull(addresses[2], nullptr, 16), 0xFFFFFFFFull);
    EXPECT_EQ(numberOf(next(), "MinAllocation"), 65536u);
    EXPECT_EQ(numberOf(next(), "PageSize"), 4096u);
    expectUsedOfAll(valueOf(next(), "Page,use/all"));
    expectUsedOfAll(valueOf(next(), "Ram,use/all"));
    std::smatch virtualParts;
    const std::string virtualValue = valueOf(next(), "Virtual,use/all(ext)");
    ASSERT_TRUE(
        std::regex_match(virtualValue, virtualParts, std::regex("([0-9]+ / [0-9]+)\\(([0-9]+)\\)")))
        << virtualValue;
    expectUsedOfAll(virtualParts[1]);

    EXPECT_EQ(next(), "[CPU]");
    EXPECT_EQ(valueOf(next(), "Vendor").size(), 12u);
    EXPECT_FALSE(valueOf(next(), "Processor").empty());
    for (const char* feature : {"MMX", "FXSR", "SSE", "SSE2", "SSE3", "SSSE3", "AMD 3DNOW",
                                "AMD 3DNOW Ext", "AMD MMX", "IA64", "AMD64", "HyperThreading"}) {
        const std::string value = valueOf(next(), feature);
        // Every x64 processor has these.
        if (std::string_view(feature) == "SSE2" || std::string_view(feature) == "AMD64") {
            EXPECT_EQ(value, "true") << feature;
        } else {
            EXPECT_TRUE(value == "true" || value == "false") << feature << ": " << value;
        }
    }
    EXPECT_GE(numberOf(next(), "Threads/CPU"), 1u);
    EXPECT_GE(numberOf(next(), "Core/CPU"), 1u);
    const std::string intel = valueOf(next(), "INTEL");
    const std::string amd = valueOf(next(), "AMD");
    EXPECT_TRUE(intel == "true" || intel == "false");
    EXPECT_TRUE(amd == "true" || amd == "false");
    EXPECT_FALSE(intel == "true" && amd == "true");
    numberOf(next(), "Stepping");
    numberOf(next(), "Model");
    EXPECT_GT(numberOf(next(), "Family"), 0u);
    EXPECT_TRUE(std::regex_match(valueOf(next(), "Slow"), std::regex("true|false")));

    EXPECT_EQ(next(), "[COMPILER]");
    EXPECT_FALSE(valueOf(next(), "Compiler").empty());
    EXPECT_TRUE(std::regex_match(valueOf(next(), "Version"), std::regex("[1-9][0-9]*\\.[0-9]{3}")));
    EXPECT_GE(numberOf(next(), "Standards"), 202002u);

    EXPECT_EQ(next(), "[COMPILE]");
    EXPECT_TRUE(std::regex_match(valueOf(next(), "CompilTime"),
                                 std::regex("(Sun|Mon|Tue|Wed|Thu|Fri|Sat) "
                                            "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                            "[ 1-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] "
                                            "[0-9]{4}")));
    const std::string release = valueOf(next(), "ReleaseVersion");
    const std::string debug = valueOf(next(), "DebugVersion");
    EXPECT_TRUE(release == "true" || release == "false");
    EXPECT_NE(release, debug);
    EXPECT_EQ(valueOf(next(), "UnittestVersion"), "false");
    EXPECT_TRUE(std::regex_match(valueOf(next(), "CoverageVersion"), std::regex("true|false")));
    EXPECT_EQ(at, lines.size());
}

} // namespace
} // namespace tavrin::utility
