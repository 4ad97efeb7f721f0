#pragma once

// Fixed-point helpers and the first-error-wins chaining used with the host's
// callbacks.

#include "A.h"

#define A_Fixed_ONE ((A_Fixed)0x00010000L)
#define A_Fixed_HALF ((A_Fixed)0x00008000L)

// Shifts through an unsigned value so negative integers convert without
// undefined behaviour.
#define INT2FIX(X) ((A_Fixed)(((A_u_long)(A_long)(X)) << 16))
#define FIX2INT(X) ((A_long)((X) >> 16))
#define FIX_2_FLOAT(X) ((A_FpLong)(X) / 65536.0)
#define FLOAT2FIX(F) ((A_Fixed)((F)*65536 + (((F) < 0) ? -0.5 : 0.5)))

// Runs FUNC only while err is still zero, so the first failure is kept.
#define ERR(FUNC)         \
    do {                  \
        if (!err) {       \
            err = (FUNC); \
        }                 \
    } while (0)

// Always runs FUNC (clean-up); its error is kept only if none came before.
#define ERR2(FUNC)                                     \
    do {                                               \
        if (((err2 = (FUNC)) != A_Err_NONE) && !err) { \
            err = err2;                                \
        }                                              \
    } while (0)
