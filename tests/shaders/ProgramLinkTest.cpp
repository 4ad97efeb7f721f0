// Every embedded program compiles and links in a headless core context, and
// its active uniforms are exactly the ones the pass sequence sets: a name the
// pass sets but the program lacks would leave the program reading a default,
// and an active uniform the pass never sets would read 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "gl/GLPrograms.h"
#include "gl/Programs.h"
#include "tests/shaders/ShaderGpu.h"

namespace {

struct ProgramContract {
    const char* name;
    GLuint GLPrograms::*field;
    const char* output;
    std::vector<std::string> setByPass;
    // names the compiler may drop because the program never reads them
    std::set<std::string> mayBeInactive;
};

const ProgramContract kContracts[] = {
    {"preProc",
     &GLPrograms::preProc,
     "colourOut",
     {"videoTexture", "offsetHue", "resV", "preProcL", "swizzleL", "preserveAlphaL"},
     {"resV"}},
    {"aberrate",
     &GLPrograms::aberrate,
     "FragColour",
     {"videoTexture", "aspectF", "offsetRot", "offsetScale", "offsetShearX", "offsetShearY",
      "offsetPos", "normaliseExp", "resV", "offsetDistort", "uniformDistort", "mode", "iterationsL",
      "firstL", "countL", "straightL"},
     {}},
    {"blurW",
     &GLPrograms::blurW,
     "FragColour",
     {"videoTexture", "stepsA", "strideA", "stepsB", "strideB"},
     {}},
    {"blurH",
     &GLPrograms::blurH,
     "FragColour",
     {"videoTexture", "stepsA", "strideA", "stepsB", "strideB"},
     {}},
    {"postProc",
     &GLPrograms::postProc,
     "FragColour",
     {"videoTexture", "inputFrameTexture", "offsetHue", "strengthF", "mode", "unmult",
      "preserveAlphaL", "iterationsL", "aspectF", "resV", "offsetDistort", "sourceSumL", "firstL",
      "countL", "sourceSumTexture"},
     {}},
};

using ProgramLink = ShaderGpuTest;

TEST_F(ProgramLink, EveryProgramLinksWithTheUniformsItsPassSets) {
    for (const ProgramContract& contract : kContracts) {
        SCOPED_TRACE(contract.name);
        const GLuint program = programs.*contract.field;
        ASSERT_NE(program, 0u);
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked, GL_TRUE);

        for (const std::string& name : contract.setByPass) {
            const bool active = glGetUniformLocation(program, name.c_str()) != -1;
            if (contract.mayBeInactive.count(name) == 0) {
                EXPECT_TRUE(active) << name << " is not active";
            }
        }

        GLint count = 0;
        glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
        EXPECT_LE(count, 16);  // a handful: the binder queries them all on every draw
        for (GLint i = 0; i < count; ++i) {
            char name[64] = {};
            GLint size = 0;
            GLenum type = 0;
            glGetActiveUniform(program, static_cast<GLuint>(i), sizeof name, nullptr, &size, &type,
                               name);
            EXPECT_NE(std::find(contract.setByPass.begin(), contract.setByPass.end(), name),
                      contract.setByPass.end())
                << name << " is active but never set by its pass";
        }

        // the shared vertex stage's inputs, and the single colour output
        EXPECT_NE(glGetAttribLocation(program, "vertex"), -1);
        EXPECT_NE(glGetAttribLocation(program, "tex"), -1);
        EXPECT_EQ(glGetFragDataLocation(program, contract.output), 0);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ProgramLink, UniformTypesMatchTheValueMakersThePassesUse) {
    struct Expected {
        GLuint GLPrograms::*field;
        const char* name;
        GLenum type;
    };
    const Expected expected[] = {
        {&GLPrograms::preProc, "videoTexture", GL_SAMPLER_2D},
        {&GLPrograms::preProc, "offsetHue", GL_FLOAT},
        {&GLPrograms::preProc, "preserveAlphaL", GL_INT},
        {&GLPrograms::aberrate, "offsetPos", GL_FLOAT_VEC2},
        {&GLPrograms::aberrate, "normaliseExp", GL_FLOAT_VEC2},
        {&GLPrograms::aberrate, "resV", GL_FLOAT_VEC2},
        {&GLPrograms::aberrate, "iterationsL", GL_INT},
        {&GLPrograms::aberrate, "mode", GL_INT},
        {&GLPrograms::aberrate, "offsetScale", GL_FLOAT},
        {&GLPrograms::blurW, "stepsA", GL_INT},
        {&GLPrograms::blurW, "strideB", GL_FLOAT},
        {&GLPrograms::blurH, "stepsB", GL_INT},
        {&GLPrograms::postProc, "inputFrameTexture", GL_SAMPLER_2D},
        {&GLPrograms::postProc, "unmult", GL_INT},
        {&GLPrograms::postProc, "strengthF", GL_FLOAT},
        {&GLPrograms::postProc, "offsetDistort", GL_FLOAT},
    };
    for (const Expected& e : expected) {
        const GLuint program = programs.*e.field;
        GLint count = 0;
        glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
        bool found = false;
        for (GLint i = 0; i < count && !found; ++i) {
            char name[64] = {};
            GLint size = 0;
            GLenum type = 0;
            glGetActiveUniform(program, static_cast<GLuint>(i), sizeof name, nullptr, &size, &type,
                               name);
            if (e.name == std::string(name)) {
                found = true;
                EXPECT_EQ(type, e.type) << e.name;
                EXPECT_EQ(size, 1) << e.name;
            }
        }
        EXPECT_TRUE(found) << e.name;
    }
}

}  // namespace
