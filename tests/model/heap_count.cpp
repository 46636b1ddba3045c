// The program's operator new, counting.
#include "heap_count.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace corvane::testing {

std::size_t heapAllocations() {
  return allocations;
}

}  // namespace corvane::testing
