// ANSI callbacks and host memory handles.

#include "FakeEffect.h"

#include <cstring>
#include <string>

namespace {

using fake::Fixture;
using UtilsTest = Fixture;

TEST_F(UtilsTest, SprintfAndStrcpyBehaveLikeTheCLibrary) {
    SetUpEffect();
    int n = 0;
    char buffer[64];
    char* copied = nullptr;
    InCommand([&](PF_InData* in, PF_OutData* out) {
        n = in->utils->ansi.sprintf(buffer, "%s v%d.%d%%", "Halvane", 3, 0);
        copied = in->utils->ansi.strcpy(out->return_msg, buffer);
        return PF_Err_NONE;
    });
    EXPECT_EQ(n, 13);
    EXPECT_STREQ(buffer, "Halvane v3.0%");
    EXPECT_STREQ(host.LastCommand().out.return_msg, "Halvane v3.0%");
    EXPECT_NE(copied, nullptr);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(UtilsTest, WritingPastReturnMsgIsAViolation) {
    SetUpEffect();
    const std::string longText(300, 'x');
    InCommand([&](PF_InData*, PF_OutData* out) {
        const auto* ansi =
            static_cast<const PF_ANSICallbacksSuite1*>(host.SuiteTable("PF ANSI Suite", 1));
        ansi->sprintf(out->return_msg, "%s", longText.c_str());
        return PF_Err_NONE;
    });
    EXPECT_EQ(std::strlen(host.LastCommand().out.return_msg), 255u);
    EXPECT_TRUE(
        simhost::Mentions(host.TakeViolations(),
                          "PF ANSI Suite 1.sprintf writes 301 bytes into a host buffer of 256"));
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(UtilsTest, GlobalDataHandleTravelsBetweenCommands) {
    On(PF_Cmd_GLOBAL_SETUP, [](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) {
        out->global_data = in->utils->host_new_handle(sizeof(int));
        *static_cast<int*>(in->utils->host_lock_handle(out->global_data)) = 42;
        return PF_Err_NONE;
    });
    SetUpEffect();
    int seen = 0;
    InCommand([&](PF_InData* in, PF_OutData*) {
        seen = **reinterpret_cast<int**>(in->global_data);
        return PF_Err_NONE;
    });
    EXPECT_EQ(seen, 42);
    EXPECT_EQ(host.LiveHandleCount(), 1u);
    host.GlobalSetdown();  // the host frees the global data after set-down
    EXPECT_EQ(host.LiveHandleCount(), 0u);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST_F(UtilsTest, HandleLeaksAndBadDisposalsAreViolations) {
    SetUpEffect();
    InCommand([&](PF_InData*, PF_OutData*) {
        const auto* suite =
            static_cast<const PF_HandleSuite1*>(host.SuiteTable("PF Handle Suite", 2));
        PF_Handle kept = suite->host_new_handle(100);  // leaked
        PF_Handle gone = suite->host_new_handle(8);
        EXPECT_EQ(suite->host_get_handle_size(kept), 100u);
        // New host memory is not cleared.
        EXPECT_EQ(static_cast<unsigned char*>(suite->host_lock_handle(gone))[0], 0xCD);
        suite->host_dispose_handle(gone);
        suite->host_dispose_handle(gone);  // twice
        return PF_Err_NONE;
    });
    const auto v = host.TakeViolations();
    EXPECT_EQ(v.size(), 2u) << simhost::Describe(v);
    EXPECT_TRUE(simhost::Mentions(
        v, "PF Handle Suite 2.host_dispose_handle of a handle the host does not know"));
    EXPECT_TRUE(
        simhost::Mentions(v, "handle of 100 bytes made during command 14 was neither disposed"));
    EXPECT_TRUE(simhost::Mentions(host.Finish(), "handle of 100 bytes was never disposed"));
}

}  // namespace
