// Each routed command reaches its own handler, seen from the simulated host:
// what the host finds in the output record and which host services the
// command used.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/EntryPoints.h"
#include "host/Params.h"
#include "host/Registration.h"
#include "simhost/SimHostTesting.h"

namespace {

// Whether a call of `prefix` was made since the log had `since` entries.
bool UsedSince(const simhost::Host& host, std::size_t since, const std::string& prefix) {
    const std::vector<std::string> log = host.CallLog();
    return std::any_of(log.begin() + long(std::min(since, log.size())), log.end(),
                       [&](const std::string& key) { return key.rfind(prefix, 0) == 0; });
}

TEST(Routing, CommandsReachTheirHandlers) {
    simhost::Host host;
    host.SetEntry(&EffectMain);

    ASSERT_EQ(host.Send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_EQ(host.LastCommand().out.my_version, kEffectVersion);
    EXPECT_EQ(host.LastCommand().out.out_flags2, kGlobalOutFlags2);
    EXPECT_NE(host.GlobalData(), nullptr);

    const std::size_t before_params = host.CallLog().size();
    ASSERT_EQ(host.Send(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
    EXPECT_EQ(host.AddedParams().size(), 56u);
    EXPECT_EQ(host.LastCommand().out.num_params, PARAM_COUNT);
    EXPECT_TRUE(UsedSince(host, before_params, "inter.add_param"));
    EXPECT_TRUE(UsedSince(host, before_params, "inter.register_ui"));

    ASSERT_EQ(host.About(), PF_Err_NONE);
    EXPECT_EQ(std::string(host.LastCommand().out.return_msg).rfind("Halvane v3.0.0", 0), 0u);

    // Parameter-interface update hides and shows controls through the
    // host's stream interface: a command that asks for suites (whether this
    // host provides them all is not the point here).
    const std::size_t before_ui = host.CallLog().size();
    host.UpdateParamsUI();
    EXPECT_TRUE(UsedSince(host, before_ui, "SPBasic.AcquireSuite"));

    // Pre-render announces an output area; nothing is rendered.
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_NONE);
    EXPECT_FALSE(pre.checkouts.empty());

    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

}  // namespace
