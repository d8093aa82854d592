// Invariant checks of the fuzz targets: a broken invariant is a finding, so
// it stops the run with a message the way a crash does.
#pragma once

#include <cstdio>
#include <cstdlib>

#define GLAVO_FUZZ_CHECK(condition, ...)                          \
  do {                                                            \
    if (!(condition)) {                                           \
      std::fprintf(stderr, "invariant broken: %s: ", #condition); \
      std::fprintf(stderr, __VA_ARGS__);                          \
      std::fprintf(stderr, "\n");                                 \
      std::abort();                                               \
    }                                                             \
  } while (false)
