// How many times the test program has taken memory from the heap, so that a
// test can say that an operation took none.
#pragma once

#include <cstddef>

namespace corvane::testing {

std::size_t heapAllocations();

}  // namespace corvane::testing
