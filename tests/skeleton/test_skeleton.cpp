#include <gtest/gtest.h>
#include <dlfcn.h>

// The module builds and loads the way a host loads it.
TEST(Skeleton, ModuleLoads) {
    void* module = dlopen(HLV3_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    dlclose(module);
}
