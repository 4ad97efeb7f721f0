// Per-thread render contexts, observed from outside: this test program
// defines glCreateProgram, glDeleteProgram and eglCreateContext itself, so
// every call the system makes passes through here first (and on to the
// system's GL), noting which thread made it and which context was current.

#include <EGL/egl.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "context/Context.h"
#include "context/ThreadContext.h"
#include "gl/GLApi.h"
#include "tests/support/GLStdoutCapture.h"
#include "tests/support/GLTestContext.h"

namespace {

struct DeleteCall {
    std::thread::id thread;
    EGLContext current;
    GLuint program;
};

std::mutex spyMutex;
std::vector<DeleteCall> deleteCalls;
// Counted per thread, so threads rendering at once do not see each other's.
thread_local int createProgramCalls = 0;
thread_local int createContextCalls = 0;
// Set on a thread to make every context creation there fail, as a driver
// without a 3.2 core profile would.
thread_local bool refuseContexts = false;

template <typename Proc>
Proc Next(const char* name) {
    return reinterpret_cast<Proc>(dlsym(RTLD_NEXT, name));
}

EGLContext CurrentEGLContext() {
    eglBindAPI(EGL_OPENGL_API);
    return eglGetCurrentContext();
}

std::vector<DeleteCall> DeletesBy(std::thread::id thread) {
    const std::lock_guard<std::mutex> lock(spyMutex);
    std::vector<DeleteCall> calls;
    for (const DeleteCall& call : deleteCalls) {
        if (call.thread == thread) {
            calls.push_back(call);
        }
    }
    return calls;
}

// A global data block as global set-up leaves it; `given` is what the
// frame is handed (null: no block at all).
struct SimulatedGlobals {
    GlobalData block = {};
    const GlobalData* given = &block;

    explicit SimulatedGlobals(GLContextHandle context) { block.context = context; }
};

// What one rendering thread saw.
struct ThreadView {
    std::thread::id id;
    LocalGLStruct* record = nullptr;
    GLContextHandle context = nullptr;
    GLPrograms programs = {};
    EGLContext currentAfterInit = EGL_NO_CONTEXT;
    EGLContext currentAfterRelease = EGL_NO_CONTEXT;
    int programsCreated = 0;
    int contextsCreated = 0;
};

// One render's worth of context handling, as the smart-render path does it.
ThreadView RenderOnce(SimulatedGlobals& globals) {
    ThreadView view;
    view.id = std::this_thread::get_id();
    const int programsBefore = createProgramCalls;
    const int contextsBefore = createContextCalls;
    InitThreadLocalRenderData(globals.given);
    view.programsCreated = createProgramCalls - programsBefore;
    view.contextsCreated = createContextCalls - contextsBefore;
    view.record = GetThreadLocalRenderData();
    if (view.record) {
        view.context = view.record->context;
        view.programs = view.record->programs;
    }
    view.currentAfterInit = CurrentEGLContext();
    glUseProgram(0);
    SetCurrentContext(nullptr);
    view.currentAfterRelease = CurrentEGLContext();
    return view;
}

class ThreadContextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HLV3_REQUIRE_GL();
        {
            // Thread ids of ended threads are reused: forget earlier tests.
            const std::lock_guard<std::mutex> lock(spyMutex);
            deleteCalls.clear();
        }
        globalContext = CreateContext(nullptr);
        ASSERT_NE(globalContext, nullptr);
    }
    void TearDown() override { DeleteContext(globalContext); }

    GLContextHandle globalContext = nullptr;
};

}  // namespace

extern "C" {

GLuint APIENTRY glCreateProgram(void) {
    static const auto next = Next<PFNGLCREATEPROGRAMPROC>("glCreateProgram");
    ++createProgramCalls;
    return next();
}

void APIENTRY glDeleteProgram(GLuint program) {
    static const auto next = Next<PFNGLDELETEPROGRAMPROC>("glDeleteProgram");
    {
        const std::lock_guard<std::mutex> lock(spyMutex);
        deleteCalls.push_back({std::this_thread::get_id(), CurrentEGLContext(), program});
    }
    next(program);
}

EGLContext EGLAPIENTRY eglCreateContext(EGLDisplay display, EGLConfig config, EGLContext share,
                                        const EGLint* attributes) {
    using Proc = EGLContext(EGLAPIENTRY*)(EGLDisplay, EGLConfig, EGLContext, const EGLint*);
    static const auto next = Next<Proc>("eglCreateContext");
    ++createContextCalls;
    if (refuseContexts) {
        return EGL_NO_CONTEXT;
    }
    return next(display, config, share, attributes);
}

}  // extern "C"

TEST_F(ThreadContextTest, FirstRenderCreatesContextAndProgramsSecondCreatesNothing) {
    SimulatedGlobals globals(globalContext);
    ThreadView first, second;
    EGLContext threadEGL = EGL_NO_CONTEXT;
    std::thread thread([&] {
        first = RenderOnce(globals);
        second = RenderOnce(globals);
        if (first.context) {
            SetCurrentContext(first.context);
            threadEGL = CurrentEGLContext();
            SetCurrentContext(nullptr);
        }
    });
    const std::thread::id id = thread.get_id();
    thread.join();

    ASSERT_NE(first.record, nullptr);
    ASSERT_NE(first.context, nullptr);
    EXPECT_NE(first.context, globalContext);
    EXPECT_EQ(first.contextsCreated, 1);
    EXPECT_EQ(first.programsCreated, 5);
    for (const GLuint name : {first.programs.preProc, first.programs.aberrate, first.programs.blurW,
                              first.programs.blurH, first.programs.postProc}) {
        EXPECT_NE(name, 0u);
    }
    EXPECT_EQ(first.currentAfterInit, threadEGL);
    EXPECT_EQ(first.currentAfterRelease, EGL_NO_CONTEXT);

    EXPECT_EQ(second.contextsCreated, 0);
    EXPECT_EQ(second.programsCreated, 0);
    EXPECT_EQ(second.record, first.record);
    EXPECT_EQ(second.context, first.context);
    EXPECT_EQ(second.currentAfterInit, threadEGL);
    EXPECT_EQ(second.currentAfterRelease, EGL_NO_CONTEXT);

    // At thread end its five programs went, in this order, with the
    // thread's own context current.
    const std::vector<DeleteCall> deletes = DeletesBy(id);
    const GLuint order[] = {first.programs.preProc, first.programs.aberrate, first.programs.blurW,
                            first.programs.blurH, first.programs.postProc};
    ASSERT_EQ(deletes.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(deletes[i].program, order[i]) << "deletion " << i;
        EXPECT_EQ(deletes[i].current, threadEGL) << "deletion " << i;
    }
}

TEST_F(ThreadContextTest, TwoThreadsGetTwoContexts) {
    SimulatedGlobals globals(globalContext);
    ThreadView views[2];
    std::mutex mutex;
    std::condition_variable bothDone;
    int done = 0;
    auto body = [&](int index) {
        views[index] = RenderOnce(globals);
        // Both stay alive until both have rendered, so neither record can
        // be freed and its address reused by the other.
        std::unique_lock<std::mutex> lock(mutex);
        ++done;
        bothDone.notify_all();
        bothDone.wait(lock, [&] { return done == 2; });
    };
    std::thread a(body, 0);
    std::thread b(body, 1);
    a.join();
    b.join();
    for (const ThreadView& view : views) {
        ASSERT_NE(view.context, nullptr);
        EXPECT_EQ(view.contextsCreated, 1);
        EXPECT_EQ(view.programsCreated, 5);
        EXPECT_NE(view.currentAfterInit, EGL_NO_CONTEXT);
        EXPECT_EQ(view.currentAfterRelease, EGL_NO_CONTEXT);
        EXPECT_EQ(DeletesBy(view.id).size(), 5u);
    }
    EXPECT_NE(views[0].record, views[1].record);
    EXPECT_NE(views[0].context, views[1].context);
    EXPECT_NE(views[0].currentAfterInit, views[1].currentAfterInit);
}

TEST_F(ThreadContextTest, WithoutGlobalContextNothingIsCreated) {
    SimulatedGlobals emptyContext(nullptr);
    SimulatedGlobals noBlock(globalContext);
    noBlock.given = nullptr;

    std::vector<ThreadView> views;
    std::thread::id id;
    LocalGLStruct* afterNullInData = reinterpret_cast<LocalGLStruct*>(1);
    std::thread thread([&] {
        id = std::this_thread::get_id();
        for (SimulatedGlobals* globals : {&emptyContext, &noBlock}) {
            views.push_back(RenderOnce(*globals));
        }
        InitThreadLocalRenderData(nullptr);
        afterNullInData = GetThreadLocalRenderData();
    });
    thread.join();
    for (const ThreadView& view : views) {
        EXPECT_EQ(view.record, nullptr);
        EXPECT_EQ(view.contextsCreated, 0);
        EXPECT_EQ(view.programsCreated, 0);
        EXPECT_EQ(view.currentAfterInit, EGL_NO_CONTEXT);
    }
    EXPECT_EQ(afterNullInData, nullptr);
    // A thread without a record deletes nothing when it ends.
    EXPECT_TRUE(DeletesBy(id).empty());
}

TEST_F(ThreadContextTest, FailedContextCreationIsKeptAndNeverRetried) {
    SimulatedGlobals globals(globalContext);
    ThreadView first, second;
    std::string printed;
    std::thread::id id;
    std::thread thread([&] {
        id = std::this_thread::get_id();
        refuseContexts = true;
        printed = CaptureStdout([&] { first = RenderOnce(globals); });
        second = RenderOnce(globals);
    });
    thread.join();

    // One line from the context layer, however many displays it tried.
    EXPECT_EQ(printed.rfind("OpenGL 3.2 Core Ctx can't be initialized", 0), 0u) << printed;
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
    ASSERT_NE(first.record, nullptr);
    EXPECT_EQ(first.context, nullptr);
    EXPECT_GE(first.contextsCreated, 1);
    EXPECT_EQ(first.programsCreated, 0);
    EXPECT_EQ(first.currentAfterInit, EGL_NO_CONTEXT);
    EXPECT_EQ(second.record, first.record);
    EXPECT_EQ(second.contextsCreated, 0);
    EXPECT_EQ(second.programsCreated, 0);
    EXPECT_EQ(second.currentAfterInit, EGL_NO_CONTEXT);
    EXPECT_TRUE(DeletesBy(id).empty());
}

TEST(ThreadContextDeleter, RecordWithoutContextIsOnlyFreed) {
    const int deletesBefore = static_cast<int>(DeletesBy(std::this_thread::get_id()).size());
    tls_ctx_deleter deleter;
    deleter(new LocalGLStruct{});
    deleter(nullptr);
    EXPECT_EQ(static_cast<int>(DeletesBy(std::this_thread::get_id()).size()), deletesBefore);
}
