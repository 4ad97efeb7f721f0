#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "gl/GLApi.h"
#include "gl/Vectors.h"

// Tags of uniform_t::type: how the value words are read and which GL call
// sets them.
enum UniformTag : int32_t {
    UNIFORM_UIVEC = 0,
    UNIFORM_IVEC = 1,
    UNIFORM_IVEC2 = 2,
    UNIFORM_IVEC3 = 3,
    UNIFORM_IVEC4 = 4,
    UNIFORM_VEC = 5,
    UNIFORM_VEC2 = 6,
    UNIFORM_VEC3 = 7,
    UNIFORM_VEC4 = 8,
    UNIFORM_MAT44 = 9,
    UNIFORM_TEX1D = 10,
    UNIFORM_TEX2D = 11,
};

// A typed uniform value: a tag and sixteen 32-bit words, of which only the
// first ones the tag needs are meaningful. Make them with the value makers.
struct uniform_t {
    int32_t type;
    union {
        int32_t i[16];
        uint32_t u[16];
        float f[16];
    } value;
};

uniform_t UIVEC(uint32_t v);
uniform_t IVEC(int32_t v);
uniform_t IVEC2(Vec2i v);
uniform_t IVEC3(Vec3i v);
uniform_t IVEC4(Vec4i v);
uniform_t VEC(float v);
uniform_t VEC2(Vec2f v);
uniform_t VEC3(Vec3f v);
uniform_t VEC4(Vec4f v);
uniform_t MAT44(const Matrix44f& v);
// A texture to sample through a sampler uniform; the binder picks the unit.
uniform_t TEX1D(uint32_t texture);
uniform_t TEX2D(uint32_t texture);

// Uniform name (exact, case-sensitive) to value. Owned by the caller; the
// binder only reads it, and names a program does not use are ignored.
using UniformMap = std::unordered_map<std::string, uniform_t>;

// One vertex input: the buffer holding it, components per vertex (1 to 4), GL
// component type and byte stride. The buffer name is not owned by the record.
struct AttributeType {
    GLuint buffer;
    GLint size;
    GLenum type;
    GLsizei stride;
};

// Attribute name to description. Whoever fills it owns the buffers named in
// it (ClearAttribBuffers releases them).
using AttributeMap = std::unordered_map<std::string, AttributeType>;

// Makes `program` current and sets every active uniform that `uniforms`
// provides; samplers get texture units 0, 1, ... in turn. Reports an unlinked
// program, one without uniforms, GL errors per uniform and every active
// uniform the map lacks. On return the program (0 when it is not linked) stays
// in use and the textures stay bound, the last unit active; the caller puts
// them back. Returns the number of texture units it bound (units 0 to n - 1).
int SetProgramUniforms(GLuint program, const UniformMap& uniforms);

// Records in `vertexArray` the buffer, layout and enabled state of every
// active attribute of `program` that `attributes` provides, and reports the
// ones it lacks. Leaves no vertex array and no array buffer bound.
void SetProgramAttributes(GLuint vertexArray, GLuint program, const AttributeMap& attributes);

// Deletes every buffer named in `attributes` (each once, however many entries
// share it) in the current context, then empties the map.
void ClearAttribBuffers(AttributeMap* attributes);

// {buffer, size, type, stride}; the last two values are accepted for
// compatibility with older callers and not stored.
AttributeType make_attrib(GLuint buffer, GLint size, GLenum type, GLsizei stride, uint64_t offset,
                          uint32_t divisor);
// {buffer, size, type, stride 0}.
AttributeType CreateAttribute(const GLuint& buffer, GLint size, GLenum type);
