// EffectMain: which commands reach a handler and what they leave for the
// host, what the silent ones leave alone, how thrown values become results,
// and the registration callback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "context/Context.h"
#include "context/LocalGLStruct.h"
#include "gl/Programs.h"
#include "host/EntryPoints.h"
#include "host/Params.h"
#include "host/Registration.h"
#include "simhost/SimHostTesting.h"

namespace {

// Records filled with a pattern; a command that reads a pointer from them
// would crash, one that writes to them shows up as a changed byte.
struct PatternRecords {
    PF_InData in_data;
    PF_OutData out_data;
    PF_EventExtra event;
    unsigned char extra[512];
    PatternRecords() {
        std::memset(&in_data, 0xA5, sizeof in_data);
        std::memset(&out_data, 0xA5, sizeof out_data);
        std::memset(&event, 0xA5, sizeof event);
        std::memset(extra, 0xA5, sizeof extra);
    }
    bool Untouched() const {
        PatternRecords fresh;
        return std::memcmp(&in_data, &fresh.in_data, sizeof in_data) == 0 &&
               std::memcmp(&out_data, &fresh.out_data, sizeof out_data) == 0 &&
               std::memcmp(extra, fresh.extra, sizeof extra) == 0;
    }
};

TEST(Dispatch, SilentCommandsReturnZeroAndTouchNothing) {
    std::vector<PF_Cmd> silent = {2, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22};
    for (PF_Cmd cmd = 25; cmd <= 40; ++cmd) {
        silent.push_back(cmd);
    }
    silent.push_back(1000);
    silent.push_back(0x7FFFFFFF);
    silent.push_back(-1);
    for (const PF_Cmd cmd : silent) {
        SCOPED_TRACE("command " + std::to_string(cmd));
        PatternRecords r;
        PF_ParamDef* params[1] = {reinterpret_cast<PF_ParamDef*>(r.extra)};
        EXPECT_EQ(EffectMain(cmd, &r.in_data, &r.out_data, params,
                             reinterpret_cast<PF_LayerDef*>(r.extra), r.extra),
                  PF_Err_NONE);
        EXPECT_TRUE(r.Untouched());
    }
}

TEST(Dispatch, EventsOtherThanDrawAreLeftToTheHost) {
    for (const PF_EventType type : std::vector<PF_EventType>{
             PF_Event_NONE, PF_Event_NEW_CONTEXT, PF_Event_ACTIVATE, PF_Event_DO_CLICK,
             PF_Event_DRAG, PF_Event_DEACTIVATE, PF_Event_CLOSE_CONTEXT, PF_Event_IDLE,
             PF_Event_KEYDOWN_OBSOLETE, PF_Event_ADJUST_CURSOR, PF_Event_KEYDOWN,
             PF_Event_MOUSE_EXITED, PF_EventType(99)}) {
        SCOPED_TRACE("event type " + std::to_string(type));
        PatternRecords r;
        r.event.e_type = type;
        const PF_EventExtra before = r.event;
        EXPECT_EQ(EffectMain(PF_Cmd_EVENT, &r.in_data, &r.out_data, nullptr, nullptr, &r.event),
                  PF_Err_NONE);
        EXPECT_EQ(r.event.evt_out_flags, before.evt_out_flags);
        EXPECT_EQ(std::memcmp(&r.event, &before, sizeof before), 0);
        EXPECT_TRUE(r.Untouched());
    }
    PatternRecords r;
    EXPECT_EQ(EffectMain(PF_Cmd_EVENT, &r.in_data, &r.out_data, nullptr, nullptr, nullptr),
              PF_Err_NONE);
    EXPECT_TRUE(r.Untouched());
}

// Whether a call of `prefix` was made since the log had `since` entries.
bool UsedSince(const simhost::Host& host, std::size_t since, const std::string& prefix) {
    const std::vector<std::string> log = host.CallLog();
    return std::any_of(log.begin() + long(std::min(since, log.size())), log.end(),
                       [&](const std::string& key) { return key.rfind(prefix, 0) == 0; });
}

// Each routed command reaches its own handler, seen from the simulated host:
// what the host finds in the output record and which host services the
// command used.
TEST(Dispatch, CommandsReachTheirHandlers) {
    simhost::Host host;
    host.SetEntry(&EffectMain);

    ASSERT_EQ(host.Send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    EXPECT_EQ(host.LastCommand().out.my_version, kEffectVersion);
    EXPECT_EQ(host.LastCommand().out.out_flags2, kGlobalOutFlags2);
    EXPECT_NE(host.GlobalData(), nullptr);

    const std::size_t before_params = host.CallLog().size();
    ASSERT_EQ(host.Send(PF_Cmd_PARAMS_SETUP), PF_Err_NONE);
    EXPECT_EQ(host.AddedParams().size(), 56u);
    EXPECT_EQ(host.LastCommand().out.num_params, 57);
    EXPECT_TRUE(UsedSince(host, before_params, "inter.register_ui"));

    ASSERT_EQ(host.About(), PF_Err_NONE);
    EXPECT_EQ(std::string(host.LastCommand().out.return_msg).rfind("Halvane v3.0.0", 0), 0u);

    // Parameter-interface update hides and shows controls through the
    // host's stream interface. This host has no stream suite: the handler
    // gets 516 and gives back the suite it already held.
    host.RefuseSuite("AEGP Stream Suite", 7);
    const std::size_t before_ui = host.CallLog().size();
    EXPECT_EQ(host.UpdateParamsUI(), PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_TRUE(UsedSince(host, before_ui, "SPBasic.AcquireSuite"));
    EXPECT_EQ(host.SuiteAcquireCount("AEGP PF Interface Suite", 1), 1);
    EXPECT_EQ(host.SuiteReleaseCount("AEGP PF Interface Suite", 1), 1);

    // Pre-render announces an output area; nothing is rendered.
    const simhost::PreRenderOutcome pre = host.PreRender();
    EXPECT_EQ(pre.err, PF_Err_NONE);
    EXPECT_FALSE(pre.checkouts.empty());

    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    // Only parameter set-up adds parameters.
    EXPECT_EQ(host.CallCount("inter.add_param"), 56);
    EXPECT_HOST_FINISHES_CLEAN(host);
}

TEST(Dispatch, RefusedSuitesInTheGlobalCommandsGive516) {
    // About, global set-up and global set-down each need a host suite first
    // (ANSI, handle, handle); a host that refuses every suite gets 516 back
    // from the entry point, and nothing is left acquired.
    for (const PF_Cmd cmd : {PF_Cmd_ABOUT, PF_Cmd_GLOBAL_SETUP, PF_Cmd_GLOBAL_SETDOWN}) {
        SCOPED_TRACE("command " + std::to_string(cmd));
        simhost::Host host;
        host.SetEntry(&EffectMain);
        if (cmd != PF_Cmd_GLOBAL_SETUP) {
            ASSERT_EQ(host.Setup(), PF_Err_NONE);
        }
        // What global set-up made, copied while the host still holds it.
        GlobalData made = {};
        if (host.GlobalData() != nullptr) {
            made = **reinterpret_cast<GlobalData**>(host.GlobalData());
        }
        const int acquires = host.CallCount("SPBasic.AcquireSuite");
        const int releases = host.CallCount("SPBasic.ReleaseSuite");
        host.FailCall("SPBasic.AcquireSuite", acquires + 1, kSPSuiteNotFoundError, -1);
        EXPECT_EQ(host.Send(cmd), PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_GT(host.CallCount("SPBasic.AcquireSuite"), acquires);
        EXPECT_EQ(host.CallCount("SPBasic.ReleaseSuite"), releases);
        host.ClearFaults();
        if (cmd == PF_Cmd_ABOUT) {
            EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
        } else if (cmd == PF_Cmd_GLOBAL_SETDOWN) {
            // Without the handle suite the effect could not reach its block;
            // what global set-up made in it is released here.
            const ScopedCurrentContext restore;
            if (made.context != nullptr) {
                SetCurrentContext(made.context);
                DeleteGLPrograms(&made.programs);
                DeleteContext(made.context);
            }
        }
        EXPECT_HOST_FINISHES_CLEAN(host);
    }
}

// --- thrown values --------------------------------------------------------------

// The result of a parameter set-up whose first add_param throws `thrown`.
PF_Err ParamsSetupThrowing(std::exception_ptr thrown) {
    simhost::Host host;
    host.SetEntry(&EffectMain);
    EXPECT_EQ(host.Send(PF_Cmd_GLOBAL_SETUP), PF_Err_NONE);
    host.ThrowOnCall("inter.add_param", 1, std::move(thrown));
    const PF_Err err = host.Send(PF_Cmd_PARAMS_SETUP);
    EXPECT_EQ(host.CallCount("inter.add_param"), 1);
    // The failed set-up leaves num_params alone; the host reports that only.
    const std::vector<std::string> violations = host.TakeViolations();
    EXPECT_EQ(violations.size(), 1u) << simhost::Describe(violations);
    EXPECT_TRUE(simhost::Mentions(violations, "declared num_params 0 but added 0"));
    EXPECT_EQ(host.GlobalSetdown(), PF_Err_NONE);
    EXPECT_HOST_FINISHES_CLEAN(host);
    return err;
}

TEST(Dispatch, ThrownErrorCodesBecomeTheResult) {
    for (const PF_Err code : {PF_Err(PF_Err_BAD_CALLBACK_PARAM), PF_Err(A_Err_MISSING_SUITE),
                              PF_Err(PF_Err_INVALID_INDEX), PF_Err(-3)}) {
        EXPECT_EQ(ParamsSetupThrowing(std::make_exception_ptr(code)), code);
    }
}

struct NotAnError {
    int value;
};

TEST(Dispatch, OtherExceptionsNeverReachTheHost) {
    EXPECT_EQ(ParamsSetupThrowing(std::make_exception_ptr(std::bad_alloc())), PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(ParamsSetupThrowing(std::make_exception_ptr(std::runtime_error("lock"))),
              PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(ParamsSetupThrowing(std::make_exception_ptr(NotAnError{516})), PF_Err_OUT_OF_MEMORY);
    // Not a PF_Err: a wider integer is not taken for an error code.
    EXPECT_EQ(ParamsSetupThrowing(std::make_exception_ptr(516LL)), PF_Err_OUT_OF_MEMORY);
}

// --- registration -----------------------------------------------------------------

struct RegistrationCall {
    void* ptr;
    std::string name, match_name, category, entry_point;
    A_long kind, major, minor, reserved;
};

std::vector<RegistrationCall> registration_calls;
A_Err registration_result = A_Err_NONE;

A_Err RecordRegistration(PF_PluginDataPtr ptr, const A_u_char* name, const A_u_char* match_name,
                         const A_u_char* category, const A_u_char* entry_point, A_long kind,
                         A_long major, A_long minor, A_long reserved) {
    registration_calls.push_back(
        {ptr, reinterpret_cast<const char*>(name), reinterpret_cast<const char*>(match_name),
         reinterpret_cast<const char*>(category), reinterpret_cast<const char*>(entry_point), kind,
         major, minor, reserved});
    return registration_result;
}

A_Err ThrowingRegistration(PF_PluginDataPtr, const A_u_char*, const A_u_char*, const A_u_char*,
                           const A_u_char*, A_long, A_long, A_long, A_long) {
    throw std::bad_alloc();
}

TEST(Registration, CallbackReceivesTheValuesOnceAndItsResultIsReturned) {
    registration_calls.clear();
    registration_result = 1234;
    int token = 0;
    const PF_PluginDataPtr ptr = reinterpret_cast<PF_PluginDataPtr>(&token);
    EXPECT_EQ(PluginDataEntryFunction(ptr, &RecordRegistration, nullptr, "Host", "1.0"), 1234);
    ASSERT_EQ(registration_calls.size(), 1u);
    const RegistrationCall& c = registration_calls[0];
    EXPECT_EQ(c.ptr, static_cast<void*>(&token));
    EXPECT_EQ(c.name, "Halvane 3");
    EXPECT_EQ(c.match_name, "KVHLVGL");
    EXPECT_EQ(c.category, "Korvana");
    EXPECT_EQ(c.entry_point, "EffectMain");
    EXPECT_EQ(c.kind, 0x65464B54);
    EXPECT_EQ(c.major, 13);
    EXPECT_EQ(c.minor, 25);
    EXPECT_EQ(c.reserved, 8);
    registration_result = A_Err_NONE;
}

TEST(Registration, NoCallbackOrAThrowingOneIsAnErrorNotACrash) {
    EXPECT_EQ(PluginDataEntryFunction(nullptr, nullptr, nullptr, nullptr, nullptr),
              PF_Err_INVALID_CALLBACK);
    EXPECT_EQ(PluginDataEntryFunction(nullptr, &ThrowingRegistration, nullptr, nullptr, nullptr),
              PF_Err_OUT_OF_MEMORY);
}

}  // namespace
