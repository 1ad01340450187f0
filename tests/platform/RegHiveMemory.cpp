// The memory a parsed hive holds, counted by a replaced operator new: an
// executable of its own, so that the count sees nothing but the hive.

#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/RegHive.h"

namespace {
std::atomic<std::size_t> liveBytes{0};
}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  liveBytes += malloc_usable_size(p);
  return p;
}

void operator delete(void* p) noexcept {
  if (p) liveBytes -= malloc_usable_size(p);
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

// Each level of one deep key ("k\k\...\k") costs a few dozen bytes for its two
// bytes of text; with every ancestor's whole path kept, 20,000 levels took 488 MB.
TEST(RegHiveMemory, ADeepKeyHoldsMemoryInProportionToItsText) {
  for (const int levels : {20000, 40000}) {
    std::string path = "k";
    for (int i = 1; i < levels; ++i) path += "\\k";
    const std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + path + "]\n\"V\"=\"x\"\n";
    const std::size_t before = liveBytes;
    const RegHive hive = RegHive::Parse(text, {RegRoot::LocalMachine});
    const std::size_t held = liveBytes - before;
    EXPECT_LT(held, 64 * text.size()) << levels << " levels hold " << held << " bytes";
    EXPECT_NE(hive.FindValue(RegRoot::LocalMachine, path, "V"), nullptr) << levels;
    EXPECT_TRUE(hive.KeyExists(RegRoot::LocalMachine, path.substr(0, levels - 1))) << levels;
  }
}
