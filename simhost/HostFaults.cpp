// Fault injection and call counting: every simulated function enters through
// Host::Enter, which counts the call and applies the faults a test asked for.
// A fault that never applied to a call is reported, so a misspelt key or a
// call number the effect never reaches cannot let a failure-path test pass
// without exercising the failure.

#include "simhost/HostInternal.h"
#include "simhost/SimHost.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <stdexcept>

namespace simhost {

namespace {

// "call 2", "calls 3..4", "every call from 5".
std::string Calls(const Host::FaultRec& f) {
    if (f.count == 1)
        return "call " + std::to_string(f.first);
    if (f.count < 0)
        return "every call from " + std::to_string(f.first);
    return "calls " + std::to_string(f.first) + ".." + std::to_string(f.first + f.count - 1);
}

}  // namespace

void Host::AddFault(FaultRec fault) {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    faults_.push_back(std::make_unique<FaultRec>(std::move(fault)));
}

void Host::FailCall(const std::string& key, int first, PF_Err err, int count) {
    FaultRec f;
    f.key = key;
    f.first = first;
    f.count = count;
    f.value = err;
    AddFault(std::move(f));
}

void Host::ThrowOnCall(const std::string& key, int nth, ThrowKind kind, A_long value) {
    FaultRec f;
    f.key = key;
    f.first = nth;
    f.throws = true;
    f.kind = kind;
    f.value = value;
    AddFault(std::move(f));
}

void Host::ThrowOnCall(const std::string& key, int nth, std::exception_ptr thrown) {
    if (!thrown) {
        std::fprintf(stderr, "simhost: ThrowOnCall(\"%s\") given no exception to throw\n",
                     key.c_str());
        std::abort();
    }
    FaultRec f;
    f.key = key;
    f.first = nth;
    f.throws = true;
    f.thrown = std::move(thrown);
    AddFault(std::move(f));
}

void Host::ClearFaults() {
    std::lock_guard<std::recursive_mutex> lock(mu_);
    if (!finished_)  // Finish() has reported them already
        ReportUnfiredFaults();
    faults_.clear();
}

void Host::ReportUnfiredFaults() {
    for (const auto& f : faults_) {
        const bool spent = f->count < 0 ? f->fired > 0 : f->fired >= f->count;
        if (spent)
            continue;
        const auto it = callCounts_.find(f->key);
        const int calls = it == callCounts_.end() ? 0 : it->second;
        Violation(std::string(f->throws ? "exception" : "failure") + " injected into " + Calls(*f) +
                  " of \"" + f->key + "\" never " + (f->fired > 0 ? "fired in full" : "fired") +
                  " (calls made: " + std::to_string(calls) + ")");
    }
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
    std::exception_ptr thrown;
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
            ++f->fired;
            if (!f->throws)
                return f->value;
            doThrow = true;
            kind = f->kind;
            value = f->value;
            thrown = f->thrown;
            break;
        }
    }
    if (doThrow) {
        if (thrown)
            std::rethrow_exception(thrown);
        if (kind == ThrowKind::kInt)
            throw static_cast<int>(value);
        throw std::runtime_error(std::string("simhost: injected exception in ") + key);
    }
    return 0;
}

}  // namespace simhost
