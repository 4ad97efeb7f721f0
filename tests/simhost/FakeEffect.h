#pragma once

// A scriptable effect for driving the simulated host: each test installs the
// handlers of the commands it cares about. GLOBAL_SETUP and PARAMS_SETUP
// answer like a minimal effect (no global data, only the input layer) unless
// replaced.

#include "simhost/SimHost.h"
#include "simhost/SimHostTesting.h"

#include <functional>
#include <map>

namespace fake {

using Handler = std::function<PF_Err(PF_InData*, PF_OutData*, PF_ParamDef**, void*)>;

inline std::map<PF_Cmd, Handler>& Handlers() {
    static std::map<PF_Cmd, Handler> handlers;
    return handlers;
}

inline PF_Err Entry(PF_Cmd cmd, PF_InData* in, PF_OutData* out, PF_ParamDef* params[], PF_LayerDef*,
                    void* extra) {
    const auto it = Handlers().find(cmd);
    if (it != Handlers().end())
        return it->second(in, out, params, extra);
    if (cmd == PF_Cmd_PARAMS_SETUP)
        out->num_params = 1;
    return PF_Err_NONE;
}

// A host wired to the fake effect, with the handlers cleared.
struct Fixture : ::testing::Test {
    simhost::Host host;
    Fixture() {
        Handlers().clear();
        host.SetEntry(&Entry);
    }
    ~Fixture() override { Handlers().clear(); }
    void On(PF_Cmd cmd, Handler handler) { Handlers()[cmd] = std::move(handler); }
    // Sends GLOBAL_SETUP and PARAMS_SETUP with the handlers installed so far.
    void SetUpEffect() { ASSERT_EQ(host.Setup(), PF_Err_NONE); }
    // Runs `body` inside an UPDATE_PARAMS_UI command (after set-up).
    PF_Err InCommand(std::function<PF_Err(PF_InData*, PF_OutData*)> body) {
        On(PF_Cmd_UPDATE_PARAMS_UI,
           [body](PF_InData* in, PF_OutData* out, PF_ParamDef**, void*) { return body(in, out); });
        return host.UpdateParamsUI();
    }
};

}  // namespace fake
