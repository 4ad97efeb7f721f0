// Values teammates rely on that are easy to get wrong: four-character codes
// in both byte orders, packed versions, flag bits and registry names. Every
// expectation is written out independently of the declarations.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "AE_EffectVers.h"  // the published AE_Effect.h does not include it
#include "host/HostInterface.h"

namespace {

// The four bytes of a 32-bit value as they lie in memory.
std::string MemoryBytes(A_long v) {
    char bytes[4];
    std::memcpy(bytes, &v, sizeof bytes);
    return std::string(bytes, 4);
}

// The value of a multichar literal such as 'eFKT': first character highest.
uint32_t HighFirst(const char* code) {
    return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) |
           (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}

TEST(SdkPixelFormat, CodesReadAsTheirCharactersInMemory) {
    EXPECT_EQ(MemoryBytes(PF_PixelFormat_ARGB32), "argb");
    EXPECT_EQ(MemoryBytes(PF_PixelFormat_ARGB64), "ae16");
    EXPECT_EQ(MemoryBytes(PF_PixelFormat_ARGB128), "ae32");
    EXPECT_EQ(MemoryBytes(PF_PixelFormat_BGRA32), "bgra");
    EXPECT_EQ(MemoryBytes(PF_PixelFormat_INVALID), "badf");
    EXPECT_EQ(PF_PixelFormat_ARGB32, 0x62677261);
    EXPECT_EQ(PF_PixelFormat_ARGB128, 0x32336561);
}

TEST(SdkPixelFormat, MulticharLiteralOfArgbIsTheBgraCode) {
    // 'argb' written as a multichar literal is not the 8-bit ARGB format.
    EXPECT_EQ(uint32_t(PF_PixelFormat_BGRA32), HighFirst("argb"));
    EXPECT_NE(uint32_t(PF_PixelFormat_ARGB32), HighFirst("argb"));
    EXPECT_EQ(A_long(PF_PixelFormat_FORCE_LONG_INT), A_long(-1));
}

TEST(SdkFourCharCodes, HighFirstCodes) {
    EXPECT_EQ(uint32_t(AEGP_PLUGIN_TYPE), HighFirst("AEgx"));
    EXPECT_EQ(uint32_t(kSPSuiteNotFoundError), HighFirst("S!Fd"));
    EXPECT_EQ(uint32_t(kSPUnimplementedError), HighFirst("!IMP"));
    EXPECT_EQ(uint32_t(kSPBadParameterError), HighFirst("Parm"));
    EXPECT_EQ(uint32_t(kSPUserCanceledError), HighFirst("stop"));
    EXPECT_EQ(kSPOutOfMemoryError, -148);
    EXPECT_EQ(kSPNoError, 0);
}

TEST(SdkVersions, ApiVersionPair) {
    EXPECT_EQ(PF_PLUG_IN_VERSION, 13);
    EXPECT_EQ(PF_PLUG_IN_SUBVERS, 28);
    EXPECT_EQ(PF_AE_PLUG_IN_VERSION, 13);
    EXPECT_EQ(PF_AE_PLUG_IN_SUBVERS, 28);
    EXPECT_EQ(std::string(kSPBasicSuite), "SP Basic Suite");
    EXPECT_EQ(kSPBasicSuiteVersion, 4);
}

TEST(SdkVersions, PackedEffectVersion) {
    EXPECT_EQ(PF_VERSION(1, 0, 0, PF_Stage_DEVELOP, 1), 524289u);
    EXPECT_EQ(PF_VERSION(1, 2, 3, PF_Stage_RELEASE, 4), 597508u);
    // Only four bits of sub-version survive: 28 is kept as 12.
    EXPECT_EQ(PF_VERSION(13, 28, 0, PF_Stage_DEVELOP, 0), 70123520u);
    // A version above 7 uses the high field at bit 26.
    const A_u_long v = PF_VERSION(13, 5, 9, PF_Stage_BETA, 300);
    EXPECT_EQ(v, (1u << 26) | (5u << 19) | (5u << 15) | (9u << 11) | (2u << 9) | 300u);
    EXPECT_EQ(PF_Version_VERS(v), 13u);
    EXPECT_EQ(PF_Version_SUBVERS(v), 5u);
    EXPECT_EQ(PF_Version_BUGFIX(v), 9u);
    EXPECT_EQ(PF_Version_STAGE(v), 2u);
    EXPECT_EQ(PF_Version_BUILD(v), 300u);
}

TEST(SdkSuites, RegisteredNamesAndVersions) {
    // Registered numbers differ from the digits in the table names.
    EXPECT_EQ(kPFHandleSuiteVersion1, 2);
    EXPECT_EQ(kAEGPStreamSuiteVersion2, 7);
    EXPECT_EQ(kAEGPStreamSuiteVersion4, 9);
    EXPECT_EQ(kAEGPUtilitySuiteVersion3, 7);
    EXPECT_EQ(kAEGPLayerSuiteVersion7, 13);
    EXPECT_EQ(kAEGPEffectSuiteVersion2, 2);
    EXPECT_EQ(kAEGPEffectSuiteVersion3, 3);
    EXPECT_EQ(kAEGPDynamicStreamSuiteVersion2, 2);
    EXPECT_EQ(kPFWorldSuiteVersion2, 2);
    EXPECT_EQ(kDRAWBOT_SurfaceSuite_Version1, 1);
    EXPECT_EQ(kDRAWBOT_SurfaceSuite_Version2, 2);

    EXPECT_STREQ(kPFHandleSuite, "PF Handle Suite");
    EXPECT_STREQ(kPFANSISuite, "PF ANSI Suite");
    EXPECT_STREQ(kPFParamUtilsSuite, "PF Param Utils Suite");
    EXPECT_STREQ(kAEGPPFInterfaceSuite, "AEGP PF Interface Suite");
    EXPECT_STREQ(kAEGPEffectSuite, "AEGP Effect Suite");
    EXPECT_STREQ(kAEGPStreamSuite, "AEGP Stream Suite");
    EXPECT_STREQ(kAEGPDynamicStreamSuite, "AEGP Dynamic Stream Suite");
    EXPECT_STREQ(kAEGPUtilitySuite, "AEGP Utility Suite");
    EXPECT_STREQ(kAEGPLayerSuite, "AEGP Layer Suite");
    EXPECT_STREQ(kPFEffectCustomUISuite, "PF Effect Custom UI Suite");
    EXPECT_STREQ(kPFIterate8Suite, "PF Iterate8 Suite");
    EXPECT_STREQ(kPFIterateFloatSuite, "PF iterateFloat Suite");
    EXPECT_STREQ(kPFWorldSuite, "PF World Suite");
    EXPECT_STREQ(kDRAWBOT_DrawSuite, "DRAWBOT Draw Suite");
    EXPECT_STREQ(kDRAWBOT_SupplierSuite, "DRAWBOT Supplier Suite");
    EXPECT_STREQ(kDRAWBOT_SurfaceSuite, "DRAWBOT Surface Suite");
    EXPECT_STREQ(kDRAWBOT_PathSuite, "DRAWBOT Path Suite");
}

TEST(SdkFlags, BitsTheSystemSets) {
    EXPECT_EQ(PF_OutFlag_DISPLAY_ERROR_MESSAGE, 1 << 8);
    EXPECT_EQ(PF_OutFlag_I_EXPAND_BUFFER, 1 << 9);
    EXPECT_EQ(PF_OutFlag_CUSTOM_UI, 1 << 15);
    EXPECT_EQ(PF_OutFlag_SEND_UPDATE_PARAMS_UI, 1 << 26);
    EXPECT_EQ(PF_OutFlag_DEEP_COLOR_AWARE, 1 << 25);
    EXPECT_EQ(PF_OutFlag2_SUPPORTS_QUERY_DYNAMIC_FLAGS, 1 << 0);
    EXPECT_EQ(PF_OutFlag2_SUPPORTS_SMART_RENDER, 1 << 10);
    EXPECT_EQ(PF_OutFlag2_FLOAT_COLOR_AWARE, 1 << 12);
    EXPECT_EQ(PF_OutFlag2_SUPPORTS_THREADED_RENDERING, 1 << 27);
    EXPECT_EQ(PF_ParamFlag_SUPERVISE, 1 << 6);
    EXPECT_EQ(PF_ParamFlag_START_COLLAPSED, PF_ParamFlag_COLLAPSE_TWIRLY);
    EXPECT_EQ(PF_PUI_CONTROL, 1 << 1);
    EXPECT_EQ(PF_PUI_DISABLED, 1 << 5);
    EXPECT_EQ(PF_PUI_INVISIBLE, 1 << 9);
    EXPECT_EQ(PF_CustomEFlag_EFFECT, 1 << 2);
    EXPECT_EQ(PF_EO_HANDLED_EVENT, 1);
    EXPECT_EQ(PF_RenderOutputFlag_RETURNS_EXTRA_PIXELS, 1);
    EXPECT_EQ(AEGP_LayerFlag_ADJUSTMENT_LAYER, 0x200);
    EXPECT_EQ(AEGP_DynStreamFlag_HIDDEN, 0x2);
    EXPECT_EQ(PF_WorldFlag_DEEP, 1);
    EXPECT_EQ(PF_ValueDisplayFlag_PERCENT, 1);
    EXPECT_EQ(PF_ValueDisplayFlag_PIXEL, 2);
}

TEST(SdkFlags, BitThirtyOneStaysThirtyTwoBits) {
    // Masking with these must not widen to 64 bits on an LP64 platform.
    const PF_OutFlags all = PF_OutFlag_AUDIO_EFFECT_ONLY | PF_OutFlag_AUDIO_EFFECT_TOO;
    EXPECT_EQ(uint32_t(all), 0xC0000000u);
    EXPECT_LT(A_long(PF_OutFlag_AUDIO_EFFECT_ONLY), 0);
    EXPECT_EQ(uint32_t(PF_WorldFlag_RESERVED), 0x80000000u);
    EXPECT_EQ(sizeof(PF_OutFlag_AUDIO_EFFECT_ONLY | 0), 4u);
}

TEST(SdkCodes, SelectorsErrorsAndEvents) {
    EXPECT_EQ(PF_Cmd_GLOBAL_SETUP, 1);
    EXPECT_EQ(PF_Cmd_PARAMS_SETUP, 4);
    EXPECT_EQ(PF_Cmd_USER_CHANGED_PARAM, 13);
    EXPECT_EQ(PF_Cmd_UPDATE_PARAMS_UI, 14);
    EXPECT_EQ(PF_Cmd_EVENT, 15);
    EXPECT_EQ(PF_Cmd_SMART_PRE_RENDER, 23);
    EXPECT_EQ(PF_Cmd_SMART_RENDER, 24);
    EXPECT_EQ(PF_Cmd_GPU_DEVICE_SETDOWN, 33);
    EXPECT_EQ(PF_Cmd_NUM_CMDS, 34);
    EXPECT_EQ(PF_Err_UNRECOGNIZED_PARAM_TYPE, 514);
    EXPECT_EQ(PF_Err_BAD_CALLBACK_PARAM, 516);
    EXPECT_EQ(A_Err_MISSING_SUITE, 13);
    EXPECT_EQ(PF_Event_DRAW, 4);
    EXPECT_EQ(PF_Window_EFFECT, 2);
    EXPECT_EQ(PF_EA_CONTROL, 2);
    EXPECT_EQ(PF_Param_POPUP, 7);
    EXPECT_EQ(PF_Param_FLOAT_SLIDER, 10);
    EXPECT_EQ(PF_Param_GROUP_START, 13);
    EXPECT_EQ(PF_Param_BUTTON, 15);
    EXPECT_EQ(PF_Param_POINT_3D, 18);
    EXPECT_EQ(kDRAWBOT_PixelLayout_32ARGB_Straight, 4);
    EXPECT_EQ(kDRAWBOT_PixelLayout_32BGRA_Premul, 7);
    EXPECT_EQ(AEGP_LTimeMode_CompTime, 1);
    EXPECT_EQ(PF_CONTEXT_MAGIC, 0x05ea771e);
    EXPECT_EQ(PF_MAX_EFFECT_MSG_LEN + 1, int(sizeof(PF_OutData{}.return_msg)));
}

}  // namespace
