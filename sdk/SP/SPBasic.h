#pragma once

// The basic suite: the broker through which every other suite is acquired
// (by registry name and numeric version) and released. Reached through
// PF_InData.pica_basicP; owned by the host and valid for the command.

#include <stddef.h>

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

// Broker error codes; each is the 32-bit value of its four-character code
// with the first character in the highest byte.
#define kSPNoError 0
#define kSPSuiteNotFoundError ((SPErr)0x53214664)  // 'S!Fd'
#define kSPUnimplementedError ((SPErr)0x21494D50)  // '!IMP'
#define kSPBadParameterError ((SPErr)0x5061726D)   // 'Parm'
#define kSPOutOfMemoryError ((SPErr)0xFFFFFF6C)    // -148
#define kSPUserCanceledError ((SPErr)0x73746F70)   // 'stop'

// A non-zero result, or success with a null suite, means the suite is
// unavailable. Every successful AcquireSuite is matched by one ReleaseSuite
// with the same name and version.
typedef struct SPBasicSuite {
    SPAPI SPErr (*AcquireSuite)(const char* name, int32 version, const void** suite);
    SPAPI SPErr (*ReleaseSuite)(const char* name, int32 version);
    SPAPI SPBoolean (*IsEqual)(const char* token1, const char* token2);
    SPAPI SPErr (*AllocateBlock)(size_t size, void** block);
    SPAPI SPErr (*FreeBlock)(void* block);
    SPAPI SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
    SPAPI SPErr (*Undefined)(void);
} SPBasicSuite;

#ifdef __cplusplus
}  // extern "C"

static_assert(sizeof(SPBasicSuite) == 56 && alignof(SPBasicSuite) == 8, "SPBasicSuite");
static_assert(offsetof(SPBasicSuite, AcquireSuite) == 0 && sizeof(SPBasicSuite::AcquireSuite) == 8,
              "SPBasicSuite.AcquireSuite");
static_assert(offsetof(SPBasicSuite, ReleaseSuite) == 8 && sizeof(SPBasicSuite::ReleaseSuite) == 8,
              "SPBasicSuite.ReleaseSuite");
static_assert(offsetof(SPBasicSuite, IsEqual) == 16 && sizeof(SPBasicSuite::IsEqual) == 8,
              "SPBasicSuite.IsEqual");
static_assert(offsetof(SPBasicSuite, AllocateBlock) == 24 &&
                  sizeof(SPBasicSuite::AllocateBlock) == 8,
              "SPBasicSuite.AllocateBlock");
static_assert(offsetof(SPBasicSuite, FreeBlock) == 32 && sizeof(SPBasicSuite::FreeBlock) == 8,
              "SPBasicSuite.FreeBlock");
static_assert(offsetof(SPBasicSuite, ReallocateBlock) == 40 &&
                  sizeof(SPBasicSuite::ReallocateBlock) == 8,
              "SPBasicSuite.ReallocateBlock");
static_assert(offsetof(SPBasicSuite, Undefined) == 48 && sizeof(SPBasicSuite::Undefined) == 8,
              "SPBasicSuite.Undefined");
#endif
