#pragma once

// The simulated host: plays the host's side of the effect interface for tests
// and for the host tool. It builds PF_InData/PF_OutData the way the host does,
// hands out suites by exact (name, version), sends commands in the host's
// order, and runs the smart pre-render / smart render flow.
//
// Strictness. Wherever the real host would reject a call or crash, the
// simulated host records a *violation*: a one-line message, printed to stderr
// at once ("simhost: VIOLATION: ...") and kept until a test takes it.
//   - TakeViolations() returns every violation recorded since the last take;
//     EXPECT_HOST_CLEAN(host) (simhost/SimHostTesting.h) asserts none.
//   - Finish() runs the end-of-life checks (suites still held, worlds and
//     handles still alive, parameters still checked out) and then takes.
//   - The destructor runs Finish()'s checks if Finish() was not called, and
//     aborts the process, listing the messages, if any violation was never
//     taken. A test therefore cannot pass while the host saw a fault unless it
//     looked at the fault. Test programs that include simhost/SimHostTesting.h
//     get a handler instead (SetUninspectedHandler) that fails the running
//     test with the messages, so one faulty test does not end the program.
//
// One host at a time. Several host entry points carry no context (the basic
// suite's AcquireSuite, handle allocation, ANSI calls), so they are answered
// by the one live Host. Constructing a second Host while one is alive aborts.
//
// Threads. Every callback and suite function may be called from any thread,
// as the host allows; concurrent smart renders are supported (RenderFrame from
// several threads, each frame with its own FrameRequest: layer, time and so
// parameter values), and so is a frame whose input checkout renders another
// frame on a second thread and waits for it (FrameRequest::dependsOn), as
// under the host's multi-frame rendering. Test-facing setters (settings,
// Param(), SetInputLayer) must not race with commands in flight.
//
// Fault injection. Every callback and suite function the host implements
// starts by counting its call under a key "<table>.<member>":
//   "inter.<member>"          PF_InteractCallbacks (inter.add_param, ...)
//   "utils.<member>"          PF_UtilCallbacks (utils.fill, utils.ansi.sprintf, ...)
//   "SPBasic.<member>"        SPBasicSuite (SPBasic.AcquireSuite, ...)
//   "<suite name> <version>.<member>"  suite tables ("PF World Suite 2.PF_NewWorld")
//   "prerender.<member>", "smartrender.<member>"  the smart callbacks
// FailCall/ThrowOnCall make chosen calls of a key fail or throw. A failing
// call returns the given error (pointer results: null; void results: no
// effect) and does nothing else, except the release calls (ReleaseSuite,
// PF_DisposeWorld, dispose_world): they return the error but still release,
// so a test of the effect's error path does not also get a leak report.
// Every injected fault must fire: one whose chosen calls were not all made
// (a misspelt key, a call number never reached) is a violation, reported by
// Finish() (and the destructor) or by ClearFaults(). A test that expects no
// call of a key says so with CallCount, not with a fault.
//
// Extending the host with more suites (the interface-side suites are written
// this way): keep a static function table whose functions start with
//     Host* host = Host::Current();           // or CommandOf(effect_ref, key)
//     if (PF_Err err = host->Enter("AEGP Stream Suite 9.AEGP_GetStreamName")) return err;
// report misuse with host->Violation("..."), fill every slot you do not
// simulate with SIMHOST_UNSIMULATED (simhost/Unsimulated.h), and register the
// table with RegisterSuite(name, version, &table). Registering a pair again
// replaces its table (copy SuiteTable(...) to change a few slots).
//
// What is built in: "PF Handle Suite" 2, "PF ANSI Suite" 1, "PF World Suite"
// 2, "PF Iterate8 Suite" 1, "PF iterateFloat Suite" 1, "PF Iterate16 Suite"
// 1, "AEGP PF Interface
// Suite" 1 (AEGP_GetEffectLayer), "AEGP Layer Suite" 13 (AEGP_GetLayerFlags,
// AEGP_GetLayerToWorldXform); every other pair is refused with
// kSPSuiteNotFoundError (and a note on stderr) until registered.
//
// Memory the host hands out uncleared (handles, worlds made without the clear
// flag, the smart-render output) is filled with 0xCD, so a reader of
// uninitialised pixels sees garbage, as with the real host. Row padding of
// host-made worlds (HostSettings::rowPaddingBytes) is watched: a write into it
// is a violation. Checked-out input pixels are copies; writing into them is a
// violation.
//
// Other violations: commands out of the host's order (anything before
// GLOBAL_SETUP, parameter commands before PARAMS_SETUP, anything after
// GLOBAL_SETDOWN); an exception escaping the entry point or an iterate
// callback; an effect_ref of a command that has returned; interaction and
// smart callbacks called off the command's thread; a command that changes the
// thread's current GL context; add_param outside PARAMS_SETUP, with an index
// other than -1, an unterminated name, a popup whose choice count or default
// does not match, a slider default outside its valid range; num_params not
// matching the parameters added; unbalanced groups; check-outs not checked
// in, check-ins of definitions never checked out; suites, worlds and handles
// still held when their command returns (global data excepted); releases of
// suites never acquired, disposals of unknown handles or worlds; sprintf or
// strcpy past the end of return_msg; pre-render result_rect outside
// max_result_rect; and every call of a slot the host does not simulate.
//
// Pixel utilities: fill with a null colour clears to transparent black;
// premultiply forward 1 multiplies colour by alpha, forward 0 divides it by
// alpha where alpha > 0 (8- and 16-bit results rounded to nearest, clamped to
// 255 or 32768). A layer image of PF_PixelFormat_ARGB64 makes a 16-bpc
// project: the effect gets 16-bit buffers.

#include "host/HostInterface.h"
#include "simhost/Image.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace simhost {

// What a test can change about the host. Read by the host whenever it builds a
// command; set it between commands, never while one is in flight.
struct HostSettings {
    PF_SpecVersion version = {13, 25};  // in_data->version
    A_long applId = 0x46585443;         // 'FXTC' (After Effects); 'PrMr' = 0x50724D72
    PF_RationalScale downsampleX = {1, 1};
    PF_RationalScale downsampleY = {1, 1};
    PF_RationalScale pixelAspect = {1, 1};
    A_long currentTime = 0;
    A_long timeStep = 1;
    A_long totalTime = 300;
    A_u_long timeScale = 30;
    PF_Quality quality = PF_Quality_HI;
    PF_Field field = PF_Field_FRAME;
    // in_data->width/height: the layer's size at full resolution. 0 takes the
    // input layer image's size (which is at the current resolution) divided
    // by the downsample factor, rounded up.
    A_long layerWidth = 0;
    A_long layerHeight = 0;
    // Threads the iterate suites spread rows over.
    int iterateThreads = 4;
    // Bytes added to every row of the worlds the host makes (output worlds,
    // PF_NewWorld, new_world). Keep it a multiple of 16 so rows stay whole
    // pixels in every format. Checked-out input pixels keep the row padding
    // of the input layer image instead.
    A_long rowPaddingBytes = 0;
    // abort() and progress() answer PF_Interrupt_CANCEL; iterate stops.
    bool userAborted = false;
    // When above 0: the user cancels during the frame, and abort() answers
    // PF_Interrupt_CANCEL from its call number `cancelAtAbortCall` (counted
    // over the host's life, as CallCount("inter.abort") counts) on.
    int cancelAtAbortCall = 0;
    // Called with every progress() report (count, total) before it is
    // answered, on the command's thread; may be empty.
    std::function<void(A_long count, A_long total)> progressObserver;

    // "AEGP PF Interface Suite" 1 / "AEGP Layer Suite" 13
    bool effectLayerPresent = true;  // AEGP_GetEffectLayer gives a layer
    AEGP_LayerFlags layerFlags = 0;  // AEGP_LayerFlag_ADJUSTMENT_LAYER = 0x200
    A_Matrix4 layerToWorld = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

    // What the registration resource declares. When `checkRegistration` is
    // set, GLOBAL_SETUP must report the same version and flag words (the host
    // warns about a mismatch when it loads the effect).
    bool checkRegistration = false;
    A_u_long registeredVersion = 0;
    A_long registeredOutFlags = 0;
    A_long registeredOutFlags2 = 0;

    // CallLog() keeps this many keys, then a "..." entry; CallCount goes on.
    // SuiteCalls() keeps as many entries, then no more.
    size_t callLogLimit = 200000;

    // A command must leave the calling thread's current GL (EGL) context as
    // it found it; the host's own drawing relies on it.
    bool checkGLContext = true;

    // A parameter reusing another's disk id is noted on stderr (the strict
    // log of tests); a tool driving a module for a user turns the note off.
    bool noteReusedDiskIds = true;

    // The largest world the host makes; a larger one (an output announced
    // far past any real frame) is refused with PF_Err_OUT_OF_MEMORY, as a
    // host that cannot allocate it does.
    size_t maxWorldBytes = size_t{2} << 30;
    // Smart render: checkout_layer_pixels hands out a null world (no error).
    bool inputPixelsMissing = false;
    // Smart render: checkout_output hands out a null world (no error).
    bool outputMissing = false;
    // How long checkout_layer_pixels waits for a FrameRequest::dependsOn.
    std::chrono::milliseconds dependencyWait{60000};
    // Called on the calling thread at the start of every callback and suite
    // function, with its key, before faults apply; may be empty. Lets a test
    // look at the effect's state whenever it calls the host.
    std::function<void(const char* key)> hostCallObserver;
};

// One parameter check-out made through inter.checkout_param.
struct ParamCheckout {
    int command = 0;  // serial number of the command that made it
    PF_ParamIndex index = 0;
    A_long time = 0;
    A_long step = 0;
    A_u_long scale = 0;
    bool checkedIn = false;
    const void* def = nullptr;  // the definition the effect passed (check-in matches it)
};

// One input check-out made through the pre-render checkout_layer callback.
struct LayerCheckout {
    PF_ParamIndex index = 0;
    A_long id = 0;
    PF_RenderRequest request = {};
    A_long time = 0;
    A_long step = 0;
    A_u_long scale = 0;
    PF_CheckoutResult result = {};
};

// What one smart pre-render produced, as the host reads it back.
struct PreRenderOutcome {
    PF_Err err = 0;
    PF_RenderRequest request = {};   // the request the host sent
    PF_PreRenderOutput output = {};  // result_rect, max_result_rect, flags, ...
    std::vector<LayerCheckout> checkouts;
    std::vector<std::vector<unsigned char>> mixIns;  // every GuidMixInPtr buffer, in call order
};

struct RenderedFrame;

// One frame as the host asks for it under multi-frame rendering, where frames
// of one effect render on several threads at once. Members left unset take
// the host's own: the request (null: the whole layer), the layer image (null:
// InputLayer()) and the time (parameter values set with SetParamAt apply).
// Pointed-to records must outlive the render.
struct FrameRequest {
    const PF_RenderRequest* request = nullptr;
    const Image* layer = nullptr;
    bool hasTime = false;
    A_long time = 0;
    // The frame the input depends on (a precomp layer carrying this effect
    // too): the host renders it on a second thread inside the first
    // checkout_layer_pixels and waits for it before the checkout returns.
    // The wait is bounded by HostSettings::dependencyWait; a frame still
    // unfinished then is a violation naming both threads and where each is,
    // and the checkout fails.
    const FrameRequest* dependsOn = nullptr;
};

// What one smart render produced.
struct RenderedFrame {
    PF_Err preRenderErr = 0;
    PF_Err err =
        0;  // smart render result; when pre-render failed, its error (no smart render is sent)
    PreRenderOutcome pre;
    bool hasOutput = false;              // an output world was handed out
    Image output;                        // copy of the output world after the render
    PF_LRect rect = {};                  // where the output lies in layer coordinates
    bool outputCheckedOut = false;       // the effect called checkout_output
    std::vector<A_long> inputCheckouts;  // checkout ids given to checkout_layer_pixels
    // FrameRequest::dependsOn, as rendered inside the input checkout (null
    // when the frame had none or the checkout never came).
    std::shared_ptr<const RenderedFrame> dependency;
};

// The result of one command, as the host saw it.
struct CommandRecord {
    int serial = 0;
    PF_Cmd cmd = 0;
    PF_Err result = 0;
    PF_OutData out = {};  // copy of the output record after the call
};

// One run of an iterate function.
struct IterateRecord {
    std::string key;  // e.g. "PF Iterate8 Suite 1.iterate"
    A_long progressBase = 0;
    A_long progressFinal = 0;
    A_long lastProgress = 0;  // progress reported when the last row finished
    A_long rows = 0;
    A_long pixels = 0;  // callback calls made
    int threadsUsed = 0;
    PF_Err result = 0;
};

// Called by a dying Host with the violations nobody took, instead of
// aborting. Process-wide; null (the default) aborts. Returns the previous one.
using UninspectedHandler = void (*)(const std::vector<std::string>& violations);
UninspectedHandler SetUninspectedHandler(UninspectedHandler handler);

struct SuiteCount {
    std::string name;
    A_long version = 0;
    int acquired = 0;
    int released = 0;
};

// One AcquireSuite or ReleaseSuite the basic suite answered (refused ones
// included; one failed by FailCall on SPBasic.AcquireSuite never gets this
// far).
struct SuiteCall {
    bool acquire = false;
    std::string name;
    A_long version = 0;
    bool operator==(const SuiteCall& o) const {
        return acquire == o.acquire && name == o.name && version == o.version;
    }
};

class Host {
  public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The live host, or null.
    static Host* Current();

    HostSettings settings;

    // ---- violations ---------------------------------------------------------
    // Records a violation (also used by code that extends the host, e.g. the
    // interface-side suites). Thread-safe.
    void Violation(const std::string& message);
    // Every violation since the last take; marks them inspected.
    std::vector<std::string> TakeViolations();
    // End-of-life checks (suites held, worlds and handles alive, parameters
    // checked out, injected faults that never fired), then TakeViolations().
    // Call once, after the last command.
    std::vector<std::string> Finish();

    // ---- fault injection and call counting ---------------------------------
    // Calls first..first+count-1 (1-based) of `key` return `err`; count -1
    // means every call from `first` on.
    void FailCall(const std::string& key, int first, PF_Err err, int count = 1);
    enum class ThrowKind { kInt, kStdException };
    // Call `nth` of `key` throws: the integer `value`, or a std::runtime_error.
    void ThrowOnCall(const std::string& key, int nth, ThrowKind kind, A_long value = 0);
    // Call `nth` of `key` rethrows `thrown`, whatever its type.
    void ThrowOnCall(const std::string& key, int nth, std::exception_ptr thrown);
    // Removes every fault; each one whose chosen calls were not all made
    // (an unbounded one: not even its first) is first recorded as a
    // violation, so clearing cannot hide a fault that never fired.
    void ClearFaults();
    int CallCount(const std::string& key) const;
    // Every counted call, in order (keys only).
    std::vector<std::string> CallLog() const;
    // Entry hook for every simulated function (also for suites written on top
    // of this host): counts the call and applies the faults. Returns 0 or the
    // injected error; may throw an injected exception.
    PF_Err Enter(const char* key);

    // ---- suites --------------------------------------------------------------
    // Registers `table` under the exact (name, version); replaces an earlier
    // table for the pair. The table must outlive the host (or be re-registered).
    void RegisterSuite(const std::string& name, A_long version, const void* table);
    // AcquireSuite of the pair returns `err` (default kSPSuiteNotFoundError)
    // and a null suite.
    void RefuseSuite(const std::string& name, A_long version, A_long err = 0x53214664);
    // AcquireSuite of the pair returns success and a null suite.
    void HandOutNullSuite(const std::string& name, A_long version);
    // Undoes RefuseSuite / HandOutNullSuite.
    void RestoreSuite(const std::string& name, A_long version);
    const void* SuiteTable(const std::string& name, A_long version) const;
    int SuiteAcquireCount(const std::string& name, A_long version) const;
    int SuiteReleaseCount(const std::string& name, A_long version) const;
    // Pairs acquired more often than released, right now.
    std::vector<SuiteCount> HeldSuites() const;
    std::vector<SuiteCount> SuiteCounts() const;
    // Every acquire and release in call order.
    std::vector<SuiteCall> SuiteCalls() const;
    SPBasicSuite* BasicSuite() { return &basicSuite_; }
    // The basic suite's AcquireSuite/ReleaseSuite for the pair, counted
    // against the command running on the calling thread. Return SP errors.
    A_long SuiteAcquire(const char* name, A_long version, const void** suite);
    A_long SuiteRelease(const char* name, A_long version);

    // ---- driving the effect --------------------------------------------------
    void SetEntry(PF_FilterProc entry) { entry_ = entry; }
    // Sends one command in the host's manner: builds PF_InData/PF_OutData and
    // the parameter array, passes global_data back, calls the entry point and
    // checks what the command left behind. `extra` is passed through.
    PF_Err Send(PF_Cmd cmd, void* extra = nullptr);
    // GLOBAL_SETUP then PARAMS_SETUP; the first failure is returned.
    PF_Err Setup();
    PF_Err GlobalSetdown() { return Send(PF_Cmd_GLOBAL_SETDOWN); }
    PF_Err About() { return Send(PF_Cmd_ABOUT); }
    PF_Err UpdateParamsUI() { return Send(PF_Cmd_UPDATE_PARAMS_UI); }
    // USER_CHANGED_PARAM for `index`; values the effect marks with
    // PF_ChangeFlag_CHANGED_VALUE in params[] become the current values.
    PF_Err UserChangedParam(PF_ParamIndex index);
    const std::vector<CommandRecord>& Commands() const { return commands_; }
    const CommandRecord& LastCommand() const;
    // The handle the host keeps as global data (null before GLOBAL_SETUP).
    PF_Handle GlobalData() const { return globalData_; }

    // ---- parameters ------------------------------------------------------------
    // Copies of what add_param received, index 1..N (string pointers of popups,
    // check boxes and buttons point into host-owned copies). Index 0 is the
    // input layer and is not recorded.
    const std::vector<PF_ParamDef>& AddedParams() const { return added_; }
    std::vector<PF_CustomUIInfo> RegisteredUI() const;
    // The current value of parameter `index` (1..N); tests change it freely.
    PF_ParamDef& Param(PF_ParamIndex index);
    // A value that applies only at time `time` (checkout_param at that time).
    void SetParamAt(PF_ParamIndex index, A_long time, const PF_ParamDef& value);
    std::vector<ParamCheckout> ParamCheckouts() const;

    // ---- handles ------------------------------------------------------------------
    size_t LiveHandleCount() const;
    A_HandleSize HandleSize(PF_Handle handle) const;  // 0 for unknown handles

    // ---- worlds and rendering ----------------------------------------------------
    // The effect's input layer (params[0] and the smart input). Its size is
    // the layer's size at the current resolution.
    void SetInputLayer(const Image& image);
    const Image& InputLayer() const { return inputLayer_; }
    size_t LiveWorldCount() const;
    // Smart pre-render with the given request (null: the whole layer).
    PreRenderOutcome PreRender(const PF_RenderRequest* request = nullptr);
    PreRenderOutcome PreRender(const FrameRequest& frame);
    // Smart render after `pre`: allocates the output at pre.output.result_rect.
    RenderedFrame SmartRender(const PreRenderOutcome& pre);
    RenderedFrame SmartRender(const PreRenderOutcome& pre, const FrameRequest& frame);
    // Pre-render, then (when it succeeded) smart render. Callable from
    // several threads at once, each frame with its own FrameRequest.
    RenderedFrame RenderFrame(const PF_RenderRequest* request = nullptr);
    RenderedFrame RenderFrame(const FrameRequest& frame);
    std::vector<IterateRecord> Iterations() const;
    // Every progress() report (count, total) in call order.
    std::vector<std::pair<A_long, A_long>> ProgressReports() const;
    // Times asked of AEGP_GetLayerToWorldXform.
    std::vector<A_Time> XformTimes() const;

    // Context of a call: the command behind an effect_ref, or null (with a
    // violation) when the reference is not one of a command in flight.
    struct Command;
    Command* CommandOf(PF_ProgPtr effectRef, const char* key);
    // The in_data of the command behind effectRef (null when unknown).
    PF_InData* InDataOf(PF_ProgPtr effectRef);

    // ---- internals shared by the host's source files ----------------------------
    struct HandleRec;
    struct WorldRec;
    struct SuiteRec;
    struct FaultRec;
    struct DependencyRec;

  private:
    friend struct HostAccess;

    void BuildTables();
    void EndOfCommandChecks(Command& command);
    void EndOfLifeChecks();
    void ReportUnfiredFaults();  // with mu_ held
    void AddFault(FaultRec fault);
    std::unique_ptr<Command> NewCommand(PF_Cmd cmd, const FrameRequest* frame);
    PF_Err CallEntry(Command& command, void* extra);
    // Sends `cmd`: prepare() returns the extra (it may fill command-owned
    // records), collect() reads what the command left before the host's
    // end-of-command checks run.
    PF_Err Dispatch(PF_Cmd cmd, const std::function<void*(Command&)>& prepare,
                    const std::function<void(Command&, PF_Err)>& collect,
                    const FrameRequest* frame = nullptr);

    mutable std::recursive_mutex mu_;
    std::vector<std::string> violations_;  // not yet taken
    bool finished_ = false;

    std::map<std::string, int> callCounts_;
    std::vector<std::string> callLog_;
    std::vector<std::unique_ptr<FaultRec>> faults_;

    std::map<std::pair<std::string, A_long>, std::unique_ptr<SuiteRec>> suites_;
    std::vector<SuiteCall> suiteCalls_;
    SPBasicSuite basicSuite_ = {};

    PF_FilterProc entry_ = nullptr;
    int nextSerial_ = 1;
    std::set<Command*> live_;
    std::vector<CommandRecord> commands_;
    bool globalSetupSent_ = false;
    bool paramsSetupSent_ = false;
    bool setdownSent_ = false;
    PF_Handle globalData_ = nullptr;

    std::vector<PF_ParamDef> added_;  // index i-1 holds parameter i
    std::vector<std::unique_ptr<std::string>> addedStrings_;
    std::vector<PF_ParamDef> values_;  // current values, same indexing
    std::map<std::pair<PF_ParamIndex, A_long>, PF_ParamDef> valuesAt_;
    std::vector<PF_CustomUIInfo> customUI_;
    std::vector<ParamCheckout> paramCheckouts_;

    std::map<void*, std::unique_ptr<HandleRec>> handles_;      // by the PF_Handle value
    std::map<const void*, std::unique_ptr<WorldRec>> worlds_;  // by the world's data pointer

    Image inputLayer_;
    std::vector<IterateRecord> iterations_;
    std::vector<std::pair<A_long, A_long>> progressReports_;
    // Per thread inside a command: the command and the last host call it
    // made, for the message of a dependency wait that ran out.
    std::map<std::thread::id, std::pair<PF_Cmd, std::string>> whereNow_;
    std::vector<A_Time> xformTimes_;

    PF_UtilCallbacks utils_ = {};
};

// The per-command state behind an effect_ref. Owned by the host for the
// length of one command; the plug-in must not use its effect_ref afterwards.
struct Host::Command {
    std::uint32_t magic = 0x51a1c0de;
    Host* host = nullptr;
    int serial = 0;
    PF_Cmd cmd = 0;
    std::thread::id thread;  // the thread the command arrived on
    const Image* layer =
        nullptr;  // the frame's layer image (the host's unless a FrameRequest says)
    const FrameRequest* frame = nullptr;  // smart commands sent for a FrameRequest
    DependencyRec* dependency = nullptr;  // smart render: frame->dependsOn in flight
    PF_InData in = {};
    PF_OutData out = {};
    std::vector<PF_ParamDef> paramValues;  // params[] storage
    std::vector<PF_ParamDef*> params;
    // Smart pre-render
    PF_PreRenderInput preInput = {};
    PF_PreRenderOutput preOutput = {};
    PF_PreRenderCallbacks preCallbacks = {};
    PF_PreRenderExtra preExtra = {};
    std::vector<LayerCheckout> layerCheckouts;
    std::vector<std::vector<unsigned char>> mixIns;
    // Smart render
    PF_SmartRenderInput renderInput = {};
    PF_SmartRenderCallbacks renderCallbacks = {};
    PF_SmartRenderExtra renderExtra = {};
    const PreRenderOutcome* pre = nullptr;
    std::map<A_long, std::unique_ptr<PF_EffectWorld>> inputWorlds;  // by checkout id
    std::map<A_long, Image> inputOriginals;  // what was handed out, to detect writes
    std::set<A_long> checkedIn;
    std::unique_ptr<PF_EffectWorld> outputWorld;
    bool outputCheckedOut = false;
    std::vector<A_long> inputCheckoutCalls;
};

}  // namespace simhost
