#include <cstring>
#include <string>

#include "context/Context.h"
#include "context/LocalGLStruct.h"
#include "gl/GLApi.h"
#include "gl/Programs.h"
#include "host/Handlers.h"
#include "host/Registration.h"
#include "host/SuiteHandler.h"

namespace {

// appl_id of the host under which the effect declares itself obsolete.
constexpr A_long kObsoleteHostId = static_cast<A_long>(FourCharCode("PrMr"));

constexpr char kAboutBody[] =
    "\nSeparates color channels and transforms them independently.\n\n"
    "2026 Korvana\n"
    "https://korvana.example/\n";

// Copies a GL identification string into a 100-byte field: empty when the
// GL gives none (no current context), cut to 99 characters otherwise.
void CopyGLString(GLenum name, char (&field)[100]) {
    const GLubyte* text = glGetString(name);
    std::memset(field, 0, sizeof(field));
    if (text) {
        std::strncpy(field, reinterpret_cast<const char*>(text), sizeof(field) - 1);
    }
}

}  // namespace

PF_Err GlobalSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
                   PF_LayerDef* /*output*/) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);

    out_data->my_version = kEffectVersion;
    out_data->out_flags =
        in_data->appl_id == kObsoleteHostId ? PF_OutFlag_I_AM_OBSOLETE : kGlobalOutFlags;
    out_data->out_flags2 = kGlobalOutFlags2;

    PF_Handle handle = suites.HandleSuite1()->host_new_handle(sizeof(GlobalData));
    out_data->global_data = handle;
    GlobalData* global =
        handle ? static_cast<GlobalData*>(suites.HandleSuite1()->host_lock_handle(handle))
               : nullptr;
    if (!global) {
        // Nothing could clear the block, so nothing may read it later: give
        // the handle back and run without GPU information.
        if (handle) {
            suites.HandleSuite1()->host_dispose_handle(handle);
        }
        out_data->global_data = nullptr;
        return PF_Err_NONE;
    }
    std::memset(global, 0, sizeof(GlobalData));

    // The host's own GL state is left as it was found.
    const ScopedCurrentContext restoreCallersContext;
    const GLContextHandle context = CreateContext(nullptr);
    if (IsContextValid(context)) {
        global->context = context;
        SetCurrentContext(context);
        CreateGLPrograms(&global->programs);
    } else {
        DeleteContext(context);  // none is ignored; a half-made one is released
    }
    CopyGLString(GL_VERSION, global->glVersion);
    CopyGLString(GL_VENDOR, global->glVendor);
    CopyGLString(GL_RENDERER, global->glRenderer);
    CopyGLString(GL_SHADING_LANGUAGE_VERSION, global->glslVersion);
    return PF_Err_NONE;
}

PF_Err GlobalSetdown(PF_InData* in_data) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    if (!in_data->global_data) {
        return PF_Err_NONE;
    }
    GlobalData* global =
        static_cast<GlobalData*>(suites.HandleSuite1()->host_lock_handle(in_data->global_data));
    if (global && global->context) {
        // As in set-up, the host's own GL state is left as it was found: a
        // thread that had no context current has none afterwards.
        const ScopedCurrentContext restoreCallersContext;
        SetCurrentContext(global->context);
        DeleteGLPrograms(&global->programs);
        DeleteContext(global->context);
        global->context = nullptr;
    }
    return PF_Err_NONE;
}

PF_Err About(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* /*params*/[],
             PF_LayerDef* /*output*/) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    const GlobalData* global = out_data->global_data
                                   ? *reinterpret_cast<GlobalData* const*>(out_data->global_data)
                                   : nullptr;

    std::string text = "Halvane v" + EffectVersionText();
    text += kAboutBody;
    // Frames render on the GPU when global set-up made a context, else on
    // the CPU.
    if (global && global->context) {
        text += "\nGPU Renderer: ";
        text.append(global->glRenderer, strnlen(global->glRenderer, sizeof(global->glRenderer)));
    } else {
        text += "\nRenderer: CPU (no OpenGL 3.2 core context)";
    }
    if (text.size() > 255) {
        text.resize(255);
    }
    // Through "%s", so a "%" in the renderer name is printed, not interpreted.
    suites.ANSICallbacksSuite1()->sprintf(out_data->return_msg, "%s", text.c_str());
    return PF_Err_NONE;
}
