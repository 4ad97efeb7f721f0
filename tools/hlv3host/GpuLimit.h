#pragma once

// The largest texture side (GL_MAX_TEXTURE_SIZE) of the GL the effect will
// render with, asked of a context made and destroyed for the question; 0 when
// no context can be made. The calling thread's current context is kept.
int GpuTextureLimit();
