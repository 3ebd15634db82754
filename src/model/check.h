#pragma once
#include <cstdio>
#include <cstdlib>

// Always-on check for programming errors (an index outside a table, say):
// a wrong index must stop the program loudly, never write past a table.
#define MORVADEL_CHECK(cond)                                                     \
  do {                                                                           \
    if (!(cond)) {                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                              \
    }                                                                            \
  } while (0)
