#pragma once

// The host's parameter-interface side, added to a simulated Host: effect
// references, parameter streams and their values, the dynamic "hidden" flag,
// undo groups and parameter-interface updates. It registers on the host:
//   "AEGP PF Interface Suite" 1   AEGP_GetNewEffectForEffect (the host's own
//                                 table is kept for every other slot)
//   "AEGP Effect Suite" 2 and 3   AEGP_DisposeEffect
//   "AEGP Stream Suite" 7 and 9   AEGP_GetNewEffectStreamByIndex,
//                                 AEGP_SetStreamValue, AEGP_DisposeStream
//   "AEGP Dynamic Stream Suite" 2 AEGP_SetDynamicStreamFlag,
//                                 AEGP_GetDynamicStreamFlags
//   "AEGP Utility Suite" 7        AEGP_StartUndoGroup, AEGP_EndUndoGroup
//   "PF Param Utils Suite" 3      PF_UpdateParamUI
// Every other slot records "... is not simulated" as a violation.
//
// Every function starts with Host::Enter under the key
// "<suite name> <version>.<member>", so the host's FailCall, ThrowOnCall,
// CallCount and CallLog work on them as on the host's own suites. In
// addition each call that does something is written to Events() in a readable
// form, in call order, for tests that check the exact sequence.
//
// Strictness (recorded as host violations): disposing a reference twice or
// one the host never gave, using a disposed effect reference or stream, a
// stream index outside 1..params-1, starting an undo group inside another or
// ending one that was never started, a PF_UpdateParamUI whose effect_ref is
// not the running command's. References still open when this object goes are
// leaks and are reported then; OpenEffectRefs()/OpenStreams() show them
// earlier.
//
// One at a time, like Host; construct it after the Host and let it go first.
// Thread-safe.

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/HostInterface.h"
#include "simhost/SimHost.h"

namespace simhost {

// One AEGP_SetStreamValue, as received.
struct StreamValueSet {
    PF_ParamIndex index = 0;
    A_FpLong value = 0;  // val.one_d
    int suiteVersion = 0;
};

// One AEGP_StartUndoGroup and whether its AEGP_EndUndoGroup came.
struct UndoGroup {
    std::string name;
    bool ended = false;
};

// One PF_UpdateParamUI: a copy of the record handed over.
struct ParamUIUpdate {
    PF_ParamIndex index = 0;
    PF_ParamDef def = {};
    std::string name;  // def.name, as text
};

class InterfaceSuites {
  public:
    explicit InterfaceSuites(Host& host);
    ~InterfaceSuites();
    InterfaceSuites(const InterfaceSuites&) = delete;
    InterfaceSuites& operator=(const InterfaceSuites&) = delete;

    // The live object, or null.
    static InterfaceSuites* Current();
    Host& host() { return host_; }

    // ---- what the test sets ---------------------------------------------------
    // AEGP_GetNewEffectForEffect answers success but gives no reference.
    void GiveNoEffectReference(bool on);

    // ---- what the effect did ----------------------------------------------------
    std::vector<std::string> Events() const;
    void ClearEvents();
    int OpenEffectRefs() const;
    int OpenStreams() const;
    // Forgets every open reference (counting it closed) and returns how many
    // there were: for tests in which the host itself refused a disposal.
    int TakeOpenReferences();
    int EffectRefsGiven() const;
    int StreamsGiven() const;
    // Whether the parameter's stream carries AEGP_DynStreamFlag_HIDDEN. Never
    // touched parameters are shown.
    bool Hidden(PF_ParamIndex index) const;
    // Every AEGP_SetDynamicStreamFlag with the hidden flag, in order.
    std::vector<std::pair<PF_ParamIndex, bool>> HiddenChanges() const;
    std::vector<StreamValueSet> ValueSets() const;
    std::vector<UndoGroup> UndoGroups() const;
    bool UndoGroupOpen() const;
    std::vector<ParamUIUpdate> ParamUIUpdates() const;

    // ---- internals for the suite functions -----------------------------------
    struct Impl;
    Impl& impl() { return *impl_; }

  private:
    Host& host_;
    std::unique_ptr<Impl> impl_;
    const void* hostPFInterface_ = nullptr;  // the table registered before us
};

}  // namespace simhost
