// A command must leave the host thread's current GL context as it found it.

#include "FakeEffect.h"
#include "context/Context.h"
#include "tests/support/GLTestContext.h"

namespace {

using fake::Fixture;
using GLContextTest = Fixture;

TEST_F(GLContextTest, ACommandThatLeavesItsContextCurrentIsAViolation) {
    HLV3_REQUIRE_GL();
    SetUpEffect();
    GLContextHandle context = CreateContext();
    ASSERT_NE(context, nullptr);
    // Borrowing the thread and putting things back is fine.
    InCommand([&](PF_InData*, PF_OutData*) {
        ScopedCurrentContext keep;
        SetCurrentContext(context);
        return PF_Err_NONE;
    });
    EXPECT_HOST_CLEAN(host);
    // Leaving the effect's context current is not.
    InCommand([&](PF_InData*, PF_OutData*) {
        SetCurrentContext(context);
        return PF_Err_NONE;
    });
    EXPECT_TRUE(simhost::Mentions(
        host.TakeViolations(), "command 14 changed the GL context current on the host's thread"));
    SetCurrentContext(nullptr);
    DeleteContext(context);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
