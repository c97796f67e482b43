#include "platform/Memory.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

// Room for a maximised window's picture on screens up to about 3600 x 2200
// pixels, and small beside a desktop's memory; the largest threshold the C
// library takes. A larger picture is mapped and handed back as before.
constexpr std::size_t KeptBytes = std::size_t{16} << 20;

std::size_t prepared = 0;

}  // namespace

void KeepFreedMemory() {
#if defined(__GLIBC__)
  // Blocks above the threshold would be mapped afresh and handed back on every
  // free, so every window picture would be faulted in page by page again.
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(KeptBytes));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(KeptBytes));
#endif
}

void PrepareWorkingMemory(std::size_t bytes) {
#if defined(__GLIBC__)
  if (bytes <= prepared || bytes > KeptBytes) return;
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
