#pragma once

// Records and helpers shared by the simulated host's own source files. Not
// for tests: everything here is reached through Host's public API.

#include "simhost/SimHost.h"

#include <exception>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace simhost {

struct Host::HandleRec {
    void* ptr = nullptr;  // the block; the PF_Handle is &ptr
    A_HandleSize size = 0;
    int locks = 0;
    int command = 0;  // serial of the command that made it (0: none)
};

struct Host::WorldRec {
    std::unique_ptr<unsigned char[]> storage;
    std::size_t storageSize = 0;
    PF_PixelFormat format = PF_PixelFormat_ARGB32;
    A_long width = 0;
    A_long height = 0;
    A_long rowbytes = 0;
    int command = 0;           // serial of the command it belongs to
    const char* origin = "";   // who made it, for messages
    bool effectOwned = false;  // made by the effect (new_world, PF_NewWorld): must be disposed
};

struct Host::SuiteRec {
    std::string name;
    A_long version = 0;
    const void* table = nullptr;
    enum class Mode { kNormal, kRefuse, kNull } mode = Mode::kNormal;
    A_long refuseErr = 0;
    int acquired = 0;
    int released = 0;
    std::map<int, int> heldByCommand;  // command serial -> acquires minus releases
};

struct Host::FaultRec {
    std::string key;
    int first = 1;
    int count = 1;  // -1: unbounded
    bool throws = false;
    ThrowKind kind = ThrowKind::kInt;
    A_long value = 0;
    std::exception_ptr thrown;  // rethrown instead of `kind` when set
    int fired = 0;              // calls it applied to
};

// A FrameRequest::dependsOn rendered on its own thread while the frame that
// needs it waits inside checkout_layer_pixels. Owned by the waiting frame's
// Host::SmartRender, which joins the thread after its command has returned
// (so that a dependency still blocked by the effect can finish).
struct Host::DependencyRec {
    const FrameRequest* frame = nullptr;
    std::thread thread;
    std::thread::id threadId;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    RenderedFrame result;
};

// Serial of the command running on this thread (0 outside commands).
int CurrentCommandSerial();

// Byte patterns: memory the host hands out uncleared, and the row padding the
// host watches for writes.
constexpr unsigned char kGarbageByte = 0xCD;
constexpr unsigned char kPaddingByte = 0xA5;

// Gives the host's C entry points access to its state.
struct HostAccess {
    // Tables, built once per process (function pointers only).
    static const PF_HandleSuite1* HandleSuite();
    static const PF_ANSICallbacksSuite1* AnsiSuite();
    static const PF_WorldSuite2* WorldSuite();
    static const PF_Iterate8Suite1* Iterate8Suite();
    static const PF_IterateFloatSuite1* IterateFloatSuite();
    static const PF_Iterate16Suite1* Iterate16Suite();
    static const AEGP_PFInterfaceSuite1* PFInterfaceSuite();
    static const AEGP_LayerSuite7* LayerSuite();
    static void FillBasicSuite(SPBasicSuite& basic);
    static void FillInteract(PF_InteractCallbacks& inter);
    static void FillUtils(PF_UtilCallbacks& utils);
    static void FillPreRenderCallbacks(PF_PreRenderCallbacks& cb);
    static void FillSmartRenderCallbacks(PF_SmartRenderCallbacks& cb);

    // State access for the C entry points.
    static std::recursive_mutex& Mutex(Host& h) { return h.mu_; }
    static std::map<void*, std::unique_ptr<Host::HandleRec>>& Handles(Host& h) {
        return h.handles_;
    }
    static std::map<const void*, std::unique_ptr<Host::WorldRec>>& Worlds(Host& h) {
        return h.worlds_;
    }
    static std::vector<PF_ParamDef>& Added(Host& h) { return h.added_; }
    static std::vector<std::unique_ptr<std::string>>& AddedStrings(Host& h) {
        return h.addedStrings_;
    }
    static std::vector<PF_ParamDef>& Values(Host& h) { return h.values_; }
    static std::map<std::pair<PF_ParamIndex, A_long>, PF_ParamDef>& ValuesAt(Host& h) {
        return h.valuesAt_;
    }
    static std::vector<PF_CustomUIInfo>& CustomUI(Host& h) { return h.customUI_; }
    static std::vector<ParamCheckout>& ParamCheckouts(Host& h) { return h.paramCheckouts_; }
    static std::vector<IterateRecord>& Iterations(Host& h) { return h.iterations_; }
    static std::vector<std::pair<A_long, A_long>>& ProgressReports(Host& h) {
        return h.progressReports_;
    }
    static std::vector<A_Time>& XformTimes(Host& h) { return h.xformTimes_; }
    static const Image& InputLayer(Host& h) { return h.inputLayer_; }
    static PF_UtilCallbacks& Utils(Host& h) { return h.utils_; }
    static std::set<Host::Command*>& Live(Host& h) { return h.live_; }
    static std::map<std::thread::id, std::pair<PF_Cmd, std::string>>& WhereNow(Host& h) {
        return h.whereNow_;
    }
    // Fill the parts of PF_UtilCallbacks each source file implements.
    static void FillWorldUtils(PF_UtilCallbacks& utils);
    static void FillIterateUtils(PF_UtilCallbacks& utils);

    // Worlds: allocation in the host's manner (garbage or zeros, padding
    // filled with kPaddingByte) and lookup by a world's data pointer.
    // `command` is the serial the world belongs to (effect-owned worlds must
    // be disposed before it returns); host-owned worlds pass 0 and are
    // dropped by the code that made them. Like the host, refuses a world
    // larger than settings.maxWorldBytes: returns PF_Err_OUT_OF_MEMORY and
    // leaves `world` empty.
    static PF_Err MakeWorld(Host& h, PF_EffectWorld& world, A_long width, A_long height,
                            PF_PixelFormat format, bool clear, bool effectOwned, int command,
                            const char* origin,
                            A_long paddingBytes = -1);  // -1: settings.rowPaddingBytes
    // Unknown worlds give null (no violation; the caller reports).
    static Host::WorldRec* FindWorld(Host& h, const PF_EffectWorld* world);
    static void DropWorld(Host& h, const PF_EffectWorld* world);
    // Row padding still holds kPaddingByte; otherwise records a violation.
    static void CheckPadding(Host& h, const PF_EffectWorld& world, const char* what);

    // Parameter values: a copy of the value of `index` at `time`.
    static PF_ParamDef ValueAt(Host& h, PF_ParamIndex index, A_long time);
    static PF_ParamDef InputLayerParam(Host& h);
    static void LayerWorld(Host& h, PF_LayerDef& layer);
};

// The host alive now, for a callback or suite function called under `key`;
// a call with no host alive is reported and aborts, as a real host would
// crash on a dangling table.
Host& LiveHost(const char* key);

// Starts a callback that names its command by `effect_ref`: the command, with
// `key` entered (counted, faults applied). Null with *err set when the
// reference names no command in flight (PF_Err_BAD_CALLBACK_PARAM) or an
// injected fault answers.
Host::Command* BeginCall(PF_ProgPtr effect_ref, const char* key, PF_Err* err);

// What an exception that would have crossed into the host was, for a
// violation's message: its what(), its int value, or its unknown type.
std::string ExceptionText(std::exception_ptr e);

// "name version" of a suite pair, for messages and keys.
std::string SuiteKey(const std::string& name, A_long version);

// Rectangle helpers (right and bottom exclusive).
bool IsEmpty(const PF_LRect& r);
PF_LRect Intersect(const PF_LRect& a, const PF_LRect& b);
std::string Describe(const PF_LRect& r);

}  // namespace simhost
