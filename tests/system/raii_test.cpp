#include <gtest/gtest.h>

#include <cstdio>

#include "system/raii.h"
#include "system/tavrinerrors.h"

namespace tavrin::raiitest {

// Counts its releases; refuses them while told to, as the system may.
class CountingHolder final : public system::HandleRaii<int> {
public:
    CountingHolder(int& releases, bool& refuse)
        : HandleRaii(7), releases_(releases), refuse_(refuse) {
        alive = true;
    }
    ~CountingHolder() override { releaseAtEnd(); }

protected:
    void release() override {
        ++releases_;
        if (refuse_) {
            raiseReleaseFailure("フォント");
        }
    }

private:
    int& releases_;
    bool& refuse_;
};

namespace {

TEST(Raii, DisposeReleasesOnceAndTheDestructorNotAgain) {
    int releases = 0;
    bool refuse = false;
    {
        CountingHolder holder(releases, refuse);
        EXPECT_TRUE(holder.isAlive());
        EXPECT_EQ(holder.get(), 7);
        EXPECT_TRUE(holder.dispose());
        EXPECT_FALSE(holder.isAlive());
        EXPECT_TRUE(holder.dispose());
        EXPECT_EQ(releases, 1);
    }
    EXPECT_EQ(releases, 1);
}

TEST(Raii, DestructorReleasesAHolderStillAlive) {
    int releases = 0;
    bool refuse = false;
    { CountingHolder holder(releases, refuse); }
    EXPECT_EQ(releases, 1);
}

TEST(Raii, RefusedReleaseRaisesAndKeepsTheResourceHeld) {
    int releases = 0;
    bool refuse = true;
    {
        CountingHolder holder(releases, refuse);
        try {
            holder.dispose();
            FAIL() << "a refused release must raise";
        } catch (const system::TavrinException& exception) {
            char identity[32];
            std::snprintf(
                identity, sizeof identity, "%08llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&holder)));
            EXPECT_EQ(exception.message(),
                      std::string("tavrin::raiitest::CountingHolder.RAII失敗(フォント()[") +
                          identity + "]");
            EXPECT_EQ(exception.Code(), system::CODE::NONE);
        }
        EXPECT_TRUE(holder.isAlive());
        // The destructor tries once more and must not let the refusal escape.
    }
    EXPECT_EQ(releases, 2);
}

TEST(Raii, ReleaseFailureMessageHasAtLeastEightHexDigits) {
    EXPECT_EQ(
        system::releaseFailureMessage("gui::Icon", "アイコン", reinterpret_cast<void*>(0xBEEF)),
        "gui::Icon.RAII失敗(アイコン()[0000beef]");
    EXPECT_EQ(system::releaseFailureMessage("dll::Hooker", "DLL",
                                            reinterpret_cast<void*>(0x123456789ABull)),
              "dll::Hooker.RAII失敗(DLL()[123456789ab]");
}

} // namespace
} // namespace tavrin::raiitest
