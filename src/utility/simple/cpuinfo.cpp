#include "utility/simple/cpuinfo.h"

#include <cpuid.h>
#include <initializer_list>

namespace tavrin::utility {

namespace {

enum Register { EAX, EBX, ECX, EDX };

constexpr std::uint32_t extendedLeaves = 0x80000000;

// Register bytes read as text, lowest byte first, without padding: blanks and NULs.
std::string registerText(std::initializer_list<std::uint32_t> words) {
    std::string text;
    for (const std::uint32_t word : words) {
        for (int shift = 0; shift < 32; shift += 8) {
            text.push_back(static_cast<char>((word >> shift) & 0xFF));
        }
    }
    const auto padding = [](char c) { return c == ' ' || c == '\0'; };
    while (!text.empty() && padding(text.back())) {
        text.pop_back();
    }
    std::size_t start = 0;
    while (start < text.size() && padding(text[start])) {
        ++start;
    }
    return text.substr(start);
}

void readSignature(CpuInfo& cpu, std::uint32_t signature) {
    const std::uint32_t baseFamily = (signature >> 8) & 0xF;
    const std::uint32_t baseModel = (signature >> 4) & 0xF;
    cpu.stepping = signature & 0xF;
    // The extended fields count only where the base fields ran out of numbers.
    cpu.family = baseFamily == 0xF ? baseFamily + ((signature >> 20) & 0xFF) : baseFamily;
    cpu.model = baseFamily == 0x6 || baseFamily == 0xF
                    ? baseModel + (((signature >> 16) & 0xF) << 4)
                    : baseModel;
}

// Logical processors per core and per package from the extended topology leaf; zero
// for a level the processor does not report.
struct Topology {
    std::uint32_t threadsPerCore = 0;
    std::uint32_t threadsPerPackage = 0;
};

Topology readExtendedTopology(const CpuidQuery& cpuid) {
    constexpr std::uint32_t smtLevel = 1;
    constexpr std::uint32_t coreLevel = 2;
    Topology topology;
    // The levels end with a level of type 0; the bound only guards against a processor
    // that never says so.
    for (std::uint32_t level = 0; level < 8; ++level) {
        const CpuidRegisters registers = cpuid(0xB, level);
        const std::uint32_t type = (registers[ECX] >> 8) & 0xFF;
        if (type == 0) {
            break;
        }
        if (type == smtLevel) {
            topology.threadsPerCore = registers[EBX] & 0xFFFF;
        } else if (type == coreLevel) {
            topology.threadsPerPackage = registers[EBX] & 0xFFFF;
        }
    }
    return topology;
}

void readThreadsAndCores(CpuInfo& cpu, const CpuidQuery& cpuid, std::uint32_t highest,
                         std::uint32_t highestExtended, const CpuidRegisters& leaf1) {
    const bool multiThreaded = (leaf1[EDX] >> 28) & 1;
    cpu.threadsPerCpu = multiThreaded ? (leaf1[EBX] >> 16) & 0xFF : 1;
    cpu.coresPerCpu = 1;
    if (highest >= 0xB) {
        const Topology topology = readExtendedTopology(cpuid);
        if (topology.threadsPerPackage != 0) {
            cpu.threadsPerCpu = topology.threadsPerPackage;
            cpu.coresPerCpu = topology.threadsPerCore != 0
                                  ? topology.threadsPerPackage / topology.threadsPerCore
                                  : topology.threadsPerPackage;
            return;
        }
    }
    // Older processors tell only the most cores a package can address.
    if (cpu.isIntel() && highest >= 4) {
        cpu.coresPerCpu = ((cpuid(4, 0)[EAX] >> 26) & 0x3F) + 1;
    } else if (cpu.isAmd() && highestExtended >= 0x80000008) {
        cpu.coresPerCpu = (cpuid(0x80000008, 0)[ECX] & 0xFF) + 1;
    }
}

} // namespace

CpuInfo readCpuInfo(const CpuidQuery& cpuid) {
    CpuInfo cpu;
    const CpuidRegisters leaf0 = cpuid(0, 0);
    const std::uint32_t highest = leaf0[EAX];
    cpu.vendor = registerText({leaf0[EBX], leaf0[EDX], leaf0[ECX]});

    // Processors without extended leaves answer with unrelated data.
    const std::uint32_t extended = cpuid(extendedLeaves, 0)[EAX];
    const std::uint32_t highestExtended =
        extended > extendedLeaves && extended <= extendedLeaves + 0xFFFF ? extended : 0;

    if (highest >= 1) {
        const CpuidRegisters leaf1 = cpuid(1, 0);
        readSignature(cpu, leaf1[EAX]);
        cpu.standardFeatures = leaf1[EDX];
        cpu.extendedStandardFeatures = leaf1[ECX];
        readThreadsAndCores(cpu, cpuid, highest, highestExtended, leaf1);
    }
    if (highestExtended >= 0x80000001) {
        cpu.extendedFeatures = cpuid(0x80000001, 0)[EDX];
    }
    if (highestExtended >= 0x80000004) {
        const CpuidRegisters part1 = cpuid(0x80000002, 0);
        const CpuidRegisters part2 = cpuid(0x80000003, 0);
        const CpuidRegisters part3 = cpuid(0x80000004, 0);
        cpu.brand =
            registerText({part1[EAX], part1[EBX], part1[ECX], part1[EDX], part2[EAX], part2[EBX],
                          part2[ECX], part2[EDX], part3[EAX], part3[EBX], part3[ECX], part3[EDX]});
    }
    return cpu;
}

CpuidRegisters processorCpuid(std::uint32_t leaf, std::uint32_t subleaf) {
    CpuidRegisters registers{};
    __cpuid_count(leaf, subleaf, registers[EAX], registers[EBX], registers[ECX], registers[EDX]);
    return registers;
}

} // namespace tavrin::utility
