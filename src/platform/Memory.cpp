#include "platform/Memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// Blocks up to this size come from the heap: every window picture up to that of
// a maximised window on a 4K screen. It is the largest threshold the C library
// takes on 64-bit systems, and as large as the one it would move to by itself
// after freeing such a picture once.
constexpr std::size_t HeapBlockBytes = (std::size_t{4} << 20) * sizeof(long);

// Freed memory kept at the heap's top for the next window: a maximised window's
// picture on screens up to 2560 x 1440 pixels; small beside a desktop's memory.
constexpr std::size_t KeptBytes = std::size_t{16} << 20;

std::size_t prepared = 0;

}  // namespace

void KeepFreedMemory() {
#if defined(__GLIBC__)
  // Blocks above the threshold would be mapped afresh and handed back on every
  // free, so every window picture would be faulted in page by page again.
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(HeapBlockBytes));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(KeptBytes));
#endif
}

void PrepareWorkingMemory(std::size_t bytes) {
#if defined(__GLIBC__)
  // More than is kept would be handed back to the system at once.
  bytes = std::min(bytes, KeptBytes);
  if (bytes <= prepared) return;
  void* block = std::malloc(bytes);
  if (!block) return;
  auto* first = static_cast<unsigned char*>(block);
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  // The kernel maps the range's pages in one call where it can, far quicker than
  // one page fault for each; a write to each page then makes them wholly ready
  // (on a virtual machine the first write to a page still waits for the host to
  // back it), and does all the work where that call is not available.
#if defined(MADV_POPULATE_WRITE)
  const auto start = reinterpret_cast<std::uintptr_t>(first);
  const std::uintptr_t alignedStart = (start + page - 1) / page * page;
  const std::uintptr_t alignedEnd = (start + bytes) / page * page;
  if (alignedEnd > alignedStart) {
    madvise(reinterpret_cast<void*>(alignedStart), alignedEnd - alignedStart, MADV_POPULATE_WRITE);
  }
#endif
  volatile unsigned char* touch = first;
  for (std::size_t offset = 0; offset < bytes; offset += page) touch[offset] = 0;
  std::free(block);
  prepared = bytes;
#else
  (void)bytes;
#endif
}

}  // namespace platform
