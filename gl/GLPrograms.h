#pragma once

#include <cstdint>

// The five effect programs of one GL context. Plain names with no ownership
// logic: the record that embeds this (LocalGLStruct) builds the set right
// after its context is made and deletes it, with that context current, right
// before the context goes. A name of 0 means "no usable program". Names are
// only meaningful in the context that built them.
struct GLPrograms {
    uint32_t preProc;
    uint32_t aberrate;
    uint32_t postProc;
    uint32_t blurW;
    uint32_t blurH;
};
static_assert(sizeof(GLPrograms) == 20, "five 32-bit program names");
