// The memory a parsed hive holds, counted by a replaced operator new. An
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
  if (!p) return;
  liveBytes -= malloc_usable_size(p);
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

// One key `levels` deep ("k\k\...\k") with one value.
std::string DeepHive(int levels) {
  std::string path = "k";
  for (int i = 1; i < levels; ++i) path += "\\k";
  return "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + path + "]\n\"V\"=\"x\"\n";
}

TEST(RegHiveMemory, ADeepKeyHoldsMemoryInProportionToItsText) {
  for (const int levels : {20000, 40000}) {
    const std::string text = DeepHive(levels);
    const std::size_t before = liveBytes;
    const RegHive hive = RegHive::Parse(text, {RegRoot::LocalMachine});
    const std::size_t held = liveBytes - before;
    // Each level costs its node and its name once: a few dozen bytes for its
    // two bytes of text, where keeping every ancestor's whole path took
    // thousands (20,000 levels: 488 MB).
    EXPECT_LT(held, 64 * text.size()) << levels << " levels hold " << held << " bytes";
    const std::string path = text.substr(text.find('\\') + 1, 2 * levels - 1);
    ASSERT_NE(hive.FindValue(RegRoot::LocalMachine, path, "V"), nullptr) << levels;
    EXPECT_TRUE(hive.KeyExists(RegRoot::LocalMachine, path.substr(0, levels - 1))) << levels;
  }
}

}  // namespace
