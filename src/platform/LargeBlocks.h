#pragma once
// Memory for large buffers that are filled right after they are made, such
// as page buffers. Where the kernel offers transparent huge pages the block
// comes in 2 MB pages: the first touch of every 4 KB page otherwise costs a
// page fault, which dominates drawing a long page for the first time.
//
//   void* block = AllocateLargeBlock(bytes);
//   ...
//   FreeLargeBlock(block);

#include <cstddef>

namespace qor {

// At least bytes of uninitialised memory, or null when there is none.
void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block);

} // namespace qor
