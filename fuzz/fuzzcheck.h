// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <cstdio>
#include <cstdlib>

// Fuzz builds keep NDEBUG, so properties are checked without assert.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

inline bool componentsInRange(const tintmere::Color& c) {
    const auto ok = [](float v) { return v >= 0.0f && v <= 1.0f; };
    return ok(c.red) && ok(c.green) && ok(c.blue) && c.alpha == 1.0f;
}
