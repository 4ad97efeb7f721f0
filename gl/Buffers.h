#pragma once

#include "gl/GLApi.h"

// A new buffer of `size` bytes from `data`, left bound to `target`. The
// caller owns it (DeleteBuffer). A GL error is logged; the name is returned
// anyway.
GLuint CreateBuffer(const void* data, GLsizeiptr size, GLenum target, GLenum usage);

// Deletes *buffer and sets it to 0; a null pointer or name 0 makes no GL call.
void DeleteBuffer(GLuint* buffer);
