#pragma once

// Pixel format codes reported by the World suite. Each value holds the four
// characters of its code in memory order (first character in the lowest
// byte), so PF_PixelFormat_ARGB32 reads "argb" in memory. A multichar
// literal such as 'argb' puts the first character in the highest byte
// instead and would give the code of PF_PixelFormat_BGRA32; never compare
// against such a literal.

enum {
    PF_PixelFormat_ARGB32 = 0x62677261,       // "argb": 8 bits per channel, alpha first
    PF_PixelFormat_ARGB64 = 0x36316561,       // "ae16": 16 bits per channel, alpha first
    PF_PixelFormat_ARGB128 = 0x32336561,      // "ae32": 32-bit float per channel, alpha first
    PF_PixelFormat_GPU_BGRA128 = 0x41444340,  // "@CDA": GPU float world
    PF_PixelFormat_RESERVED = 0x61444340,     // "@CDa"
    PF_PixelFormat_BGRA32 = 0x61726762,       // "bgra"
    PF_PixelFormat_VUYA32 = 0x61797576,       // "vuya"
    PF_PixelFormat_NTSCDV25 = 0x326E7664,     // "dvn2"
    PF_PixelFormat_PALDV25 = 0x32707664,      // "dvp2"
    PF_PixelFormat_INVALID = 0x66646162,      // "badf"
    PF_PixelFormat_FORCE_LONG_INT = -1,       // keeps the set 32 bits wide
};
