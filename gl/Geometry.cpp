#include "gl/Geometry.h"

#include "gl/Diagnostics.h"

const float quad_vertices[16] = {
    -1.0f, -1.0f, 0.0f, 1.0f,  //
    1.0f,  -1.0f, 0.0f, 1.0f,  //
    -1.0f, 1.0f,  0.0f, 1.0f,  //
    1.0f,  1.0f,  0.0f, 1.0f,
};

const float quad_tex[8] = {0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f};

GL_Pod CreateQuadFromVertices(GLuint program, const UniformMap& uniforms, const float positions[16],
                              const float texcoords[8]) {
    GL_Pod pod;
    pod.drawParams = {GL_TRIANGLE_STRIP, 0, 4, 0, 0, 0, 1, 0, 0, 0, program};
    const GLuint vertexBuffer =
        CreateBuffer(positions, 16 * sizeof(float), GL_ARRAY_BUFFER, GL_STATIC_DRAW);
    const GLuint texBuffer =
        CreateBuffer(texcoords, 8 * sizeof(float), GL_ARRAY_BUFFER, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    pod.buffers = {vertexBuffer, texBuffer};
    pod.uniforms = uniforms;
    pod.attributes["vertex"] = make_attrib(vertexBuffer, 4, GL_FLOAT, 16, 0, 0);
    pod.attributes["tex"] = make_attrib(texBuffer, 2, GL_FLOAT, 8, 0, 0);
    pod.attributes["texCoordIn"] = pod.attributes["tex"];
    return pod;
}

void DeletePodBuffers(GL_Pod* pod) {
    if (!pod || pod->buffers.empty()) {
        return;
    }
    glDeleteBuffers(static_cast<GLsizei>(pod->buffers.size()), pod->buffers.data());
    pod->buffers.clear();
}

void RenderGeneric(Vec4i viewport, const std::array<uint32_t, 11>& d, GLuint vertexArray,
                   GLuint framebuffer, GLuint program) {
    if (d[POD_CULL_FACE] != 0) {
        glEnable(GL_CULL_FACE);
        glCullFace(d[POD_CULL_FACE]);
    }
    if (d[POD_RESTART_INDEX] != 0) {
        glEnable(GL_PRIMITIVE_RESTART);
        glPrimitiveRestartIndex(d[POD_RESTART_INDEX]);
    }
    glViewport(viewport.x, viewport.y, viewport.z, viewport.w);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glUseProgram(program);
    glBindVertexArray(vertexArray);
    if (d[POD_FEEDBACK_BUFFER] != 0) {
        glEnable(GL_RASTERIZER_DISCARD);
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, d[POD_FEEDBACK_BUFFER]);
        glBeginTransformFeedback(d[POD_FEEDBACK_MODE]);
    }
    const GLsizei count = static_cast<GLsizei>(d[POD_COUNT]);
    const GLsizei instances = static_cast<GLsizei>(d[POD_INSTANCES]);
    if (d[POD_INDEX_BUFFER] != 0) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, d[POD_INDEX_BUFFER]);
        glDrawElementsInstanced(d[POD_MODE], count, GL_UNSIGNED_INT, nullptr, instances);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    } else {
        glDrawArraysInstanced(d[POD_MODE], static_cast<GLint>(d[POD_FIRST]), count, instances);
    }
    if (d[POD_FEEDBACK_BUFFER] != 0) {
        glEndTransformFeedback();
        glDisable(GL_RASTERIZER_DISCARD);
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, 0);
        glBindTransformFeedback(GL_TRANSFORM_FEEDBACK, 0);
    }
    if (d[POD_RESTART_INDEX] != 0) {
        glDisable(GL_PRIMITIVE_RESTART);
    }
    if (d[POD_CULL_FACE] != 0) {
        glDisable(GL_CULL_FACE);
    }
    glBindVertexArray(0);
    glUseProgram(0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void RenderPOD(GLuint framebuffer, Vec4i viewport, const GL_Pod& pod) {
    const GLuint program = pod.drawParams[POD_PROGRAM];
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    SetProgramAttributes(vertexArray, program, pod.attributes);
    const int units = SetProgramUniforms(program, pod.uniforms);
    RenderGeneric(viewport, pod.drawParams, vertexArray, framebuffer, program);
    if (vertexArray != 0) {
        glDeleteVertexArrays(1, &vertexArray);
    }
    // Textures bound for the program's samplers go back to the defaults, so
    // nothing of this pass leaks into whatever the thread does next.
    for (int unit = units - 1; unit >= 0; --unit) {
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        glBindTexture(GL_TEXTURE_2D, 0);
        glBindTexture(GL_TEXTURE_1D, 0);
    }
    glActiveTexture(GL_TEXTURE0);
}
