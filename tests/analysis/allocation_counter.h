#pragma once
// Number of allocations made through operator new so far in this test
// program (the operators are replaced in allocation_counter.cpp).

namespace tervane::analysis::testing {

long AllocationCount();

}  // namespace tervane::analysis::testing
