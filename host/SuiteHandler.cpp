#include "host/SuiteHandler.h"

#include <cstdio>
#include <cstring>

namespace {

struct SuiteKey {
    const char* name;
    int32 version;
};

// Indexed by AEGP_SuiteHandler::Slot, i.e. in release order. The names are
// the host's registry keys, spelling and case included.
constexpr SuiteKey kSlotKeys[AEGP_SuiteHandler::kSlotCount] = {
    {"AEGP Stream Suite", 9},       {"AEGP Stream Suite", 7},    {"AEGP Dynamic Stream Suite", 2},
    {"AEGP PF Interface Suite", 1}, {"PF Param Utils Suite", 3}, {"AEGP Effect Suite", 2},
    {"AEGP Effect Suite", 3},       {"AEGP Utility Suite", 7},   {"PF ANSI Suite", 1},
    {"PF Handle Suite", 2},         {"PF Iterate8 Suite", 1},    {"PF iterateFloat Suite", 1},
    {"PF Iterate16 Suite", 1},      {"AEGP Layer Suite", 13},    {"PF Effect Custom UI Suite", 1},
};

constexpr char kAcquireMessage[] = "Not able to acquire AEFX Suite.";
constexpr char kReleaseMessage[] = "Not able to release AEFX Suite.";
constexpr char kNullDrawbotMessage[] = "NULL suite pointer passed to AEFX_AcquireDrawbotSuites";

constexpr SuiteKey kDrawbotKeys[4] = {
    {"DRAWBOT Draw Suite", 1},
    {"DRAWBOT Supplier Suite", 1},
    {"DRAWBOT Surface Suite", 2},
    {"DRAWBOT Path Suite", 1},
};

const SPBasicSuite* BasicSuiteOf(const PF_InData* in_data) {
    return in_data != nullptr ? in_data->pica_basicP : nullptr;
}

// Shows a failure to the user: the error-message flag and the text in
// return_msg, written through the host's ANSI sprintf. The text is passed as
// an argument, never as the format, and cut to what return_msg holds.
void ReportFailure(const PF_InData* in_data, PF_OutData* out_data, const char* message,
                   const char* fallback) {
    if (out_data == nullptr) {
        return;
    }
    out_data->out_flags |= PF_OutFlag_DISPLAY_ERROR_MESSAGE;
    char text[PF_MAX_EFFECT_MSG_LEN + 1];
    std::snprintf(text, sizeof text, "%s", message != nullptr ? message : fallback);
    if (in_data != nullptr && in_data->utils != nullptr &&
        in_data->utils->ansi.sprintf != nullptr) {
        in_data->utils->ansi.sprintf(out_data->return_msg, "%s", text);
    } else {
        std::snprintf(out_data->return_msg, sizeof out_data->return_msg, "%s", text);
    }
}

}  // namespace

// --- AEGP_SuiteHandler --------------------------------------------------------

AEGP_SuiteHandler::AEGP_SuiteHandler(const SPBasicSuite* pica_basicP) : basic_(pica_basicP) {
    if (basic_ == nullptr) {
        MissingSuiteError();
    }
}

AEGP_SuiteHandler::~AEGP_SuiteHandler() {
    ReleaseAllSuites();
}

void AEGP_SuiteHandler::MissingSuiteError() const {
    throw PF_Err(PF_Err_BAD_CALLBACK_PARAM);
}

const void* AEGP_SuiteHandler::Acquire(Slot slot) const {
    if (slots_[slot] != nullptr) {
        return slots_[slot];
    }
    if (basic_->AcquireSuite == nullptr) {
        MissingSuiteError();
    }
    const void* suite = nullptr;
    const SPErr err = basic_->AcquireSuite(kSlotKeys[slot].name, kSlotKeys[slot].version, &suite);
    if (err != kSPNoError || suite == nullptr) {
        MissingSuiteError();
    }
    slots_[slot] = suite;
    return suite;
}

void AEGP_SuiteHandler::ReleaseSuite(const char* name, int32 version) {
    if (basic_->ReleaseSuite != nullptr) {
        basic_->ReleaseSuite(name, version);
    }
}

void AEGP_SuiteHandler::ReleaseAllSuites() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (slots_[slot] != nullptr) {
            slots_[slot] = nullptr;
            ReleaseSuite(kSlotKeys[slot].name, kSlotKeys[slot].version);
        }
    }
}

template <typename SuiteType>
static SuiteType* Typed(const void* suite) {
    return static_cast<SuiteType*>(const_cast<void*>(suite));
}

PF_HandleSuite1* AEGP_SuiteHandler::HandleSuite1() const {
    return Typed<PF_HandleSuite1>(Acquire(kHandle2));
}
PF_ANSICallbacksSuite1* AEGP_SuiteHandler::ANSICallbacksSuite1() const {
    return Typed<PF_ANSICallbacksSuite1>(Acquire(kANSI1));
}
PF_ParamUtilsSuite3* AEGP_SuiteHandler::ParamUtilsSuite3() const {
    return Typed<PF_ParamUtilsSuite3>(Acquire(kParamUtils3));
}
AEGP_PFInterfaceSuite1* AEGP_SuiteHandler::PFInterfaceSuite1() const {
    return Typed<AEGP_PFInterfaceSuite1>(Acquire(kPFInterface1));
}
AEGP_EffectSuite2* AEGP_SuiteHandler::EffectSuite2() const {
    return Typed<AEGP_EffectSuite2>(Acquire(kEffect2));
}
AEGP_EffectSuite3* AEGP_SuiteHandler::EffectSuite3() const {
    return Typed<AEGP_EffectSuite3>(Acquire(kEffect3));
}
AEGP_StreamSuite2* AEGP_SuiteHandler::StreamSuite2() const {
    return Typed<AEGP_StreamSuite2>(Acquire(kStream7));
}
AEGP_StreamSuite4* AEGP_SuiteHandler::StreamSuite4() const {
    return Typed<AEGP_StreamSuite4>(Acquire(kStream9));
}
AEGP_DynamicStreamSuite2* AEGP_SuiteHandler::DynamicStreamSuite2() const {
    return Typed<AEGP_DynamicStreamSuite2>(Acquire(kDynamicStream2));
}
AEGP_UtilitySuite3* AEGP_SuiteHandler::UtilitySuite3() const {
    return Typed<AEGP_UtilitySuite3>(Acquire(kUtility7));
}
AEGP_LayerSuite7* AEGP_SuiteHandler::LayerSuite7() const {
    return Typed<AEGP_LayerSuite7>(Acquire(kLayer13));
}
PF_EffectCustomUISuite1* AEGP_SuiteHandler::EffectCustomUISuite1() const {
    return Typed<PF_EffectCustomUISuite1>(Acquire(kEffectCustomUI1));
}
PF_Iterate8Suite1* AEGP_SuiteHandler::Iterate8Suite1() const {
    return Typed<PF_Iterate8Suite1>(Acquire(kIterate8_1));
}
PF_IterateFloatSuite1* AEGP_SuiteHandler::IterateFloatSuite1() const {
    return Typed<PF_IterateFloatSuite1>(Acquire(kIterateFloat1));
}
PF_Iterate16Suite1* AEGP_SuiteHandler::Iterate16Suite1() const {
    return Typed<PF_Iterate16Suite1>(Acquire(kIterate16_1));
}

// --- ScopedSuite ----------------------------------------------------------------

const void* AcquireScopedSuite(const PF_InData* in_data, const SPBasicSuite** basic,
                               const char* name, int32 version, PF_OutData* out_data,
                               const char* message) {
    *basic = BasicSuiteOf(in_data);
    const void* suite = nullptr;
    const bool refused = *basic == nullptr || (*basic)->AcquireSuite == nullptr ||
                         (*basic)->AcquireSuite(name, version, &suite) != kSPNoError;
    if (refused) {
        ReportFailure(in_data, out_data, message, kAcquireMessage);
        throw PF_Err(A_Err_MISSING_SUITE);
    }
    return suite;
}

void ReleaseScopedSuite(const SPBasicSuite* basic, const char* name, int32 version,
                        const void* suite) {
    if (suite != nullptr && basic != nullptr && basic->ReleaseSuite != nullptr) {
        basic->ReleaseSuite(name, version);
    }
}

// --- AEFX_* -------------------------------------------------------------------------

extern "C" {

PF_Err AEFX_AcquireSuite(PF_InData* in_data, PF_OutData* out_data, const char* name, int32 version,
                         const char* message, void** suite) {
    try {
        const SPBasicSuite* const basic = BasicSuiteOf(in_data);
        if (suite != nullptr) {
            *suite = nullptr;
            if (basic != nullptr && basic->AcquireSuite != nullptr) {
                const void* obtained = nullptr;
                basic->AcquireSuite(name, version, &obtained);
                *suite = const_cast<void*>(obtained);
            }
            if (*suite != nullptr) {
                return PF_Err_NONE;
            }
        }
        ReportFailure(in_data, out_data, message, kAcquireMessage);
        return PF_Err_BAD_CALLBACK_PARAM;
    } catch (const PF_Err err) {
        return err;
    } catch (...) {
        return PF_Err_OUT_OF_MEMORY;
    }
}

PF_Err AEFX_ReleaseSuite(PF_InData* in_data, PF_OutData* out_data, const char* name, int32 version,
                         const char* message) {
    try {
        const SPBasicSuite* const basic = BasicSuiteOf(in_data);
        if (basic != nullptr && basic->ReleaseSuite != nullptr) {
            basic->ReleaseSuite(name, version);
            return PF_Err_NONE;
        }
        ReportFailure(in_data, out_data, message, kReleaseMessage);
        return PF_Err_BAD_CALLBACK_PARAM;
    } catch (const PF_Err err) {
        return err;
    } catch (...) {
        return PF_Err_OUT_OF_MEMORY;
    }
}

PF_Err AEFX_AcquireDrawbotSuites(PF_InData* in_data, PF_OutData* out_data, DrawbotSuites* suites) {
    try {
        if (suites == nullptr) {
            ReportFailure(in_data, out_data, kNullDrawbotMessage, kNullDrawbotMessage);
            return PF_Err_UNRECOGNIZED_PARAM_TYPE;
        }
        void* obtained[4] = {};
        for (int i = 0; i < 4; ++i) {
            const PF_Err err = AEFX_AcquireSuite(in_data, out_data, kDrawbotKeys[i].name,
                                                 kDrawbotKeys[i].version, nullptr, &obtained[i]);
            switch (i) {
                case 0:
                    suites->drawbot_suiteP = static_cast<DRAWBOT_DrawbotSuite1*>(obtained[i]);
                    break;
                case 1:
                    suites->supplier_suiteP = static_cast<DRAWBOT_SupplierSuite1*>(obtained[i]);
                    break;
                case 2:
                    suites->surface_suiteP = static_cast<DRAWBOT_SurfaceSuite2*>(obtained[i]);
                    break;
                default:
                    suites->path_suiteP = static_cast<DRAWBOT_PathSuite1*>(obtained[i]);
                    break;
            }
            if (err != PF_Err_NONE) {
                return err;
            }
        }
        return PF_Err_NONE;
    } catch (...) {
        return PF_Err_OUT_OF_MEMORY;
    }
}

PF_Err AEFX_ReleaseDrawbotSuites(PF_InData* in_data, PF_OutData* out_data) {
    for (const SuiteKey& key : kDrawbotKeys) {
        AEFX_ReleaseSuite(in_data, out_data, key.name, key.version, nullptr);
    }
    return PF_Err_NONE;
}

}  // extern "C"
