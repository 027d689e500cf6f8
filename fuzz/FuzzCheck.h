#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A harness's invariant: when it does not hold, the input is a finding, reported by the crash.
inline void Require(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "finding: %s\n", what.c_str());
        std::abort();
    }
}
