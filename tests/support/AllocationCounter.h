// Counts the heap allocations of the whole program: every form of operator new, and malloc,
// calloc and realloc called from code linked into it (the link options of this library route
// those calls through the counter). For benchmarks and tests that must see how many allocations
// a piece of work makes; it does not change what the allocations do.
#pragma once

namespace kztest {

// Allocations made by the program so far.
long allocationCount();

}  // namespace kztest
