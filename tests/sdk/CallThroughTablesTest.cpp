// Calls made the way the system makes them: through the host's tables, into
// host-owned records laid out byte for byte.

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "host/HostInterface.h"

namespace {

// A host-side sprintf that only works when called as a variadic function.
int HostSprintf(A_char* buffer, const A_char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
    va_end(args);
    return n;
}

A_char* HostStrcpy(A_char* dst, const A_char* src) {
    return std::strcpy(dst, src);
}

TEST(SdkCallThrough, VariadicSprintfThroughUtilCallbacks) {
    PF_UtilCallbacks utils{};
    utils.ansi.sprintf = &HostSprintf;
    utils.ansi.strcpy = &HostStrcpy;
    PF_InData in_data{};
    in_data.utils = &utils;
    PF_OutData out_data{};

    // Integers, doubles and strings mixed, as the message formatting does.
    const int n =
        in_data.utils->ansi.sprintf(out_data.return_msg, "%s %d %.2f %s", "Halvane", 3, 2.5, "GL");
    EXPECT_STREQ(out_data.return_msg, "Halvane 3 2.50 GL");
    EXPECT_EQ(n, 17);

    in_data.utils->ansi.strcpy(out_data.name, "KVHLVGL");
    EXPECT_STREQ(out_data.name, "KVHLVGL");
}

TEST(SdkCallThrough, VariadicSprintfThroughAnsiSuite) {
    PF_ANSICallbacksSuite1 suite{};
    suite.sprintf = &HostSprintf;
    char buffer[PF_MAX_EFFECT_MSG_LEN + 1] = {};
    suite.sprintf(buffer, "%u-%c-%5.1f", 42u, 'x', -1.25);
    EXPECT_STREQ(buffer, "42-x- -1.2");
}

TEST(SdkCallThrough, ByteLayoutOfAnEventAsTheHostWritesIt) {
    // The host fills the record through its own compiler; write the bytes at
    // the host's offsets and read them through the declarations.
    alignas(8) unsigned char bytes[208] = {};
    const A_long type = PF_Event_DRAW, area = PF_EA_CONTROL, left = 17, out = PF_EO_HANDLED_EVENT;
    std::memcpy(bytes + 8, &type, 4);
    std::memcpy(bytes + 84, &area, 4);
    std::memcpy(bytes + 88, &left, 4);
    std::memcpy(bytes + 204, &out, 4);
    PF_EventExtra extra;
    std::memcpy(&extra, bytes, sizeof extra);
    EXPECT_EQ(extra.e_type, PF_Event_DRAW);
    EXPECT_EQ(extra.effect_win.area, PF_EA_CONTROL);
    EXPECT_EQ(extra.effect_win.current_frame.left, 17);
    EXPECT_EQ(extra.evt_out_flags, PF_EO_HANDLED_EVENT);
}

TEST(SdkCallThrough, ParameterDefinitionBytes) {
    PF_ParamDef def{};
    def.param_type = PF_Param_POPUP;
    def.u.pd.value = 2;
    def.u.pd.num_choices = 3;
    def.u.pd.u.namesptr = "A|B|C";
    unsigned char bytes[sizeof def];
    std::memcpy(bytes, &def, sizeof def);
    A_long type = 0, value = 0;
    A_short choices = 0;
    const char* names = nullptr;
    std::memcpy(&type, bytes + 12, 4);
    std::memcpy(&value, bytes + 56, 4);
    std::memcpy(&choices, bytes + 60, 2);
    std::memcpy(&names, bytes + 64, 8);
    EXPECT_EQ(type, PF_Param_POPUP);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(choices, 3);
    EXPECT_STREQ(names, "A|B|C");
}

TEST(SdkMacros, FixedPointConversions) {
    EXPECT_EQ(A_Fixed_ONE, 0x10000);
    EXPECT_EQ(A_Fixed_HALF, 0x8000);
    EXPECT_EQ(INT2FIX(3), 3 * 65536);
    EXPECT_EQ(FIX2INT(INT2FIX(-7)), -7);
    EXPECT_DOUBLE_EQ(FIX_2_FLOAT(0x18000), 1.5);
    EXPECT_EQ(FLOAT2FIX(1.5), 0x18000);
    EXPECT_EQ(FLOAT2FIX(-1.5), -0x18000);
    EXPECT_EQ(FLOAT2FIX(0.25), 0x4000);
}

TEST(SdkMacros, FirstErrorIsKept) {
    PF_Err err = PF_Err_NONE, err2 = PF_Err_NONE;
    int calls = 0;
    auto fail = [&](PF_Err e) {
        ++calls;
        return e;
    };
    ERR(fail(PF_Err_NONE));
    ERR(fail(PF_Err_BAD_CALLBACK_PARAM));
    ERR(fail(PF_Err_OUT_OF_MEMORY));  // skipped: an error is already held
    EXPECT_EQ(calls, 2);
    ERR2(fail(PF_Err_INVALID_INDEX));  // clean-up runs but keeps the first error
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(err, PF_Err_BAD_CALLBACK_PARAM);
    EXPECT_EQ(err2, PF_Err_INVALID_INDEX);
}

}  // namespace
