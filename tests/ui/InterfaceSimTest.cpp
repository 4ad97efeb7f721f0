// The simulated host's interface-side suites hold the effect to the host's
// rules: these cases check that misuse is caught, so the handler tests that
// rely on them cannot pass by accident.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simhost/ui/Drawbot.h"
#include "simhost/ui/Interface.h"
#include "simhost/SimHost.h"

namespace {

template <typename Suite>
const Suite* Acquire(simhost::Host& host, const char* name, A_long version) {
    const void* table = nullptr;
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(name, version, &table), 0) << name;
    return static_cast<const Suite*>(table);
}

bool AnyContains(const std::vector<std::string>& messages, const std::string& part) {
    for (const std::string& m : messages) {
        if (m.find(part) != std::string::npos)
            return true;
    }
    return false;
}

TEST(InterfaceSim, UndoGroupsMustNotNestOrEndUnstarted) {
    simhost::Host host;
    simhost::InterfaceSuites ui(host);
    const auto* utility = Acquire<AEGP_UtilitySuite3>(host, "AEGP Utility Suite", 7);
    ASSERT_NE(utility, nullptr);

    EXPECT_NE(utility->AEGP_EndUndoGroup(), 0);
    EXPECT_TRUE(AnyContains(host.TakeViolations(), "no undo group is open"));

    EXPECT_EQ(utility->AEGP_StartUndoGroup("outer"), 0);
    EXPECT_EQ(utility->AEGP_StartUndoGroup("inner"), 0);
    EXPECT_TRUE(AnyContains(host.TakeViolations(), "started inside the open group \"outer\""));
    EXPECT_EQ(utility->AEGP_EndUndoGroup(), 0);
    EXPECT_EQ(ui.UndoGroups().size(), 2u);

    host.BasicSuite()->ReleaseSuite("AEGP Utility Suite", 7);
    EXPECT_TRUE(host.Finish().empty());
}

TEST(InterfaceSim, UnknownStreamsAndEffectsAreRefused) {
    simhost::Host host;
    simhost::InterfaceSuites ui(host);
    const auto* streams = Acquire<AEGP_StreamSuite4>(host, "AEGP Stream Suite", 9);
    const auto* effects = Acquire<AEGP_EffectSuite3>(host, "AEGP Effect Suite", 3);
    int fake = 0;
    EXPECT_NE(streams->AEGP_DisposeStream(reinterpret_cast<AEGP_StreamRefH>(&fake)), 0);
    EXPECT_NE(effects->AEGP_DisposeEffect(reinterpret_cast<AEGP_EffectRefH>(&fake)), 0);
    const std::vector<std::string> v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u);
    EXPECT_TRUE(AnyContains(v, "never gave out"));
    host.BasicSuite()->ReleaseSuite("AEGP Stream Suite", 9);
    host.BasicSuite()->ReleaseSuite("AEGP Effect Suite", 3);
    EXPECT_TRUE(host.Finish().empty());
}

TEST(DrawbotSim, ImagesAreCopiedAndReleasedOnce) {
    simhost::Host host;
    simhost::DrawbotHost drawbot(host);
    const auto* supplierSuite = Acquire<DRAWBOT_SupplierSuite1>(host, "DRAWBOT Supplier Suite", 1);
    std::vector<unsigned char> pixels(2 * 8, 0x40);
    DRAWBOT_ImageRef image = nullptr;
    ASSERT_EQ(supplierSuite->NewImageFromBuffer(drawbot.SupplierRef(), 2, 2, 8,
                                                kDRAWBOT_PixelLayout_32BGRA_Straight, pixels.data(),
                                                &image),
              0);
    pixels[0] = 0x99;  // the host kept its own copy
    ASSERT_EQ(drawbot.Images().size(), 1u);
    EXPECT_EQ(drawbot.Images()[0].pixels[0], 0x40);
    EXPECT_EQ(drawbot.OpenImages(), 1);

    const auto object = reinterpret_cast<DRAWBOT_ObjectRef>(image);
    EXPECT_EQ(supplierSuite->ReleaseObject(object), 0);
    EXPECT_NE(supplierSuite->ReleaseObject(object), 0);
    EXPECT_NE(
        supplierSuite->ReleaseObject(reinterpret_cast<DRAWBOT_ObjectRef>(drawbot.SupplierRef())),
        0);
    const std::vector<std::string> v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u);
    EXPECT_TRUE(AnyContains(v, "released more often"));
    EXPECT_TRUE(AnyContains(v, "the host owns"));
    EXPECT_EQ(drawbot.ReleaseCount(), 1);

    // A buffer whose rows are shorter than the width is refused.
    EXPECT_NE(supplierSuite->NewImageFromBuffer(drawbot.SupplierRef(), 4, 2, 8,
                                                kDRAWBOT_PixelLayout_32BGRA_Straight, pixels.data(),
                                                &image),
              0);
    EXPECT_TRUE(AnyContains(host.TakeViolations(), "bad arguments"));

    host.BasicSuite()->ReleaseSuite("DRAWBOT Supplier Suite", 1);
    EXPECT_TRUE(host.Finish().empty());
}

}  // namespace
