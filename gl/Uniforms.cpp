#include "gl/Uniforms.h"

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "gl/Diagnostics.h"
#include "gl/Buffers.h"

namespace {

// Names are fetched into 32-byte buffers; longer ones arrive cut.
constexpr GLsizei kNameSize = 32;

uniform_t MakeUniform(int32_t type) {
    uniform_t u;
    std::memset(&u, 0, sizeof(u));
    u.type = type;
    return u;
}

struct ActiveUniform {
    std::string name;
    GLint location;
    GLuint index;
};

struct ActiveAttribute {
    std::string name;
    GLint location;
};

void WriteValue(const uniform_t& value) {
    switch (value.type) {
        case UNIFORM_VEC:
        case UNIFORM_VEC2:
        case UNIFORM_VEC3:
        case UNIFORM_VEC4:
        case UNIFORM_MAT44:
            WriteLine("Uni Value: %g", static_cast<double>(value.value.f[0]));
            break;
        case UNIFORM_UIVEC:
        case UNIFORM_TEX1D:
        case UNIFORM_TEX2D:
            WriteLine("Uni Value: %u", value.value.u[0]);
            break;
        default:
            WriteLine("Uni Value: %d", value.value.i[0]);
            break;
    }
}

void SetValue(GLint location, const uniform_t& v, int unit) {
    const int32_t* i = v.value.i;
    const float* f = v.value.f;
    switch (v.type) {
        case UNIFORM_UIVEC:
            glUniform1ui(location, v.value.u[0]);
            break;
        case UNIFORM_IVEC:
            glUniform1i(location, i[0]);
            break;
        case UNIFORM_IVEC2:
            glUniform2i(location, i[0], i[1]);
            break;
        case UNIFORM_IVEC3:
            glUniform3i(location, i[0], i[1], i[2]);
            break;
        case UNIFORM_IVEC4:
            glUniform4i(location, i[0], i[1], i[2], i[3]);
            break;
        case UNIFORM_VEC:
            glUniform1f(location, f[0]);
            break;
        case UNIFORM_VEC2:
            glUniform2f(location, f[0], f[1]);
            break;
        case UNIFORM_VEC3:
            glUniform3f(location, f[0], f[1], f[2]);
            break;
        case UNIFORM_VEC4:
            glUniform4f(location, f[0], f[1], f[2], f[3]);
            break;
        case UNIFORM_MAT44:
            glUniformMatrix4fv(location, 1, GL_FALSE, f);
            break;
        case UNIFORM_TEX1D:
        case UNIFORM_TEX2D:
            glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
            glBindTexture(v.type == UNIFORM_TEX1D ? GL_TEXTURE_1D : GL_TEXTURE_2D, v.value.u[0]);
            glUniform1i(location, unit);
            break;
        default:
            break;
    }
}

}  // namespace

uniform_t UIVEC(uint32_t v) {
    uniform_t u = MakeUniform(UNIFORM_UIVEC);
    u.value.u[0] = v;
    return u;
}

uniform_t IVEC(int32_t v) {
    uniform_t u = MakeUniform(UNIFORM_IVEC);
    u.value.i[0] = v;
    return u;
}

uniform_t IVEC2(Vec2i v) {
    uniform_t u = MakeUniform(UNIFORM_IVEC2);
    u.value.i[0] = v.x;
    u.value.i[1] = v.y;
    return u;
}

uniform_t IVEC3(Vec3i v) {
    uniform_t u = MakeUniform(UNIFORM_IVEC3);
    u.value.i[0] = v.x;
    u.value.i[1] = v.y;
    u.value.i[2] = v.z;
    return u;
}

uniform_t IVEC4(Vec4i v) {
    uniform_t u = MakeUniform(UNIFORM_IVEC4);
    u.value.i[0] = v.x;
    u.value.i[1] = v.y;
    u.value.i[2] = v.z;
    u.value.i[3] = v.w;
    return u;
}

uniform_t VEC(float v) {
    uniform_t u = MakeUniform(UNIFORM_VEC);
    u.value.f[0] = v;
    return u;
}

uniform_t VEC2(Vec2f v) {
    uniform_t u = MakeUniform(UNIFORM_VEC2);
    u.value.f[0] = v.x;
    u.value.f[1] = v.y;
    return u;
}

uniform_t VEC3(Vec3f v) {
    uniform_t u = MakeUniform(UNIFORM_VEC3);
    u.value.f[0] = v.x;
    u.value.f[1] = v.y;
    u.value.f[2] = v.z;
    return u;
}

uniform_t VEC4(Vec4f v) {
    uniform_t u = MakeUniform(UNIFORM_VEC4);
    u.value.f[0] = v.x;
    u.value.f[1] = v.y;
    u.value.f[2] = v.z;
    u.value.f[3] = v.w;
    return u;
}

uniform_t MAT44(const Matrix44f& v) {
    uniform_t u = MakeUniform(UNIFORM_MAT44);
    std::memcpy(u.value.f, v.m, sizeof(v.m));
    return u;
}

uniform_t TEX1D(uint32_t texture) {
    uniform_t u = MakeUniform(UNIFORM_TEX1D);
    u.value.u[0] = texture;
    return u;
}

uniform_t TEX2D(uint32_t texture) {
    uniform_t u = MakeUniform(UNIFORM_TEX2D);
    u.value.u[0] = texture;
    return u;
}

int SetProgramUniforms(GLuint program, const UniformMap& uniforms) {
    // Querying a name that is no program raises a GL error nobody here would
    // read; it would then be blamed on the next call that checks the flag.
    const bool isProgram = program != 0 && glIsProgram(program) == GL_TRUE;
    GLint linked = GL_FALSE;
    if (isProgram) {
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
    }
    if (linked != GL_TRUE) {
        WriteLine("Program Not Linked : %u", program);
    }

    GLint count = 0;
    if (isProgram) {
        glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    }
    if (count < 1) {
        WriteLine("No Active Uniforms for prog: %u", program);
    }

    std::vector<ActiveUniform> active;
    for (GLint index = 0; index < count; ++index) {
        char name[kNameSize] = {};
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(index), kNameSize, nullptr, &size, &type,
                           name);
        active.push_back({name, glGetUniformLocation(program, name), static_cast<GLuint>(index)});
    }

    // An unlinked program cannot be used; leave none in use rather than
    // raising an error.
    glUseProgram(linked == GL_TRUE ? program : 0);

    int unit = 0;
    std::vector<const ActiveUniform*> unset;
    for (const ActiveUniform& entry : active) {
        const auto found = uniforms.find(entry.name);
        if (found == uniforms.end()) {
            unset.push_back(&entry);
            continue;
        }
        const uniform_t& value = found->second;
        SetValue(entry.location, value, unit);
        const GLenum error = glGetError();
        if (error != GL_NO_ERROR) {
            WriteLine("Uniform Error: %s:%d:%u", entry.name.c_str(), entry.location, error);
            WriteLine("Uni Index: %u", entry.index);
            WriteValue(value);
        }
        if (value.type == UNIFORM_TEX1D || value.type == UNIFORM_TEX2D) {
            ++unit;
        }
    }

    if (!unset.empty()) {
        WriteLine("Num Uniforms: %d", count);
        WriteLine("The Following Uniforms are not set:");
        for (const ActiveUniform* entry : unset) {
            std::printf("%s\n", entry->name.c_str());
        }
        std::fflush(stdout);
    }
    return unit;
}

void SetProgramAttributes(GLuint vertexArray, GLuint program, const AttributeMap& attributes) {
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &count);
    GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        WriteLine("Active Attrib Error: %x", error);
    }
    if (count < 1) {
        WriteLine("No Active Attribs shader: %u", program);
    }

    std::vector<ActiveAttribute> active;
    for (GLint index = 0; index < count; ++index) {
        char name[kNameSize] = {};
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(program, static_cast<GLuint>(index), kNameSize, nullptr, &size, &type,
                          name);
        if (std::strncmp(name, "gl_", 3) != 0) {
            const GLint location = glGetAttribLocation(program, name);
            if (location != -1) {
                active.push_back({name, location});
            }
        }
        error = glGetError();
        if (error != GL_NO_ERROR) {
            WriteLine("Attrib Location:%s%u", name, error);
        }
    }

    glBindVertexArray(vertexArray);
    std::vector<const ActiveAttribute*> unset;
    for (const ActiveAttribute& entry : active) {
        const auto found = attributes.find(entry.name);
        if (found == attributes.end()) {
            unset.push_back(&entry);
            continue;
        }
        const AttributeType& attribute = found->second;
        glBindBuffer(GL_ARRAY_BUFFER, attribute.buffer);
        error = glGetError();
        if (error != GL_NO_ERROR) {
            WriteLine("Buff:%u", error);
        }
        const GLuint location = static_cast<GLuint>(entry.location);
        glVertexAttribPointer(location, attribute.size, attribute.type, GL_FALSE, attribute.stride,
                              nullptr);
        glEnableVertexAttribArray(location);
        error = glGetError();
        if (error != GL_NO_ERROR) {
            WriteLine(" Vertex Attrib: %u", error);
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);

    if (!unset.empty()) {
        WriteLine("The Following Attributes are not set:");
        for (const ActiveAttribute* entry : unset) {
            std::printf("%s\n", entry->name.c_str());
        }
        std::fflush(stdout);
    }
}

void ClearAttribBuffers(AttributeMap* attributes) {
    if (!attributes) {
        return;
    }
    std::set<GLuint> buffers;
    for (const auto& entry : *attributes) {
        buffers.insert(entry.second.buffer);
    }
    for (GLuint buffer : buffers) {
        DeleteBuffer(&buffer);
    }
    attributes->clear();
}

AttributeType make_attrib(GLuint buffer, GLint size, GLenum type, GLsizei stride,
                          uint64_t /*offset*/, uint32_t /*divisor*/) {
    return {buffer, size, type, stride};
}

AttributeType CreateAttribute(const GLuint& buffer, GLint size, GLenum type) {
    return {buffer, size, type, 0};
}
