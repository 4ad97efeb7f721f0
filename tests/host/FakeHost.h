#pragma once

// A small stand-in for the host's side of a command call, enough for the entry
// point, parameter set-up and suite access: a basic suite that records every
// acquire and release and can refuse a suite or hand out a null table, the ANSI
// sprintf/strcpy callbacks, and add_param/register_ui callbacks that keep
// copies of what they receive and can fail on request. The basic suite and the
// ANSI callbacks carry no context, so they reach the one live FakeHost through
// a static pointer: one FakeHost at a time, on the test's thread.

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/HostInterface.h"

class FakeHost {
  public:
    using SuiteKey = std::pair<std::string, int32>;

    struct SuiteCall {
        bool acquire;
        std::string name;
        int32 version;
        bool operator==(const SuiteCall& o) const {
            return acquire == o.acquire && name == o.name && version == o.version;
        }
    };

    struct AddedParam {
        PF_ParamDef def;
        std::string text;  // copy of the choice list or label, "" when none
        bool has_text;
    };

    FakeHost() {
        current = this;
        basic.AcquireSuite = &Acquire;
        basic.ReleaseSuite = &Release;
        utils.ansi.sprintf = &Sprintf;
        utils.ansi.strcpy = &Strcpy;
        in_data.utils = &utils;
        in_data.pica_basicP = &basic;
        in_data.effect_ref = reinterpret_cast<PF_ProgPtr>(this);
        in_data.inter.add_param = &AddParam;
        in_data.inter.register_ui = &RegisterUI;
    }
    ~FakeHost() { current = nullptr; }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // The table the host hands out for a key: distinct, stable, zeroed.
    const void* TableFor(const std::string& name, int32 version) {
        return tables[{name, version}].data();
    }

    std::vector<SuiteCall> Acquires() const { return Filter(true); }
    std::vector<SuiteCall> Releases() const { return Filter(false); }

    PF_InData in_data{};
    PF_OutData out_data{};
    PF_UtilCallbacks utils{};
    SPBasicSuite basic{};

    std::vector<SuiteCall> suite_calls;
    std::set<SuiteKey> refused;       // acquire answers kSPSuiteNotFoundError
    std::set<SuiteKey> null_success;  // acquire answers 0 with a null table
    bool refuse_all = false;          // every acquire answers kSPSuiteNotFoundError
    int sprintf_calls = 0;
    int strcpy_calls = 0;

    std::vector<AddedParam> params;
    int add_param_calls = 0;
    int fail_add_param_at = 0;  // 1-based call that fails, 0 for none
    PF_Err add_param_error = PF_Err_NONE;
    std::function<void()> on_add_param;  // runs inside every add_param call
    std::vector<int> add_param_indices;

    std::vector<PF_CustomUIInfo> ui_infos;
    int ui_registered_after = -1;  // number of parameters added before register_ui
    PF_Err register_ui_error = PF_Err_NONE;

    static inline FakeHost* current = nullptr;

  private:
    std::vector<SuiteCall> Filter(bool acquire) const {
        std::vector<SuiteCall> out;
        for (const SuiteCall& c : suite_calls) {
            if (c.acquire == acquire) {
                out.push_back(c);
            }
        }
        return out;
    }

    static SPErr Acquire(const char* name, int32 version, const void** suite) {
        FakeHost& h = *current;
        h.suite_calls.push_back({true, name, version});
        const SuiteKey key{name, version};
        if (h.refuse_all || h.refused.count(key)) {
            return kSPSuiteNotFoundError;
        }
        *suite = h.null_success.count(key) ? nullptr : h.TableFor(name, version);
        return kSPNoError;
    }

    static SPErr Release(const char* name, int32 version) {
        current->suite_calls.push_back({false, name, version});
        return kSPNoError;
    }

    static int Sprintf(A_char* buffer, const A_char* format, ...) {
        ++current->sprintf_calls;
        va_list args;
        va_start(args, format);
        const int n = std::vsprintf(buffer, format, args);
        va_end(args);
        return n;
    }

    static A_char* Strcpy(A_char* dst, const A_char* src) {
        ++current->strcpy_calls;
        return std::strcpy(dst, src);
    }

    static PF_Err AddParam(PF_ProgPtr ref, PF_ParamIndex index, PF_ParamDefPtr def) {
        FakeHost& h = *reinterpret_cast<FakeHost*>(ref);
        ++h.add_param_calls;
        h.add_param_indices.push_back(index);
        if (h.on_add_param) {
            h.on_add_param();
        }
        if (h.add_param_calls == h.fail_add_param_at) {
            return h.add_param_error;
        }
        AddedParam added{*def, "", false};
        const char* text = nullptr;
        switch (def->param_type) {
            case PF_Param_POPUP:
                text = def->u.pd.u.namesptr;
                break;
            case PF_Param_BUTTON:
                text = def->u.button_d.u.namesptr;
                break;
            case PF_Param_CHECKBOX:
                text = def->u.bd.u.nameptr;
                break;
            default:
                break;
        }
        if (text != nullptr) {
            added.text = text;
            added.has_text = true;
        }
        h.params.push_back(added);
        return PF_Err_NONE;
    }

    static PF_Err RegisterUI(PF_ProgPtr ref, PF_CustomUIInfo* info) {
        FakeHost& h = *reinterpret_cast<FakeHost*>(ref);
        h.ui_infos.push_back(*info);
        h.ui_registered_after = int(h.params.size());
        return h.register_ui_error;
    }

    std::map<SuiteKey, std::array<void*, 64>> tables;
};
