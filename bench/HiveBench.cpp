// A registry hive of 100,000 keys: reading its text into keys, and finding a
// key in it; next to the floor, the key lines put into a plain hash map.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/RegHive.h"

namespace {

constexpr int kKeys = 100000;

const std::string& HiveText() {
  static const std::string text = [] {
    std::string t = "REGEDIT4\n\n";
    for (int i = 0; i < kKeys; ++i) {
      t += "[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quillmar\\SocSecMedicare\\" +
           std::to_string(i) + "]\n";
      t += "\"SocSecMaxWage\"=hex:00,e0,6e,8b,15,00,00,00\n\n";
    }
    return t;
  }();
  return text;
}

void BM_ParseHive(benchmark::State& state) {
  for (auto _ : state) {
    const RegHive hive = RegHive::Parse(HiveText(), {RegRoot::LocalMachine, RegRoot::ClassesRoot});
    benchmark::DoNotOptimize(hive.KeyExists(RegRoot::LocalMachine,
                                            "Software\\Tolvane\\Quillmar\\SocSecMedicare\\99999"));
  }
}

// The floor: every key line into an unordered_map, nothing read or checked.
void BM_HashKeyLinesFloor(benchmark::State& state) {
  for (auto _ : state) {
    std::unordered_map<std::string, int> keys;
    std::string_view text = HiveText();
    for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(end + 1)) {
      if (end > 0 && text[0] == '[') keys.emplace(text.substr(1, end - 2), 0);
    }
    benchmark::DoNotOptimize(keys.size());
  }
}

void BM_FindKey(benchmark::State& state) {
  const RegHive hive = RegHive::Parse(HiveText(), {RegRoot::LocalMachine, RegRoot::ClassesRoot});
  int i = 0;
  for (auto _ : state) {
    const std::string key =
        "software\\tolvane\\quillmar\\socsecmedicare\\" + std::to_string(i++ % kKeys);
    benchmark::DoNotOptimize(hive.FindValue(RegRoot::LocalMachine, key, "SocSecMaxWage"));
  }
}

BENCHMARK(BM_ParseHive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HashKeyLinesFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindKey)->Unit(benchmark::kMicrosecond);

}  // namespace
