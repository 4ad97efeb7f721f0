#include "simhost/SimHost.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <typeinfo>

#include "simhost/HostInternal.h"
#include "simhost/Platform.h"
#include "simhost/Unsimulated.h"

namespace simhost {

namespace {

std::atomic<Host*> g_current{nullptr};
std::atomic<UninspectedHandler> g_uninspected{nullptr};
thread_local int tls_commandSerial = 0;

// SP error values the basic suite answers with.
constexpr A_long kSPSuiteNotFound = 0x53214664;  // 'S!Fd'
constexpr A_long kSPBadParameter = 0x5061726D;   // 'Parm'

Host& LiveHost(const char* key) {
    Host* const host = Host::Current();
    if (host == nullptr) {
        std::fprintf(stderr, "simhost: %s called while no simulated host is alive\n", key);
        std::abort();
    }
    return *host;
}

SPErr SPAcquireSuite(const char* name, int32 version, const void** suite);
SPErr SPReleaseSuite(const char* name, int32 version);

SPBoolean SPIsEqual(const char* a, const char* b) {
    Host& host = LiveHost("SPBasic.IsEqual");
    host.Enter("SPBasic.IsEqual");
    return (a != nullptr && b != nullptr && std::strcmp(a, b) == 0) ? 1 : 0;
}

SPErr SPAllocateBlock(size_t size, void** block) {
    Host& host = LiveHost("SPBasic.AllocateBlock");
    if (const PF_Err err = host.Enter("SPBasic.AllocateBlock"))
        return err;
    if (block == nullptr) {
        host.Violation("SPBasic.AllocateBlock called with a null out-pointer");
        return kSPBadParameter;
    }
    *block = std::malloc(size == 0 ? 1 : size);
    return *block != nullptr ? 0 : static_cast<SPErr>(-148);
}

SPErr SPFreeBlock(void* block) {
    Host& host = LiveHost("SPBasic.FreeBlock");
    if (const PF_Err err = host.Enter("SPBasic.FreeBlock"))
        return err;
    std::free(block);
    return 0;
}

SPErr SPReallocateBlock(void* block, size_t size, void** out) {
    Host& host = LiveHost("SPBasic.ReallocateBlock");
    if (const PF_Err err = host.Enter("SPBasic.ReallocateBlock"))
        return err;
    if (out == nullptr) {
        host.Violation("SPBasic.ReallocateBlock called with a null out-pointer");
        return kSPBadParameter;
    }
    *out = std::realloc(block, size == 0 ? 1 : size);
    return *out != nullptr ? 0 : static_cast<SPErr>(-148);
}

SPErr SPUndefined() {
    LiveHost("SPBasic.Undefined").Violation("SPBasic.Undefined called");
    return kSPBadParameter;
}

SPErr SPAcquireSuite(const char* name, int32 version, const void** suite) {
    Host& host = LiveHost("SPBasic.AcquireSuite");
    if (suite == nullptr || name == nullptr) {
        host.Violation("SPBasic.AcquireSuite called with a null name or out-pointer");
        return kSPBadParameter;
    }
    *suite = nullptr;
    if (const PF_Err err = host.Enter("SPBasic.AcquireSuite"))
        return err;
    return host.SuiteAcquire(name, version, suite);
}

SPErr SPReleaseSuite(const char* name, int32 version) {
    Host& host = LiveHost("SPBasic.ReleaseSuite");
    if (name == nullptr) {
        host.Violation("SPBasic.ReleaseSuite called with a null name");
        return kSPBadParameter;
    }
    // An injected failure is what the effect sees, but the suite is released
    // all the same, so the failure does not turn into a leak report.
    const PF_Err injected = host.Enter("SPBasic.ReleaseSuite");
    const SPErr err = host.SuiteRelease(name, version);
    return injected != 0 ? injected : err;
}

std::string Pointer(const void* p) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

std::string TypeNameOfCurrentException() {
    try {
        throw;
    } catch (const std::exception& e) {
        return std::string("std::exception (") + e.what() + ")";
    } catch (int value) {
        return "int " + std::to_string(value);
    } catch (...) {
        return "an exception of unknown type";
    }
}

}  // namespace

int CurrentCommandSerial() {
    return tls_commandSerial;
}

UninspectedHandler SetUninspectedHandler(UninspectedHandler handler) {
    return g_uninspected.exchange(handler);
}

std::string SuiteKey(const std::string& name, A_long version) {
    return name + " " + std::to_string(version);
}

bool IsEmpty(const PF_LRect& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

PF_LRect Intersect(const PF_LRect& a, const PF_LRect& b) {
    PF_LRect r;
    r.left = a.left > b.left ? a.left : b.left;
    r.top = a.top > b.top ? a.top : b.top;
    r.right = a.right < b.right ? a.right : b.right;
    r.bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    if (IsEmpty(r))
        r = PF_LRect{0, 0, 0, 0};
    return r;
}

std::string Describe(const PF_LRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

void ReportUnsimulated(const char* key) {
    Host* const host = Host::Current();
    const std::string message = std::string(key) + " is not simulated";
    if (host == nullptr) {
        std::fprintf(stderr, "simhost: %s (no host alive)\n", message.c_str());
        std::abort();
    }
    host->Violation(message);
}

// ---- life ---------------------------------------------------------------------

Host::Host() {
    Host* expected = nullptr;
    if (!g_current.compare_exchange_strong(expected, this)) {
        std::fprintf(stderr, "simhost: a second Host was constructed while one is alive\n");
        std::abort();
    }
    BuildTables();
}

Host::~Host() {
    if (!finished_) {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        EndOfLifeChecks();
    }
    // The host owns the global data handle and every handle and world still
    // alive; free them without further complaint (leaks were reported above).
    for (auto& entry : handles_)
        std::free(entry.second->ptr);
    handles_.clear();
    worlds_.clear();
    if (!violations_.empty()) {
        std::fprintf(stderr, "simhost: %zu violation(s) were never inspected by the test:\n",
                     violations_.size());
        for (const std::string& v : violations_)
            std::fprintf(stderr, "simhost:   %s\n", v.c_str());
        std::fflush(stderr);
        const UninspectedHandler handler = g_uninspected.load();
        if (handler == nullptr)
            std::abort();
        std::vector<std::string> left;
        left.swap(violations_);
        g_current.store(nullptr);
        handler(left);
        return;
    }
    g_current.store(nullptr);
}

Host* Host::Current() {
    return g_current.load();
}

void Host::BuildTables() {
    basicSuite_.AcquireSuite = &SPAcquireSuite;
    basicSuite_.ReleaseSuite = &SPReleaseSuite;
    basicSuite_.IsEqual = &SPIsEqual;
    basicSuite_.AllocateBlock = &SPAllocateBlock;
    basicSuite_.FreeBlock = &SPFreeBlock;
    basicSuite_.ReallocateBlock = &SPReallocateBlock;
    basicSuite_.Undefined = &SPUndefined;
    HostAccess::FillUtils(utils_);
    RegisterSuite("PF Handle Suite", 2, HostAccess::HandleSuite());
    RegisterSuite("PF ANSI Suite", 1, HostAccess::AnsiSuite());
    RegisterSuite("PF World Suite", 2, HostAccess::WorldSuite());
    RegisterSuite("PF Iterate8 Suite", 1, HostAccess::Iterate8Suite());
    RegisterSuite("PF iterateFloat Suite", 1, HostAccess::IterateFloatSuite());
    RegisterSuite("PF Iterate16 Suite", 1, HostAccess::Iterate16Suite());
    RegisterSuite("AEGP PF Interface Suite", 1, HostAccess::PFInterfaceSuite());
    RegisterSuite("AEGP Layer Suite", 13, HostAccess::LayerSuite());
}

// ---- violations -------------------------------------------------------------------

void Host::Violation(const std::string& message) {
    std::fprintf(stderr, "simhost: VIOLATION: %s\n", message.c_str());
    std::fflush(stderr);
    std::lock_guard<std::recursive_mutex> lock(mu_);
    violations_.push_back(message);
}

std::vector<std::string> Host::TakeViolations() {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    std::vector<std::string> taken;
    taken.swap(violations_);
    return taken;
}

std::vector<std::string> Host::Finish() {
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (!finished_)
            EndOfLifeChecks();
        finished_ = true;
    }
    return TakeViolations();
}

void Host::EndOfLifeChecks() {
    for (const auto& entry : suites_) {
        const SuiteRec& s = *entry.second;
        if (s.acquired > s.released) {
            Violation("suite \"" + s.name + "\" " + std::to_string(s.version) +
                      " still held at the end (" + std::to_string(s.acquired) + " acquires, " +
                      std::to_string(s.released) + " releases)");
        }
    }
    for (const ParamCheckout& c : paramCheckouts_) {
        if (!c.checkedIn) {
            Violation("parameter " + std::to_string(c.index) + " checked out at time " +
                      std::to_string(c.time) + " was never checked in");
        }
    }
    for (const auto& entry : worlds_) {
        if (entry.second->effectOwned) {
            Violation(std::string("world made by ") + entry.second->origin + " (" +
                      std::to_string(entry.second->width) + "x" +
                      std::to_string(entry.second->height) + ") was never disposed");
        }
    }
    for (const auto& entry : handles_) {
        if (entry.first != static_cast<void*>(globalData_)) {
            Violation("handle of " + std::to_string(entry.second->size) +
                      " bytes was never disposed");
        }
    }
}

// ---- faults ----------------------------------------------------------------------

void Host::FailCall(const std::string& key, int first, PF_Err err, int count) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    auto f = std::make_unique<FaultRec>();
    f->key = key;
    f->first = first;
    f->count = count;
    f->value = err;
    faults_.push_back(std::move(f));
}

void Host::ThrowOnCall(const std::string& key, int nth, ThrowKind kind, A_long value) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    auto f = std::make_unique<FaultRec>();
    f->key = key;
    f->first = nth;
    f->count = 1;
    f->throws = true;
    f->kind = kind;
    f->value = value;
    faults_.push_back(std::move(f));
}

void Host::ClearFaults() {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    faults_.clear();
}

int Host::CallCount(const std::string& key) const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = callCounts_.find(key);
    return it == callCounts_.end() ? 0 : it->second;
}

std::vector<std::string> Host::CallLog() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return callLog_;
}

PF_Err Host::Enter(const char* key) {
    if (settings.hostCallObserver) {
        settings.hostCallObserver(key);
    }
    bool doThrow = false;
    ThrowKind kind = ThrowKind::kInt;
    A_long value = 0;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        const auto where = whereNow_.find(std::this_thread::get_id());
        if (where != whereNow_.end()) {
            where->second.second = key;
        }
        const int n = ++callCounts_[key];
        if (callLog_.size() < settings.callLogLimit) {
            callLog_.emplace_back(key);
        } else if (callLog_.size() == settings.callLogLimit && settings.callLogLimit != 0) {
            std::fprintf(stderr, "simhost: note: call log full at %zu entries; counting goes on\n",
                         callLog_.size());
            callLog_.emplace_back("...");
        }
        for (const auto& f : faults_) {
            if (f->key != key || n < f->first || (f->count >= 0 && n >= f->first + f->count))
                continue;
            if (!f->throws)
                return f->value;
            doThrow = true;
            kind = f->kind;
            value = f->value;
            break;
        }
    }
    if (doThrow) {
        if (kind == ThrowKind::kInt)
            throw static_cast<int>(value);
        throw std::runtime_error(std::string("simhost: injected exception in ") + key);
    }
    return 0;
}

// ---- suites ---------------------------------------------------------------------

void Host::RegisterSuite(const std::string& name, A_long version, const void* table) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    auto& rec = suites_[{name, version}];
    if (!rec) {
        rec = std::make_unique<SuiteRec>();
        rec->name = name;
        rec->version = version;
    }
    rec->table = table;
}

namespace {

Host::SuiteRec& PairRec(
    std::map<std::pair<std::string, A_long>, std::unique_ptr<Host::SuiteRec>>& suites,
    const std::string& name, A_long version) {
    auto& rec = suites[{name, version}];
    if (!rec) {
        rec = std::make_unique<Host::SuiteRec>();
        rec->name = name;
        rec->version = version;
    }
    return *rec;
}

}  // namespace

void Host::RefuseSuite(const std::string& name, A_long version, A_long err) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    SuiteRec& rec = PairRec(suites_, name, version);
    rec.mode = SuiteRec::Mode::kRefuse;
    rec.refuseErr = err;
}

void Host::HandOutNullSuite(const std::string& name, A_long version) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    PairRec(suites_, name, version).mode = SuiteRec::Mode::kNull;
}

void Host::RestoreSuite(const std::string& name, A_long version) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    PairRec(suites_, name, version).mode = SuiteRec::Mode::kNormal;
}

const void* Host::SuiteTable(const std::string& name, A_long version) const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = suites_.find({name, version});
    return it == suites_.end() ? nullptr : it->second->table;
}

int Host::SuiteAcquireCount(const std::string& name, A_long version) const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = suites_.find({name, version});
    return it == suites_.end() ? 0 : it->second->acquired;
}

int Host::SuiteReleaseCount(const std::string& name, A_long version) const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = suites_.find({name, version});
    return it == suites_.end() ? 0 : it->second->released;
}

std::vector<SuiteCount> Host::SuiteCounts() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    std::vector<SuiteCount> out;
    for (const auto& entry : suites_) {
        const SuiteRec& s = *entry.second;
        if (s.acquired == 0 && s.released == 0)
            continue;
        out.push_back(SuiteCount{s.name, s.version, s.acquired, s.released});
    }
    return out;
}

std::vector<SuiteCount> Host::HeldSuites() const {
    std::vector<SuiteCount> out;
    for (const SuiteCount& c : SuiteCounts()) {
        if (c.acquired > c.released)
            out.push_back(c);
    }
    return out;
}

A_long Host::SuiteAcquire(const char* name, A_long version, const void** suite) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = suites_.find({name, version});
    if (it == suites_.end() ||
        (it->second->table == nullptr && it->second->mode == SuiteRec::Mode::kNormal)) {
        std::fprintf(stderr, "simhost: note: suite \"%s\" %d is not provided; refused\n", name,
                     static_cast<int>(version));
        return kSPSuiteNotFound;
    }
    SuiteRec& rec = *it->second;
    if (rec.mode == SuiteRec::Mode::kRefuse)
        return rec.refuseErr;
    ++rec.acquired;
    ++rec.heldByCommand[tls_commandSerial];
    *suite = rec.mode == SuiteRec::Mode::kNull ? nullptr : rec.table;
    return 0;
}

A_long Host::SuiteRelease(const char* name, A_long version) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    const auto it = suites_.find({name, version});
    if (it == suites_.end() || it->second->released >= it->second->acquired) {
        Violation(std::string("suite \"") + name + "\" " + std::to_string(version) + " released " +
                  (it == suites_.end() || it->second->acquired == 0 ? "without having been acquired"
                                                                    : "more often than acquired"));
        return kSPSuiteNotFound;
    }
    SuiteRec& rec = *it->second;
    ++rec.released;
    --rec.heldByCommand[tls_commandSerial];
    return 0;
}

// ---- commands ----------------------------------------------------------------------

Host::Command* Host::CommandOf(PF_ProgPtr effectRef, const char* key) {
    Command* const command = reinterpret_cast<Command*>(effectRef);
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (live_.count(command) == 0) {
        Violation(std::string(key) +
                  " called with an effect_ref that belongs to no command in flight");
        return nullptr;
    }
    // The interaction and smart callbacks belong to the thread the command
    // arrived on; the host's suites may be called from any thread.
    const std::string k = key;
    const bool threadBound = k.rfind("inter.", 0) == 0 || k.rfind("prerender.", 0) == 0 ||
                             k.rfind("smartrender.", 0) == 0;
    if (threadBound && command->thread != std::this_thread::get_id()) {
        Violation(k + " called from a thread other than the one its command arrived on");
    }
    return command;
}

PF_InData* Host::InDataOf(PF_ProgPtr effectRef) {
    Command* const command = reinterpret_cast<Command*>(effectRef);
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return live_.count(command) != 0 ? &command->in : nullptr;
}

const CommandRecord& Host::LastCommand() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (commands_.empty()) {
        std::fprintf(stderr, "simhost: test fault: LastCommand() before any command\n");
        std::abort();
    }
    return commands_.back();
}

std::unique_ptr<Host::Command> Host::NewCommand(PF_Cmd cmd, const FrameRequest* frame) {
    auto command = std::make_unique<Command>();
    std::lock_guard<std::recursive_mutex> lock(mu_);
    command->host = this;
    command->serial = nextSerial_++;
    command->cmd = cmd;
    command->thread = std::this_thread::get_id();
    command->frame = frame;
    command->layer = frame != nullptr && frame->layer != nullptr ? frame->layer : &inputLayer_;
    const Image& layer = *command->layer;
    PF_InData& in = command->in;
    HostAccess::FillInteract(in.inter);
    in.utils = &utils_;
    in.effect_ref = reinterpret_cast<PF_ProgPtr>(command.get());
    in.quality = settings.quality;
    in.version = settings.version;
    in.serial_num = 0;
    in.appl_id = settings.applId;
    in.num_params = static_cast<A_long>(values_.size()) + 1;
    in.what_cpu = 0;
    in.what_fpu = 0;
    in.current_time = frame != nullptr && frame->hasTime ? frame->time : settings.currentTime;
    in.time_step = settings.timeStep;
    in.total_time = settings.totalTime;
    in.local_time_step = settings.timeStep;
    in.time_scale = settings.timeScale;
    in.field = settings.field;
    in.shutter_angle = 0;
    // The layer image is at the current resolution; in_data carries the
    // layer's full-resolution size.
    auto fullSize = [](A_long size, const PF_RationalScale& scale) {
        if (scale.num <= 0)
            return size;
        return static_cast<A_long>((static_cast<long long>(size) * scale.den + scale.num - 1) /
                                   scale.num);
    };
    in.width = settings.layerWidth != 0 ? settings.layerWidth
                                        : fullSize(layer.width, settings.downsampleX);
    in.height = settings.layerHeight != 0 ? settings.layerHeight
                                          : fullSize(layer.height, settings.downsampleY);
    in.extent_hint = PF_LRect{0, 0, layer.width, layer.height};
    in.output_origin_x = 0;
    in.output_origin_y = 0;
    in.downsample_x = settings.downsampleX;
    in.downsample_y = settings.downsampleY;
    in.pixel_aspect_ratio = settings.pixelAspect;
    in.in_flags = 0;
    in.global_data = globalData_;
    in.pica_basicP = &basicSuite_;
    command->out.global_data = globalData_;
    live_.insert(command.get());
    return command;
}

PF_Err Host::CallEntry(Command& command, void* extra) {
    if (entry_ == nullptr) {
        std::fprintf(stderr, "simhost: test fault: Send() without SetEntry()\n");
        std::abort();
    }
    PF_ParamDef** const params = command.params.empty() ? nullptr : command.params.data();
    PF_LayerDef* const output =
        nullptr;  // none of the commands this host sends carries an output layer
    const int savedSerial = tls_commandSerial;
    tls_commandSerial = command.serial;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        whereNow_[std::this_thread::get_id()] = {command.cmd, "none yet"};
    }
    PF_Err result = 0;
    void* const contextBefore = settings.checkGLContext ? CurrentGLContextOfThread() : nullptr;
    try {
        result = entry_(command.cmd, &command.in, &command.out, params, output, extra);
    } catch (...) {
        Violation("exception escaped into the host from command " + std::to_string(command.cmd) +
                  ": " + TypeNameOfCurrentException());
        result = PF_Err_INTERNAL_STRUCT_DAMAGED;
    }
    tls_commandSerial = savedSerial;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        whereNow_.erase(std::this_thread::get_id());
    }
    if (settings.checkGLContext) {
        void* const contextAfter = CurrentGLContextOfThread();
        if (contextAfter != contextBefore) {
            Violation("command " + std::to_string(command.cmd) +
                      " changed the GL context current on the host's thread (before " +
                      Pointer(contextBefore) + ", after " + Pointer(contextAfter) + ")");
        }
    }
    return result;
}

PF_Err Host::Send(PF_Cmd cmd, void* extra) {
    return Dispatch(
        cmd, [extra](Command&) { return extra; }, [](Command&, PF_Err) {});
}

PF_Err Host::Dispatch(PF_Cmd cmd, const std::function<void*(Command&)>& prepare,
                      const std::function<void(Command&, PF_Err)>& collect,
                      const FrameRequest* frame) {
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (setdownSent_)
            Violation("command " + std::to_string(cmd) + " sent after GLOBAL_SETDOWN");
        if (cmd != PF_Cmd_GLOBAL_SETUP && !globalSetupSent_) {
            Violation("command " + std::to_string(cmd) + " sent before GLOBAL_SETUP");
        }
        const bool needsParams = cmd != PF_Cmd_GLOBAL_SETUP && cmd != PF_Cmd_ABOUT &&
                                 cmd != PF_Cmd_PARAMS_SETUP && cmd != PF_Cmd_GLOBAL_SETDOWN;
        if (needsParams && !paramsSetupSent_) {
            Violation("command " + std::to_string(cmd) + " sent before PARAMS_SETUP");
        }
        if (cmd == PF_Cmd_PARAMS_SETUP && paramsSetupSent_)
            Violation("PARAMS_SETUP sent twice");
    }
    std::unique_ptr<Command> command = NewCommand(cmd, frame);
    const bool smart = cmd == PF_Cmd_SMART_PRE_RENDER || cmd == PF_Cmd_SMART_RENDER;
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (!smart) {
            // params[0] is the input layer; the others hold the values at the
            // current time. Before PARAMS_SETUP there is only the layer.
            command->paramValues.push_back(HostAccess::InputLayerParam(*this));
            for (size_t i = 0; i < values_.size(); ++i) {
                command->paramValues.push_back(HostAccess::ValueAt(
                    *this, static_cast<PF_ParamIndex>(i + 1), settings.currentTime));
            }
            for (PF_ParamDef& def : command->paramValues)
                command->params.push_back(&def);
        }
        if (cmd == PF_Cmd_GLOBAL_SETUP)
            globalSetupSent_ = true;
        if (cmd == PF_Cmd_PARAMS_SETUP) {
            paramsSetupSent_ = true;
            added_.clear();
            values_.clear();
        }
        if (cmd == PF_Cmd_GLOBAL_SETDOWN)
            setdownSent_ = true;
    }
    void* const extra = prepare(*command);
    const PF_Err result = CallEntry(*command, extra);
    collect(*command, result);
    {
        std::lock_guard<std::recursive_mutex> lock(mu_);
        if (cmd == PF_Cmd_USER_CHANGED_PARAM) {
            for (size_t i = 1; i < command->paramValues.size() && i <= values_.size(); ++i) {
                if (command->paramValues[i].uu.change_flags & PF_ChangeFlag_CHANGED_VALUE) {
                    PF_ParamDef changed = command->paramValues[i];
                    changed.uu.id = values_[i - 1].uu.id;
                    values_[i - 1] = changed;
                }
            }
        }
        EndOfCommandChecks(*command);
        CommandRecord record;
        record.serial = command->serial;
        record.cmd = cmd;
        record.result = result;
        record.out = command->out;
        commands_.push_back(record);
        live_.erase(command.get());
    }
    return result;
}

void Host::EndOfCommandChecks(Command& command) {
    const std::string what = "command " + std::to_string(command.cmd);
    for (auto& entry : suites_) {
        SuiteRec& s = *entry.second;
        const auto it = s.heldByCommand.find(command.serial);
        if (it == s.heldByCommand.end())
            continue;
        if (it->second > 0) {
            Violation("suite \"" + s.name + "\" " + std::to_string(s.version) +
                      " still held when " + what + " returned (" + std::to_string(it->second) +
                      " more acquires than releases)");
        }
        s.heldByCommand.erase(it);
    }
    for (ParamCheckout& c : paramCheckouts_) {
        if (c.command == command.serial && !c.checkedIn) {
            Violation("parameter " + std::to_string(c.index) + " checked out during " + what +
                      " was not checked in when it returned");
            c.checkedIn = true;  // reported once
        }
    }
    for (auto& entry : worlds_) {
        WorldRec& w = *entry.second;
        if (w.command != command.serial || !w.effectOwned)
            continue;
        Violation(std::string("world made by ") + w.origin + " during " + what + " (" +
                  std::to_string(w.width) + "x" + std::to_string(w.height) +
                  ") was not disposed when it returned");
        // Reported once; the host keeps the memory until it ends, in case the
        // effect still uses it.
        w.effectOwned = false;
        w.command = 0;
    }
    // Handles made during the command must be disposed or handed to the host
    // as global data.
    const PF_Handle keep = command.out.global_data;
    for (auto& entry : handles_) {
        HandleRec& h = *entry.second;
        if (h.command != command.serial)
            continue;
        if (entry.first != static_cast<void*>(keep)) {
            Violation("handle of " + std::to_string(h.size) + " bytes made during " + what +
                      " was neither disposed nor handed to the host");
        }
        h.command = 0;
    }
    if (command.cmd == PF_Cmd_PARAMS_SETUP) {
        if (command.out.num_params != static_cast<A_long>(added_.size()) + 1) {
            Violation("PARAMS_SETUP declared num_params " + std::to_string(command.out.num_params) +
                      " but added " + std::to_string(added_.size()) +
                      " parameters plus the input layer");
        }
        int depth = 0;
        for (const PF_ParamDef& def : added_) {
            if (def.param_type == PF_Param_GROUP_START)
                ++depth;
            if (def.param_type == PF_Param_GROUP_END && --depth < 0)
                break;
        }
        if (depth != 0)
            Violation("PARAMS_SETUP left the parameter groups unbalanced");
    }
    if ((command.out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) &&
        std::memchr(command.out.return_msg, 0, sizeof(command.out.return_msg)) == nullptr) {
        Violation(what + " asks to show return_msg, which is not NUL-terminated");
    } else if (command.out.out_flags & PF_OutFlag_DISPLAY_ERROR_MESSAGE) {
        std::fprintf(stderr, "simhost: %s asks to show the message \"%.*s\"\n", what.c_str(),
                     static_cast<int>(sizeof(command.out.return_msg)), command.out.return_msg);
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETUP && settings.checkRegistration) {
        auto hex = [](A_u_long v) {
            char text[16];
            std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(v));
            return std::string(text);
        };
        const PF_OutData& o = command.out;
        if (o.my_version != settings.registeredVersion) {
            Violation("GLOBAL_SETUP reports version " + hex(o.my_version) +
                      " but the registration declares " + hex(settings.registeredVersion));
        }
        if (o.out_flags != settings.registeredOutFlags) {
            Violation("GLOBAL_SETUP reports out_flags " + hex(static_cast<A_u_long>(o.out_flags)) +
                      " but the registration declares " +
                      hex(static_cast<A_u_long>(settings.registeredOutFlags)));
        }
        if (o.out_flags2 != settings.registeredOutFlags2) {
            Violation("GLOBAL_SETUP reports out_flags2 " +
                      hex(static_cast<A_u_long>(o.out_flags2)) + " but the registration declares " +
                      hex(static_cast<A_u_long>(settings.registeredOutFlags2)));
        }
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETUP) {
        globalData_ = command.out.global_data;
    } else if (command.out.global_data != command.in.global_data) {
        if (command.out.global_data != nullptr && handles_.count(command.out.global_data) == 0) {
            Violation(what + " handed back a global data handle the host never made");
        }
        globalData_ = command.out.global_data;
    }
    if (command.cmd == PF_Cmd_GLOBAL_SETDOWN && globalData_ != nullptr) {
        // The host frees the global data after set-down (the effect may have
        // disposed it already).
        const auto it = handles_.find(globalData_);
        if (it != handles_.end()) {
            std::free(it->second->ptr);
            handles_.erase(it);
        }
        globalData_ = nullptr;
    }
}

PF_Err Host::Setup() {
    const PF_Err err = Send(PF_Cmd_GLOBAL_SETUP);
    if (err != 0)
        return err;
    return Send(PF_Cmd_PARAMS_SETUP);
}

PF_Err Host::UserChangedParam(PF_ParamIndex index) {
    PF_UserChangedParamExtra extra = {};
    extra.param_index = index;
    return Send(PF_Cmd_USER_CHANGED_PARAM, &extra);
}

}  // namespace simhost
