#pragma once

// Registration: the host calls the module's exported registration function,
// which reports the effect through the callback it is given. The inPtr value
// is opaque and goes back to the callback unchanged.

#include "A.h"

#pragma pack(push, 8)

#ifdef __cplusplus
extern "C" {
#endif

struct SPBasicSuite;

typedef struct PF_PluginData* PF_PluginDataPtr;

// inkind is the plug-in type code (0x65464B54, "eFKT", for effects); for an
// effect the version pair is PF_AE_PLUG_IN_VERSION / PF_AE_PLUG_IN_SUBVERS.
typedef A_Err (*PF_PluginDataCB)(PF_PluginDataPtr inPtr, const A_u_char* inNamePtr,
                                 const A_u_char* inMatchNamePtr, const A_u_char* inCategoryPtr,
                                 const A_u_char* inEntryPointNamePtr, A_long inkind,
                                 A_long inApiVersionMajor, A_long inApiVersionMinor,
                                 A_long inReservedInfo);

typedef A_Err (*PF_PluginDataCB2)(PF_PluginDataPtr inPtr, const A_u_char* inNamePtr,
                                  const A_u_char* inMatchNamePtr, const A_u_char* inCategoryPtr,
                                  const A_u_char* inEntryPointNamePtr, A_long inkind,
                                  A_long inApiVersionMajor, A_long inApiVersionMinor,
                                  A_long inReservedInfo, const A_u_char* inSupportURLPtr);

// Exported as "PluginDataEntryFunction".
typedef A_Err (*PluginDataEntryFunctionPtr)(PF_PluginDataPtr inPtr,
                                            PF_PluginDataCB inPluginDataCallBackPtr,
                                            struct SPBasicSuite* inSPBasicSuitePtr,
                                            const char* inHostName, const char* inHostVersion);

// Exported as "PluginDataEntryFunction2".
typedef A_Err (*PluginDataEntryFunction2Ptr)(PF_PluginDataPtr inPtr,
                                             PF_PluginDataCB2 inPluginDataCallBackPtr,
                                             struct SPBasicSuite* inSPBasicSuitePtr,
                                             const char* inHostName, const char* inHostVersion);

#ifdef __cplusplus
}  // extern "C"
#endif

#pragma pack(pop)
