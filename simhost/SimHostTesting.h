#pragma once

// GoogleTest helpers for tests that drive the simulated host. Include only
// from test code (it includes gtest).

#include "simhost/SimHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace simhost {

// Every violation, one per line; empty when there is none.
inline std::string Describe(const std::vector<std::string>& violations) {
    std::string text;
    for (const std::string& v : violations)
        text += v + "\n";
    return text;
}

// True when some violation contains `fragment`.
inline bool Mentions(const std::vector<std::string>& violations, const std::string& fragment) {
    for (const std::string& v : violations) {
        if (v.find(fragment) != std::string::npos)
            return true;
    }
    return false;
}

// Fails the running test with the violations a dying host still held.
inline void FailTestOnUninspected(const std::vector<std::string>& violations) {
    ADD_FAILURE() << "the simulated host saw violations the test never inspected:\n"
                  << Describe(violations);
}

// Installed once per test program that includes this header.
inline const UninspectedHandler kPreviousUninspectedHandler =
    SetUninspectedHandler(&FailTestOnUninspected);

}  // namespace simhost

// The host saw no fault since the last take (takes them).
#define EXPECT_HOST_CLEAN(host) EXPECT_EQ("", ::simhost::Describe((host).TakeViolations()))
// The host saw no fault at all, end-of-life checks included (calls Finish()).
#define EXPECT_HOST_FINISHES_CLEAN(host) EXPECT_EQ("", ::simhost::Describe((host).Finish()))
