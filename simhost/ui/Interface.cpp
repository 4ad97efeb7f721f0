#include "simhost/ui/Interface.h"

#include <atomic>
#include <cstdio>
#include <cstring>

#include "simhost/Unsimulated.h"

namespace simhost {

namespace {

std::atomic<InterfaceSuites*> g_current{nullptr};

constexpr const char kPFInterface[] = "AEGP PF Interface Suite";

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

}  // namespace

// A reference the host handed out. The handle value is the address of
// `handleTarget`; records are kept after disposal so that a second disposal
// or a late use is recognised.
struct RefRec {
    void* handleTarget = nullptr;
    int id = 0;
    bool open = true;
    PF_ParamIndex index = 0;  // streams: the parameter
    void* effect = nullptr;   // streams: the effect handle they came from
};

struct InterfaceSuites::Impl {
    mutable std::mutex mu;
    bool noEffectReference = false;
    std::vector<std::string> events;
    std::map<void*, std::unique_ptr<RefRec>> effects;  // by handle value
    std::map<void*, std::unique_ptr<RefRec>> streams;  // by handle value
    int effectsGiven = 0;
    int streamsGiven = 0;
    std::map<PF_ParamIndex, AEGP_DynStreamFlags> dynFlags;
    std::vector<std::pair<PF_ParamIndex, bool>> hiddenChanges;
    std::vector<StreamValueSet> valueSets;
    std::vector<UndoGroup> undoGroups;
    std::vector<ParamUIUpdate> uiUpdates;

    void Event(std::string e) {
        std::lock_guard<std::mutex> lock(mu);
        events.push_back(std::move(e));
    }
};

namespace {

// The live pair, or null when no InterfaceSuites is alive (then the table
// should not be reachable: it is only registered while one lives).
InterfaceSuites* Live(const char* key) {
    InterfaceSuites* ui = g_current.load();
    if (ui == nullptr) {
        std::fprintf(stderr, "simhost: %s called with no interface suites alive\n", key);
    }
    return ui;
}

// Counts the call and applies injected faults; an injected error is also
// written to the event list so tests see the attempt.
bool EnterOk(InterfaceSuites* ui, const char* key, const std::string& what, A_Err* err) {
    *err = ui->host().Enter(key);
    if (*err) {
        ui->impl().Event(what + " -> error " + std::to_string(*err));
        return false;
    }
    return true;
}

RefRec* FindOpen(InterfaceSuites* ui, std::map<void*, std::unique_ptr<RefRec>>& recs, void* handle,
                 const char* kind, const char* key) {
    const auto it = recs.find(handle);
    if (it == recs.end()) {
        ui->host().Violation(std::string(key) + ": " + kind + " handle the host never gave out");
        return nullptr;
    }
    if (!it->second->open) {
        ui->host().Violation(std::string(key) + ": " + kind + " #" +
                             std::to_string(it->second->id) + " used after it was disposed");
        return nullptr;
    }
    return it->second.get();
}

// ---- AEGP PF Interface Suite 1 ----------------------------------------------------

A_Err GetNewEffectForEffect(AEGP_PluginID, PF_ProgPtr effectRef, AEGP_EffectRefH* effectPH) {
    static constexpr char key[] = "AEGP PF Interface Suite 1.AEGP_GetNewEffectForEffect";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    A_Err err = 0;
    if (!EnterOk(ui, key, "GetNewEffectForEffect", &err))
        return err;
    if (effectPH == nullptr) {
        ui->host().Violation(std::string(key) + ": null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (ui->host().CommandOf(effectRef, key) == nullptr) {
        *effectPH = nullptr;
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (s.noEffectReference) {
        *effectPH = nullptr;
        s.events.push_back("GetNewEffectForEffect -> none");
        return A_Err_NONE;
    }
    auto rec = std::make_unique<RefRec>();
    rec->id = ++s.effectsGiven;
    void* handle = &rec->handleTarget;
    s.effects[handle] = std::move(rec);
    *effectPH = static_cast<AEGP_EffectRefH>(handle);
    s.events.push_back("GetNewEffectForEffect -> effect#" + std::to_string(s.effectsGiven));
    return A_Err_NONE;
}

// ---- AEGP Effect Suite 2 and 3 -------------------------------------------------------

template <int Version>
A_Err DisposeEffect(AEGP_EffectRefH effectH) {
    static const std::string key =
        "AEGP Effect Suite " + std::to_string(Version) + ".AEGP_DisposeEffect";
    InterfaceSuites* ui = Live(key.c_str());
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const std::string what = "DisposeEffect (v" + std::to_string(Version) + ")";
    A_Err err = 0;
    if (!EnterOk(ui, key.c_str(), what, &err))
        return err;
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    RefRec* rec = FindOpen(ui, s.effects, effectH, "effect", key.c_str());
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    rec->open = false;
    s.events.push_back("DisposeEffect effect#" + std::to_string(rec->id) + " (v" +
                       std::to_string(Version) + ")");
    return A_Err_NONE;
}

// ---- AEGP Stream Suite 7 and 9 --------------------------------------------------------

template <int Version>
A_Err GetNewEffectStreamByIndex(AEGP_PluginID, AEGP_EffectRefH effectH, PF_ParamIndex index,
                                AEGP_StreamRefH* streamPH) {
    static const std::string key =
        "AEGP Stream Suite " + std::to_string(Version) + ".AEGP_GetNewEffectStreamByIndex";
    InterfaceSuites* ui = Live(key.c_str());
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const std::string what = "GetNewEffectStreamByIndex " + std::to_string(index) + " (v" +
                             std::to_string(Version) + ")";
    A_Err err = 0;
    if (!EnterOk(ui, key.c_str(), what, &err))
        return err;
    if (streamPH == nullptr) {
        ui->host().Violation(key + ": null out-pointer");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    *streamPH = nullptr;
    const std::size_t paramCount = ui->host().AddedParams().size();
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (FindOpen(ui, s.effects, effectH, "effect", key.c_str()) == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (index < 1 || static_cast<std::size_t>(index) > paramCount) {
        ui->host().Violation(key + ": parameter index " + std::to_string(index) +
                             " is not one of the effect's " + std::to_string(paramCount) +
                             " parameters");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    auto rec = std::make_unique<RefRec>();
    rec->id = ++s.streamsGiven;
    rec->index = index;
    rec->effect = effectH;
    void* handle = &rec->handleTarget;
    s.streams[handle] = std::move(rec);
    *streamPH = static_cast<AEGP_StreamRefH>(handle);
    s.events.push_back(what + " -> stream#" + std::to_string(s.streamsGiven));
    return A_Err_NONE;
}

template <int Version>
A_Err DisposeStream(AEGP_StreamRefH streamH) {
    static const std::string key =
        "AEGP Stream Suite " + std::to_string(Version) + ".AEGP_DisposeStream";
    InterfaceSuites* ui = Live(key.c_str());
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    A_Err err = 0;
    if (!EnterOk(ui, key.c_str(), "DisposeStream (v" + std::to_string(Version) + ")", &err)) {
        return err;
    }
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    RefRec* rec = FindOpen(ui, s.streams, streamH, "stream", key.c_str());
    if (rec == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    rec->open = false;
    s.events.push_back("DisposeStream " + std::to_string(rec->index) + " (v" +
                       std::to_string(Version) + ")");
    return A_Err_NONE;
}

// Writes a one-dimensional value into the host's current parameter value, in
// the parameter's own representation.
bool ApplyValue(Host& host, PF_ParamIndex index, A_FpLong value, const std::string& key) {
    const PF_ParamType type = host.AddedParams()[index - 1].param_type;
    PF_ParamDef& def = host.Param(index);
    switch (type) {
        case PF_Param_FLOAT_SLIDER:
            def.u.fs_d.value = value;
            return true;
        case PF_Param_ANGLE:
            def.u.ad.value = static_cast<PF_Fixed>(value * 65536.0);
            return true;
        case PF_Param_POPUP:
            def.u.pd.value = static_cast<A_long>(value);
            return true;
        case PF_Param_SLIDER:
            def.u.sd.value = static_cast<A_long>(value);
            return true;
        case PF_Param_CHECKBOX:
            def.u.bd.value = value != 0 ? 1 : 0;
            return true;
        default:
            host.Violation(key + ": parameter " + std::to_string(index) + " (type " +
                           std::to_string(type) + ") has no value to set");
            return false;
    }
}

template <int Version, typename ValueT>
A_Err SetStreamValue(AEGP_PluginID, AEGP_StreamRefH streamH, ValueT* valueP) {
    static const std::string key =
        "AEGP Stream Suite " + std::to_string(Version) + ".AEGP_SetStreamValue";
    InterfaceSuites* ui = Live(key.c_str());
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    InterfaceSuites::Impl& s = ui->impl();
    PF_ParamIndex index = 0;
    {
        std::lock_guard<std::mutex> lock(s.mu);
        const auto it = s.streams.find(streamH);
        index = it != s.streams.end() ? it->second->index : 0;
    }
    const A_FpLong value = valueP != nullptr ? valueP->val.one_d : 0.0;
    const std::string what = "SetStreamValue " + std::to_string(index) + " = " + Num(value) +
                             " (v" + std::to_string(Version) + ")";
    A_Err err = 0;
    if (!EnterOk(ui, key.c_str(), what, &err))
        return err;
    if (valueP == nullptr) {
        ui->host().Violation(key + ": null value");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    {
        std::lock_guard<std::mutex> lock(s.mu);
        if (FindOpen(ui, s.streams, streamH, "stream", key.c_str()) == nullptr) {
            return PF_Err_BAD_CALLBACK_PARAM;
        }
    }
    if (!ApplyValue(ui->host(), index, value, key))
        return PF_Err_BAD_CALLBACK_PARAM;
    std::lock_guard<std::mutex> lock(s.mu);
    s.valueSets.push_back({index, value, Version});
    s.events.push_back(what);
    return A_Err_NONE;
}

// ---- AEGP Dynamic Stream Suite 2 ----------------------------------------------------------

A_Err SetDynamicStreamFlag(AEGP_StreamRefH streamH, AEGP_DynStreamFlags flag, A_Boolean undoable,
                           A_Boolean set) {
    static constexpr char key[] = "AEGP Dynamic Stream Suite 2.AEGP_SetDynamicStreamFlag";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    InterfaceSuites::Impl& s = ui->impl();
    PF_ParamIndex index = 0;
    {
        std::lock_guard<std::mutex> lock(s.mu);
        const auto it = s.streams.find(streamH);
        index = it != s.streams.end() ? it->second->index : 0;
    }
    const std::string what = "SetDynamicStreamFlag " + std::to_string(index) + " flag " +
                             std::to_string(flag) + " = " + std::to_string(set ? 1 : 0) +
                             (undoable ? " undoable" : "");
    A_Err err = 0;
    if (!EnterOk(ui, key, what, &err))
        return err;
    std::lock_guard<std::mutex> lock(s.mu);
    if (FindOpen(ui, s.streams, streamH, "stream", key) == nullptr) {
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    AEGP_DynStreamFlags& flags = s.dynFlags[index];
    flags = set ? (flags | flag) : (flags & ~flag);
    if (flag == AEGP_DynStreamFlag_HIDDEN) {
        s.hiddenChanges.emplace_back(index, set != 0);
    }
    s.events.push_back(what);
    return A_Err_NONE;
}

A_Err GetDynamicStreamFlags(AEGP_StreamRefH streamH, AEGP_DynStreamFlags* flagsP) {
    static constexpr char key[] = "AEGP Dynamic Stream Suite 2.AEGP_GetDynamicStreamFlags";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    A_Err err = 0;
    if (!EnterOk(ui, key, "GetDynamicStreamFlags", &err))
        return err;
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    RefRec* rec = FindOpen(ui, s.streams, streamH, "stream", key);
    if (rec == nullptr || flagsP == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    *flagsP = s.dynFlags[rec->index];
    return A_Err_NONE;
}

// ---- AEGP Utility Suite 7 -----------------------------------------------------------------

A_Err StartUndoGroup(const A_char* name) {
    static constexpr char key[] = "AEGP Utility Suite 7.AEGP_StartUndoGroup";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const std::string text = name != nullptr ? name : "";
    A_Err err = 0;
    if (!EnterOk(ui, key, "StartUndoGroup \"" + text + "\"", &err))
        return err;
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (!s.undoGroups.empty() && !s.undoGroups.back().ended) {
        ui->host().Violation(std::string(key) + ": undo group \"" + text +
                             "\" started inside the open group \"" + s.undoGroups.back().name +
                             "\"");
    }
    s.undoGroups.push_back({text, false});
    s.events.push_back("StartUndoGroup \"" + text + "\"");
    return A_Err_NONE;
}

A_Err EndUndoGroup() {
    static constexpr char key[] = "AEGP Utility Suite 7.AEGP_EndUndoGroup";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    A_Err err = 0;
    if (!EnterOk(ui, key, "EndUndoGroup", &err))
        return err;
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    if (s.undoGroups.empty() || s.undoGroups.back().ended) {
        ui->host().Violation(std::string(key) + ": no undo group is open");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    s.undoGroups.back().ended = true;
    s.events.push_back("EndUndoGroup");
    return A_Err_NONE;
}

// ---- PF Param Utils Suite 3 ---------------------------------------------------------------

PF_Err UpdateParamUI(PF_ProgPtr effectRef, PF_ParamIndex index, const PF_ParamDef* defP) {
    static constexpr char key[] = "PF Param Utils Suite 3.PF_UpdateParamUI";
    InterfaceSuites* ui = Live(key);
    if (ui == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    std::string name;
    if (defP != nullptr) {
        name.assign(defP->name, strnlen(defP->name, sizeof defP->name));
    }
    const std::string what = "UpdateParamUI " + std::to_string(index) + " \"" + name + "\"";
    A_Err err = 0;
    if (!EnterOk(ui, key, what, &err))
        return err;
    if (ui->host().CommandOf(effectRef, key) == nullptr)
        return PF_Err_BAD_CALLBACK_PARAM;
    const std::size_t paramCount = ui->host().AddedParams().size();
    if (defP == nullptr || index < 1 || static_cast<std::size_t>(index) > paramCount) {
        ui->host().Violation(std::string(key) + ": no definition or index " +
                             std::to_string(index) + " outside the parameters");
        return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (strnlen(defP->name, sizeof defP->name) == sizeof defP->name) {
        ui->host().Violation(std::string(key) + ": name of parameter " + std::to_string(index) +
                             " is not terminated");
    }
    InterfaceSuites::Impl& s = ui->impl();
    std::lock_guard<std::mutex> lock(s.mu);
    s.uiUpdates.push_back({index, *defP, name});
    s.events.push_back(what + " type " + std::to_string(defP->param_type));
    return PF_Err_NONE;
}

// ---- tables -----------------------------------------------------------------------------

#define HLV3_FILL_EFFECT_UNSIMULATED(t, KEY)                          \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetLayerNumEffects);             \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetLayerEffectByIndex);          \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetInstalledKeyFromLayerEffect); \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectParamUnionByIndex);     \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectFlags);                 \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_SetEffectFlags);                 \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_ReorderEffect);                  \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_EffectCallGeneric);              \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_ApplyEffect);                    \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_DeleteLayerEffect);              \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetNumInstalledEffects);         \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetNextInstalledEffect);         \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectName);                  \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectMatchName);             \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectCategory);              \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_DuplicateEffect)

const AEGP_EffectSuite2* EffectTable2() {
    static const AEGP_EffectSuite2 table = [] {
        AEGP_EffectSuite2 t{};
        HLV3_FILL_EFFECT_UNSIMULATED(t, "AEGP Effect Suite 2");
        t.AEGP_DisposeEffect = &DisposeEffect<2>;
        return t;
    }();
    return &table;
}

const AEGP_EffectSuite3* EffectTable3() {
    static const AEGP_EffectSuite3 table = [] {
        AEGP_EffectSuite3 t{};
        HLV3_FILL_EFFECT_UNSIMULATED(t, "AEGP Effect Suite 3");
        t.AEGP_DisposeEffect = &DisposeEffect<3>;
        return t;
    }();
    return &table;
}

#define HLV3_FILL_STREAM_UNSIMULATED(t, KEY)                    \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_IsStreamLegal);            \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_CanVaryOverTime);          \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetValidInterpolations);   \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetNewLayerStream);        \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetEffectNumParamStreams); \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetNewMaskStream);         \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetStreamName);            \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetStreamUnitsText);       \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetStreamProperties);      \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_IsStreamTimevarying);      \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetStreamType);            \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetNewStreamValue);        \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_DisposeStreamValue);       \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetLayerStreamValue);      \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetExpressionState);       \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_SetExpressionState);       \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_GetExpression);            \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_SetExpression);            \
    SIMHOST_UNSIMULATED(t, KEY, AEGP_DuplicateStreamRef)

const AEGP_StreamSuite2* StreamTable7() {
    static const AEGP_StreamSuite2 table = [] {
        AEGP_StreamSuite2 t{};
        HLV3_FILL_STREAM_UNSIMULATED(t, "AEGP Stream Suite 7");
        t.AEGP_GetNewEffectStreamByIndex = &GetNewEffectStreamByIndex<7>;
        t.AEGP_DisposeStream = &DisposeStream<7>;
        t.AEGP_SetStreamValue = &SetStreamValue<7, AEGP_StreamValue>;
        return t;
    }();
    return &table;
}

const AEGP_StreamSuite4* StreamTable9() {
    static const AEGP_StreamSuite4 table = [] {
        AEGP_StreamSuite4 t{};
        HLV3_FILL_STREAM_UNSIMULATED(t, "AEGP Stream Suite 9");
        t.AEGP_GetNewEffectStreamByIndex = &GetNewEffectStreamByIndex<9>;
        t.AEGP_DisposeStream = &DisposeStream<9>;
        t.AEGP_SetStreamValue = &SetStreamValue<9, AEGP_StreamValue2>;
        return t;
    }();
    return &table;
}

const AEGP_DynamicStreamSuite2* DynamicStreamTable() {
    static const AEGP_DynamicStreamSuite2 table = [] {
        AEGP_DynamicStreamSuite2 t{};
#define HLV3_DYN_UNSIM(m) SIMHOST_UNSIMULATED(t, "AEGP Dynamic Stream Suite 2", m)
        HLV3_DYN_UNSIM(AEGP_GetNewStreamRefForLayer);
        HLV3_DYN_UNSIM(AEGP_GetStreamDepth);
        HLV3_DYN_UNSIM(AEGP_GetStreamGroupingType);
        HLV3_DYN_UNSIM(AEGP_GetNumStreamsInGroup);
        HLV3_DYN_UNSIM(AEGP_GetNewStreamRefByIndex);
        HLV3_DYN_UNSIM(AEGP_GetNewStreamRefByMatchname);
        HLV3_DYN_UNSIM(AEGP_DeleteStream);
        HLV3_DYN_UNSIM(AEGP_ReorderStream);
        HLV3_DYN_UNSIM(AEGP_DuplicateStream);
        HLV3_DYN_UNSIM(AEGP_SetStreamName);
        HLV3_DYN_UNSIM(AEGP_CanAddStream);
        HLV3_DYN_UNSIM(AEGP_AddStream);
        HLV3_DYN_UNSIM(AEGP_GetMatchName);
        HLV3_DYN_UNSIM(AEGP_GetNewParentStreamRef);
        HLV3_DYN_UNSIM(AEGP_GetStreamIsModified);
#undef HLV3_DYN_UNSIM
        t.AEGP_GetDynamicStreamFlags = &GetDynamicStreamFlags;
        t.AEGP_SetDynamicStreamFlag = &SetDynamicStreamFlag;
        return t;
    }();
    return &table;
}

const AEGP_UtilitySuite3* UtilityTable() {
    static const AEGP_UtilitySuite3 table = [] {
        AEGP_UtilitySuite3 t{};
#define HLV3_UTIL_UNSIM(m) SIMHOST_UNSIMULATED(t, "AEGP Utility Suite 7", m)
        HLV3_UTIL_UNSIM(AEGP_ReportInfo);
        HLV3_UTIL_UNSIM(AEGP_GetDriverPluginInitFuncVersion);
        HLV3_UTIL_UNSIM(AEGP_GetDriverImplementationVersion);
        HLV3_UTIL_UNSIM(AEGP_StartQuietErrors);
        HLV3_UTIL_UNSIM(AEGP_EndQuietErrors);
        HLV3_UTIL_UNSIM(AEGP_RegisterWithAEGP);
        HLV3_UTIL_UNSIM(AEGP_GetMainHWND);
        HLV3_UTIL_UNSIM(AEGP_ShowHideAllFloaters);
        HLV3_UTIL_UNSIM(AEGP_PaintPalGetForeColor);
        HLV3_UTIL_UNSIM(AEGP_PaintPalGetBackColor);
        HLV3_UTIL_UNSIM(AEGP_PaintPalSetForeColor);
        HLV3_UTIL_UNSIM(AEGP_PaintPalSetBackColor);
        HLV3_UTIL_UNSIM(AEGP_CharPalGetFillColor);
        HLV3_UTIL_UNSIM(AEGP_CharPalGetStrokeColor);
        HLV3_UTIL_UNSIM(AEGP_CharPalSetFillColor);
        HLV3_UTIL_UNSIM(AEGP_CharPalSetStrokeColor);
        HLV3_UTIL_UNSIM(AEGP_CharPalIsFillColorUIFrontmost);
        HLV3_UTIL_UNSIM(AEGP_ConvertFpLongToHSFRatio);
        HLV3_UTIL_UNSIM(AEGP_ConvertHSFRatioToFpLong);
        HLV3_UTIL_UNSIM(AEGP_CauseIdleRoutinesToBeCalled);
        HLV3_UTIL_UNSIM(AEGP_GetSuppressInteractiveUI);
        HLV3_UTIL_UNSIM(AEGP_WriteToOSConsole);
        HLV3_UTIL_UNSIM(AEGP_WriteToDebugLog);
#undef HLV3_UTIL_UNSIM
        t.AEGP_StartUndoGroup = &StartUndoGroup;
        t.AEGP_EndUndoGroup = &EndUndoGroup;
        return t;
    }();
    return &table;
}

const PF_ParamUtilsSuite3* ParamUtilsTable() {
    static const PF_ParamUtilsSuite3 table = [] {
        PF_ParamUtilsSuite3 t{};
#define HLV3_PU_UNSIM(m) SIMHOST_UNSIMULATED(t, "PF Param Utils Suite 3", m)
        HLV3_PU_UNSIM(PF_GetCurrentState);
        HLV3_PU_UNSIM(PF_AreStatesIdentical);
        HLV3_PU_UNSIM(PF_IsIdenticalCheckout);
        HLV3_PU_UNSIM(PF_FindKeyframeTime);
        HLV3_PU_UNSIM(PF_GetKeyframeCount);
        HLV3_PU_UNSIM(PF_CheckoutKeyframe);
        HLV3_PU_UNSIM(PF_CheckinKeyframe);
        HLV3_PU_UNSIM(PF_KeyIndexToTime);
#undef HLV3_PU_UNSIM
        t.PF_UpdateParamUI = &UpdateParamUI;
        return t;
    }();
    return &table;
}

// The host's own PF Interface table with AEGP_GetNewEffectForEffect answered
// here. Rebuilt on every install (the host's table may differ between hosts),
// kept in static storage so the host never sees a dangling table.
const AEGP_PFInterfaceSuite1* PFInterfaceTable(const void* hostTable) {
    static AEGP_PFInterfaceSuite1 table;
    AEGP_PFInterfaceSuite1 t{};
    if (hostTable != nullptr) {
        t = *static_cast<const AEGP_PFInterfaceSuite1*>(hostTable);
    } else {
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetEffectLayer);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_ConvertEffectToCompTime);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetEffectCamera);
        SIMHOST_UNSIMULATED(t, "AEGP PF Interface Suite 1", AEGP_GetEffectCameraMatrix);
    }
    t.AEGP_GetNewEffectForEffect = &GetNewEffectForEffect;
    table = t;
    return &table;
}

}  // namespace

InterfaceSuites::InterfaceSuites(Host& host) : host_(host), impl_(std::make_unique<Impl>()) {
    InterfaceSuites* expected = nullptr;
    if (!g_current.compare_exchange_strong(expected, this)) {
        std::fprintf(stderr, "simhost: a second InterfaceSuites while one is alive\n");
        std::abort();
    }
    hostPFInterface_ = host_.SuiteTable(kPFInterface, 1);
    host_.RegisterSuite(kPFInterface, 1, PFInterfaceTable(hostPFInterface_));
    host_.RegisterSuite("AEGP Effect Suite", 2, EffectTable2());
    host_.RegisterSuite("AEGP Effect Suite", 3, EffectTable3());
    host_.RegisterSuite("AEGP Stream Suite", 7, StreamTable7());
    host_.RegisterSuite("AEGP Stream Suite", 9, StreamTable9());
    host_.RegisterSuite("AEGP Dynamic Stream Suite", 2, DynamicStreamTable());
    host_.RegisterSuite("AEGP Utility Suite", 7, UtilityTable());
    host_.RegisterSuite("PF Param Utils Suite", 3, ParamUtilsTable());
}

InterfaceSuites::~InterfaceSuites() {
    {
        std::lock_guard<std::mutex> lock(impl_->mu);
        for (const auto& e : impl_->effects) {
            if (e.second->open) {
                host_.Violation("effect reference #" + std::to_string(e.second->id) +
                                " was never disposed");
            }
        }
        for (const auto& e : impl_->streams) {
            if (e.second->open) {
                host_.Violation("stream #" + std::to_string(e.second->id) + " of parameter " +
                                std::to_string(e.second->index) + " was never disposed");
            }
        }
    }
    // Hand the host back its own PF Interface table; the other tables are
    // static and stay valid, answering "no interface suites alive".
    host_.RegisterSuite(kPFInterface, 1, hostPFInterface_);
    g_current.store(nullptr);
}

InterfaceSuites* InterfaceSuites::Current() {
    return g_current.load();
}

void InterfaceSuites::GiveNoEffectReference(bool on) {
    std::lock_guard<std::mutex> lock(impl_->mu);
    impl_->noEffectReference = on;
}

std::vector<std::string> InterfaceSuites::Events() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->events;
}

void InterfaceSuites::ClearEvents() {
    std::lock_guard<std::mutex> lock(impl_->mu);
    impl_->events.clear();
}

int InterfaceSuites::OpenEffectRefs() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    int n = 0;
    for (const auto& e : impl_->effects)
        n += e.second->open ? 1 : 0;
    return n;
}

int InterfaceSuites::OpenStreams() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    int n = 0;
    for (const auto& e : impl_->streams)
        n += e.second->open ? 1 : 0;
    return n;
}

int InterfaceSuites::TakeOpenReferences() {
    std::lock_guard<std::mutex> lock(impl_->mu);
    int n = 0;
    for (auto* recs : {&impl_->effects, &impl_->streams}) {
        for (auto& e : *recs) {
            n += e.second->open ? 1 : 0;
            e.second->open = false;
        }
    }
    return n;
}

int InterfaceSuites::EffectRefsGiven() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->effectsGiven;
}

int InterfaceSuites::StreamsGiven() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->streamsGiven;
}

bool InterfaceSuites::Hidden(PF_ParamIndex index) const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    const auto it = impl_->dynFlags.find(index);
    return it != impl_->dynFlags.end() && (it->second & AEGP_DynStreamFlag_HIDDEN) != 0;
}

std::vector<std::pair<PF_ParamIndex, bool>> InterfaceSuites::HiddenChanges() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->hiddenChanges;
}

std::vector<StreamValueSet> InterfaceSuites::ValueSets() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->valueSets;
}

std::vector<UndoGroup> InterfaceSuites::UndoGroups() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->undoGroups;
}

bool InterfaceSuites::UndoGroupOpen() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return !impl_->undoGroups.empty() && !impl_->undoGroups.back().ended;
}

std::vector<ParamUIUpdate> InterfaceSuites::ParamUIUpdates() const {
    std::lock_guard<std::mutex> lock(impl_->mu);
    return impl_->uiUpdates;
}

}  // namespace simhost
