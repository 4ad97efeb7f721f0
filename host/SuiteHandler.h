#pragma once

#include <array>
#include <cstddef>

#include "host/HostInterface.h"

// Per-call access to the host's suites. Nothing here outlives a command call,
// nothing is shared between threads, and nothing is global.

// Acquires each suite on first request and releases every suite it holds when
// it goes out of scope, so a handler never holds a suite across calls. Lives
// on the stack of one command call on one thread. A refused suite (an acquire
// error, or success with no table) throws PF_Err_BAD_CALLBACK_PARAM (516) as a
// plain PF_Err; suites already held are still released by the destructor.
class AEGP_SuiteHandler {
  public:
    // Throws 516 when the host gave no basic suite. Borrows the pointer.
    explicit AEGP_SuiteHandler(const SPBasicSuite* pica_basicP);
    ~AEGP_SuiteHandler();
    AEGP_SuiteHandler(const AEGP_SuiteHandler&) = delete;
    AEGP_SuiteHandler& operator=(const AEGP_SuiteHandler&) = delete;

    // One accessor per (suite name, version) the system asks for, named after
    // the function table it returns. The table stays valid until the handler
    // is destroyed.
    PF_HandleSuite1* HandleSuite1() const;                  // "PF Handle Suite" 2
    PF_ANSICallbacksSuite1* ANSICallbacksSuite1() const;    // "PF ANSI Suite" 1
    PF_ParamUtilsSuite3* ParamUtilsSuite3() const;          // "PF Param Utils Suite" 3
    AEGP_PFInterfaceSuite1* PFInterfaceSuite1() const;      // "AEGP PF Interface Suite" 1
    AEGP_EffectSuite2* EffectSuite2() const;                // "AEGP Effect Suite" 2
    AEGP_EffectSuite3* EffectSuite3() const;                // "AEGP Effect Suite" 3
    AEGP_StreamSuite2* StreamSuite2() const;                // "AEGP Stream Suite" 7
    AEGP_StreamSuite4* StreamSuite4() const;                // "AEGP Stream Suite" 9
    AEGP_DynamicStreamSuite2* DynamicStreamSuite2() const;  // "AEGP Dynamic Stream Suite" 2
    AEGP_UtilitySuite3* UtilitySuite3() const;              // "AEGP Utility Suite" 7
    AEGP_LayerSuite7* LayerSuite7() const;                  // "AEGP Layer Suite" 13
    PF_EffectCustomUISuite1* EffectCustomUISuite1() const;  // "PF Effect Custom UI Suite" 1
    PF_Iterate8Suite1* Iterate8Suite1() const;              // "PF Iterate8 Suite" 1
    PF_IterateFloatSuite1* IterateFloatSuite1() const;      // "PF iterateFloat Suite" 1
    PF_Iterate16Suite1* Iterate16Suite1() const;            // "PF Iterate16 Suite" 1

    // Throws PF_Err_BAD_CALLBACK_PARAM (516) as a plain PF_Err.
    [[noreturn]] void MissingSuiteError() const;

    // Forwards one release to the host; for a suite acquired outside the slots.
    void ReleaseSuite(const char* name, int32 version);

    // Releases every held suite once, in the fixed slot order, and empties the
    // slots, so a later request acquires afresh and nothing is released twice.
    void ReleaseAllSuites();

    // Slots in release order.
    enum Slot : std::size_t {
        kStream9,
        kStream7,
        kDynamicStream2,
        kPFInterface1,
        kParamUtils3,
        kEffect2,
        kEffect3,
        kUtility7,
        kANSI1,
        kHandle2,
        kIterate8_1,
        kIterateFloat1,
        kIterate16_1,
        kLayer13,
        kEffectCustomUI1,
        kSlotCount
    };

  private:
    const void* Acquire(Slot slot) const;

    const SPBasicSuite* basic_;
    mutable std::array<const void*, kSlotCount> slots_{};
};

// One suite for the length of a block, with the failure also shown to the
// user. The constructor acquires (name, version) through in_data->pica_basicP;
// when the host returns an error (or has no basic suite) it sets
// PF_OutFlag_DISPLAY_ERROR_MESSAGE and writes the message (default "Not able
// to acquire AEFX Suite.") into out_data->return_msg, when out_data is given,
// then throws A_Err_MISSING_SUITE (13) as a plain PF_Err. A success that
// yields no table is accepted: get() is then null and nothing is released.
// The name must outlive the object (a literal). Not copyable.
template <typename SuiteType>
class ScopedSuite {
  public:
    ScopedSuite(const PF_InData* in_data, const char* name, int32 version,
                PF_OutData* out_data = nullptr, const char* message = nullptr);
    ~ScopedSuite();
    ScopedSuite(const ScopedSuite&) = delete;
    ScopedSuite& operator=(const ScopedSuite&) = delete;

    const SuiteType* get() const { return suite_; }
    const SuiteType* operator->() const { return suite_; }

  private:
    const SuiteType* suite_ = nullptr;
    const SPBasicSuite* basic_ = nullptr;
    const char* name_;
    int32 version_;
};

// Untyped core of ScopedSuite: returns the table (possibly null) or throws 13.
const void* AcquireScopedSuite(const PF_InData* in_data, const SPBasicSuite** basic,
                               const char* name, int32 version, PF_OutData* out_data,
                               const char* message);
void ReleaseScopedSuite(const SPBasicSuite* basic, const char* name, int32 version,
                        const void* suite);

template <typename SuiteType>
ScopedSuite<SuiteType>::ScopedSuite(const PF_InData* in_data, const char* name, int32 version,
                                    PF_OutData* out_data, const char* message)
    : name_(name), version_(version) {
    suite_ = static_cast<const SuiteType*>(
        AcquireScopedSuite(in_data, &basic_, name, version, out_data, message));
}

template <typename SuiteType>
ScopedSuite<SuiteType>::~ScopedSuite() {
    ReleaseScopedSuite(basic_, name_, version_, suite_);
}

// The four drawing suites in the order AEFX_AcquireDrawbotSuites fills them.
// Owned by the caller.
struct DrawbotSuites {
    DRAWBOT_DrawbotSuite1* drawbot_suiteP;
    DRAWBOT_SupplierSuite1* supplier_suiteP;
    DRAWBOT_SurfaceSuite2* surface_suiteP;
    DRAWBOT_PathSuite1* path_suiteP;
};

// Plain functions that report failure through the output record instead of
// throwing: on failure they set PF_OutFlag_DISPLAY_ERROR_MESSAGE and write the
// message (or the default) into return_msg when out_data is given. None of
// them throws.
extern "C" {

// Acquires into *suite; 0 when *suite is non-null afterwards, else 516 with
// "Not able to acquire AEFX Suite." by default.
PF_Err AEFX_AcquireSuite(PF_InData* in_data, PF_OutData* out_data, const char* name, int32 version,
                         const char* message, void** suite);

// Releases; 0, or 516 with "Not able to release AEFX Suite." by default when
// the host gave no basic suite.
PF_Err AEFX_ReleaseSuite(PF_InData* in_data, PF_OutData* out_data, const char* name, int32 version,
                         const char* message);

// Acquires Draw 1, Supplier 1, Surface 2, Path 1 in that order; stops at the
// first refusal with 516, keeping what was obtained before it. A null record
// gives 514 without touching the host's suites.
PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DrawbotSuites* suites);

// Releases the same four suites in the same order; always 0.
PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data);
}
