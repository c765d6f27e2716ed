#include "platform/LargeBlocks.h"

#include <algorithm>
#include <cstdlib>
#include <sys/mman.h>

namespace qor {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;

} // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    // Whole huge pages, aligned to them, so that the kernel can back the
    // block with them.
    const std::size_t rounded =
        (std::max<std::size_t>(bytes, 1) + HugePage - 1) / HugePage * HugePage;
    void* block = std::aligned_alloc(HugePage, rounded);
    if (block)
        madvise(block, rounded, MADV_HUGEPAGE); // a hint; without huge pages nothing changes
    return block;
}

void FreeLargeBlock(void* block) {
    std::free(block);
}

} // namespace qor
