#pragma once
#include <cstddef>

// Watches the heap while a reader runs on one input: a reader may allocate a small multiple
// of its input, whatever a count in the input claims. Built on the sanitizer's allocation
// hooks, so it sees malloc as well as new.
namespace AllocationBudget {

// Starts watching; Check then aborts with a report when the peak since Start went beyond
// factor times inputSize plus a fixed allowance and the extra bytes given.
void Start();
void Check(std::size_t inputSize, std::size_t factor, std::size_t extra = 0);

} // namespace AllocationBudget
