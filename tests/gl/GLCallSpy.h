#pragma once

// Counts of GL calls made anywhere in this test program. The test program
// defines these GL functions itself, so the toolkit's calls land here first;
// each counts and forwards to the system's GL. Read a counter before and
// after the code under test.
struct GLCallCounts {
    int createProgram;
    int deleteProgram;
    int createShader;
    int deleteBuffers;
    int deleteFramebuffers;
    int deleteTextures;
    int drawArraysInstanced;
    int drawElementsInstanced;
};

GLCallCounts GLCalls();
