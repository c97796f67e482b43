// The memory made ready while the program is idle, against the real system: a
// window-sized block allocated afterwards must find its pages already in place.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

#include "platform/Memory.h"

namespace {

long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Allocates bytes, writes every byte and frees them; the page faults that took.
long FaultsToFill(std::size_t bytes) {
  const long before = MinorFaults();
  void* block = std::malloc(bytes);
  if (!block) return -1;
  std::memset(block, 1, bytes);
  std::free(block);
  return MinorFaults() - before;
}

}  // namespace

TEST(Memory, AWindowPictureAfterThePreparationFindsItsPagesInPlace) {
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
  GTEST_SKIP() << "the sanitizer's allocator keeps memory its own way";
#else
  constexpr std::size_t Prepared = std::size_t{10} << 20;
  constexpr std::size_t Picture = std::size_t{8} << 20;  // a 1920 x 1080 window's picture
  constexpr long Pages = static_cast<long>(Picture / 4096);
  platform::KeepFreedMemory();
  platform::PrepareWorkingMemory(Prepared);
  EXPECT_LT(FaultsToFill(Picture), Pages / 10);
  // Freed, it stays ready for the next window.
  EXPECT_LT(FaultsToFill(Picture), Pages / 10);
#endif
}
