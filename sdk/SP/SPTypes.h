#pragma once

// Integer types of the suite broker. SPBoolean is the one type whose size
// differs between the platforms: 4 bytes on Windows, 1 byte on macOS.

#include <stdint.h>

// Suite functions use the platform's one C calling convention.
#define SPAPI

typedef int8_t int8;
typedef uint8_t uint8;
typedef int16_t int16;
typedef uint16_t uint16;
typedef int32_t int32;
typedef uint32_t uint32;

typedef int32 SPErr;
typedef int32 SPInt32;

#if defined(_WIN32)
typedef int32 SPBoolean;
#else
typedef uint8 SPBoolean;
#endif

#ifdef __cplusplus
static_assert(sizeof(int32) == 4 && sizeof(SPErr) == 4, "SP integer sizes");
#if defined(_WIN32)
static_assert(sizeof(SPBoolean) == 4, "SPBoolean is 4 bytes on Windows");
#else
static_assert(sizeof(SPBoolean) == 1, "SPBoolean is 1 byte on macOS");
#endif
#endif
