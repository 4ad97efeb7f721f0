// Suites: the basic suite the effect reaches every other suite through, and
// the host's register of (name, version) pairs with their acquire and release
// counts, overall and per command.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"

#include <cstdio>
#include <exception>
#include <cstdlib>
#include <cstring>

namespace simhost {

Host& LiveHost(const char* key) {
    Host* const host = Host::Current();
    if (host == nullptr) {
        std::fprintf(stderr, "simhost: %s called while no simulated host is alive\n", key);
        std::abort();
    }
    return *host;
}

Host::Command* BeginCall(PF_ProgPtr effect_ref, const char* key, PF_Err* err) {
    Host::Command* const command = LiveHost(key).CommandOf(effect_ref, key);
    if (command == nullptr) {
        *err = PF_Err_BAD_CALLBACK_PARAM;
        return nullptr;
    }
    *err = command->host->Enter(key);
    return *err == PF_Err_NONE ? command : nullptr;
}

std::string ExceptionText(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return std::string("std::exception (") + x.what() + ")";
    } catch (int v) {
        return "int " + std::to_string(v);
    } catch (...) {
        return "an exception of unknown type";
    }
}

namespace {

// SP error values the basic suite answers with.
constexpr A_long kSPSuiteNotFound = 0x53214664;  // 'S!Fd'
constexpr A_long kSPBadParameter = 0x5061726D;   // 'Parm'

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
}  // namespace

void HostAccess::FillBasicSuite(SPBasicSuite& basic) {
    basic.AcquireSuite = &SPAcquireSuite;
    basic.ReleaseSuite = &SPReleaseSuite;
    basic.IsEqual = &SPIsEqual;
    basic.AllocateBlock = &SPAllocateBlock;
    basic.FreeBlock = &SPFreeBlock;
    basic.ReallocateBlock = &SPReallocateBlock;
    basic.Undefined = &SPUndefined;
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

std::vector<SuiteCall> Host::SuiteCalls() const {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    return suiteCalls_;
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
    if (suiteCalls_.size() < settings.callLogLimit)
        suiteCalls_.push_back(SuiteCall{true, name, version});
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
    ++rec.heldByCommand[CurrentCommandSerial()];
    *suite = rec.mode == SuiteRec::Mode::kNull ? nullptr : rec.table;
    return 0;
}

A_long Host::SuiteRelease(const char* name, A_long version) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (suiteCalls_.size() < settings.callLogLimit)
        suiteCalls_.push_back(SuiteCall{false, name, version});
    const auto it = suites_.find({name, version});
    if (it == suites_.end() || it->second->released >= it->second->acquired) {
        Violation(std::string("suite \"") + name + "\" " + std::to_string(version) + " released " +
                  (it == suites_.end() || it->second->acquired == 0 ? "without having been acquired"
                                                                    : "more often than acquired"));
        return kSPSuiteNotFound;
    }
    SuiteRec& rec = *it->second;
    ++rec.released;
    --rec.heldByCommand[CurrentCommandSerial()];
    return 0;
}

}  // namespace simhost
