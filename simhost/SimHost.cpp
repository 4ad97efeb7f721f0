// The host's life and its violations: one live host at a time, the messages
// it records, and the checks when it ends.

#include "simhost/SimHost.h"

#include <cstdio>
#include <cstdlib>

#include "simhost/HostInternal.h"
#include "simhost/Unsimulated.h"

namespace simhost {

namespace {

std::atomic<Host*> g_current{nullptr};
std::atomic<UninspectedHandler> g_uninspected{nullptr};

}  // namespace

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
    HostAccess::FillBasicSuite(basicSuite_);
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
    ReportUnfiredFaults();
}

}  // namespace simhost
