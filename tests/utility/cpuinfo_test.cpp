#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <utility>

#include "utility/simple/cpuinfo.h"

namespace tavrin::utility {
namespace {

// A processor made of a table of leaves; it remembers every leaf it was asked for.
class FakeProcessor {
public:
    void set(std::uint32_t leaf, std::uint32_t subleaf, CpuidRegisters registers) {
        leaves_[{leaf, subleaf}] = registers;
    }
    void setVendor(const char (&vendor)[13], std::uint32_t highest) {
        set(0, 0, {highest, word(vendor), word(vendor + 8), word(vendor + 4)});
    }
    void setBrand(const char (&brand)[49]) {
        for (std::uint32_t part = 0; part < 3; ++part) {
            const char* text = brand + 16 * part;
            set(0x80000002 + part, 0,
                {word(text), word(text + 4), word(text + 8), word(text + 12)});
        }
    }

    CpuidQuery query() {
        return [this](std::uint32_t leaf, std::uint32_t subleaf) {
            asked_.insert(leaf);
            const auto found = leaves_.find({leaf, subleaf});
            return found == leaves_.end() ? CpuidRegisters{} : found->second;
        };
    }
    const std::set<std::uint32_t>& asked() const noexcept { return asked_; }

private:
    static std::uint32_t word(const char* text) {
        std::uint32_t value;
        std::memcpy(&value, text, sizeof value);
        return value;
    }

    std::map<std::pair<std::uint32_t, std::uint32_t>, CpuidRegisters> leaves_;
    std::set<std::uint32_t> asked_;
};

constexpr std::uint32_t hyperThreadingBit = 1u << 28;

TEST(CpuInfo, ProcessorWithoutFurtherLeavesIsAskedForNothingElseAndLeavesZeros) {
    FakeProcessor processor;
    processor.setVendor("GenuineIntel", 0);
    processor.set(0x80000000, 0, {0x80000000, 0, 0, 0});
    // Data that must not be read: the processor said it has no such leaves.
    processor.set(1, 0, {0x000906EA, 0, 1, 1u << 23});
    processor.set(0x80000001, 0, {0, 0, 0, 1u << 29});

    const CpuInfo cpu = readCpuInfo(processor.query());
    EXPECT_EQ(processor.asked(), (std::set<std::uint32_t>{0, 0x80000000}));
    EXPECT_EQ(cpu.vendor, "GenuineIntel");
    EXPECT_TRUE(cpu.isIntel());
    EXPECT_EQ(cpu.brand, "");
    EXPECT_EQ(cpu.family, 0u);
    EXPECT_EQ(cpu.model, 0u);
    EXPECT_EQ(cpu.stepping, 0u);
    EXPECT_EQ(cpu.standardFeatures, 0u);
    EXPECT_EQ(cpu.extendedStandardFeatures, 0u);
    EXPECT_EQ(cpu.extendedFeatures, 0u);
    EXPECT_EQ(cpu.threadsPerCpu, 0u);
    EXPECT_EQ(cpu.coresPerCpu, 0u);
}

TEST(CpuInfo, ProcessorWithoutExtendedLeavesIsNotAskedForThem) {
    FakeProcessor processor;
    processor.setVendor("AuthenticAMD", 1);
    // Such a processor answers the extended query with the data of its highest leaf.
    processor.set(0x80000000, 0, {0x00000663, 0, 0, 0});
    processor.set(1, 0, {0x00000663, 0, 0, 0x0183F9FF});

    const CpuInfo cpu = readCpuInfo(processor.query());
    EXPECT_EQ(processor.asked(), (std::set<std::uint32_t>{0, 1, 0x80000000}));
    EXPECT_TRUE(cpu.isAmd());
    EXPECT_EQ(cpu.family, 6u);
    EXPECT_EQ(cpu.model, 6u);
    EXPECT_EQ(cpu.stepping, 3u);
    EXPECT_EQ(cpu.standardFeatures, 0x0183F9FFu);
    EXPECT_EQ(cpu.extendedFeatures, 0u);
    EXPECT_EQ(cpu.brand, "");
    EXPECT_EQ(cpu.threadsPerCpu, 1u);
    EXPECT_EQ(cpu.coresPerCpu, 1u);
}

TEST(CpuInfo, IntelWithExtendedTopology) {
    FakeProcessor processor;
    processor.setVendor("GenuineIntel", 0x16);
    processor.set(0x80000000, 0, {0x80000008, 0, 0, 0});
    processor.set(1, 0, {0x000906EA, 0x00100800, 0x7FFAFBFF, 0xBFEBFBFF});
    processor.set(0xB, 0, {1, 2, 0x100, 0});
    processor.set(0xB, 1, {4, 12, 0x201, 0});
    processor.set(0x80000001, 0, {0, 0, 0x121, 0x2C100800});
    processor.setBrand("  Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\0\0\0\0\0\0\0");

    const CpuInfo cpu = readCpuInfo(processor.query());
    EXPECT_EQ(cpu.vendor, "GenuineIntel");
    EXPECT_EQ(cpu.brand, "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
    // Family 6 takes the extended model: 0x9E.
    EXPECT_EQ(cpu.family, 6u);
    EXPECT_EQ(cpu.model, 158u);
    EXPECT_EQ(cpu.stepping, 10u);
    EXPECT_EQ(cpu.standardFeatures, 0xBFEBFBFFu);
    EXPECT_EQ(cpu.extendedStandardFeatures, 0x7FFAFBFFu);
    EXPECT_EQ(cpu.extendedFeatures, 0x2C100800u);
    EXPECT_EQ(cpu.threadsPerCpu, 12u);
    EXPECT_EQ(cpu.coresPerCpu, 6u);
    EXPECT_FALSE(processor.asked().contains(0x80000009));
}

TEST(CpuInfo, OlderProcessorsTellCoresThroughTheirVendorsLeaves) {
    FakeProcessor intel;
    intel.setVendor("GenuineIntel", 4);
    intel.set(0x80000000, 0, {0x80000004, 0, 0, 0});
    intel.set(1, 0, {0x00010676, 0x00040800, 0, hyperThreadingBit});
    intel.set(4, 0, {(3u << 26) | 0x121, 0, 0, 0});
    const CpuInfo core2 = readCpuInfo(intel.query());
    EXPECT_EQ(core2.family, 6u);
    EXPECT_EQ(core2.model, 23u);
    EXPECT_EQ(core2.threadsPerCpu, 4u);
    EXPECT_EQ(core2.coresPerCpu, 4u);
    EXPECT_FALSE(intel.asked().contains(0xB));

    FakeProcessor amd;
    amd.setVendor("AuthenticAMD", 0xD);
    amd.set(0x80000000, 0, {0x80000008, 0, 0, 0});
    // Family 0xF adds the extended family: 0xF + 0xA = 25.
    amd.set(1, 0, {0x00A10F11, 0x00100800, 0, hyperThreadingBit});
    amd.set(0x80000008, 0, {0, 0, 7, 0});
    const CpuInfo epyc = readCpuInfo(amd.query());
    EXPECT_EQ(epyc.family, 25u);
    EXPECT_EQ(epyc.model, 17u);
    EXPECT_EQ(epyc.stepping, 1u);
    EXPECT_EQ(epyc.threadsPerCpu, 16u);
    EXPECT_EQ(epyc.coresPerCpu, 8u);
}

TEST(CpuInfo, ThisProcessorDescribesItselfAsAnX64Processor) {
    const CpuInfo cpu = readCpuInfo(processorCpuid);
    EXPECT_EQ(cpu.vendor.size(), 12u) << cpu.vendor;
    EXPECT_FALSE(cpu.brand.empty());
    EXPECT_NE(cpu.family, 0u);
    // Every x64 processor has SSE2 and long mode.
    EXPECT_TRUE((cpu.standardFeatures >> 26) & 1);
    EXPECT_TRUE((cpu.extendedFeatures >> 29) & 1);
    EXPECT_GE(cpu.threadsPerCpu, cpu.coresPerCpu);
    EXPECT_GE(cpu.coresPerCpu, 1u);
}

} // namespace
} // namespace tavrin::utility
