#pragma once
// Several lanes of the vector unit for loops of plain arithmetic, chosen at
// start-up from what the processor has. Only additions, subtractions,
// multiplications, divisions and comparisons are made in them, and never
// contracted, so every lane rounds as a plain build does.

namespace tervane::analysis {

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define TERVANE_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define TERVANE_VECTOR_CLONES
#endif

// Eight doubles side by side, and the mask a comparison of two gives.
typedef double Lanes8 __attribute__((vector_size(8 * sizeof(double))));
typedef long long LaneMask8 __attribute__((vector_size(8 * sizeof(long long))));

}  // namespace tervane::analysis
