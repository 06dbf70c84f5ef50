// Installing a component (remove, then add) into configuration texts,
// beside a plain copy of the same text as the floor. Two ways of growth:
// a 40-block component into texts of 100 KB, 1 MB and 10 MB, where the time
// per byte should stay flat, and components of 1,000 and 10,000 blocks into
// a 1 MB text, where ten times the blocks should cost about ten times as much.
// A check (a remove, an add, a remove again and the lines between them
// counted) should cost a small multiple of an install, growing alike.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "BenchTexts.h"
#include "engine/Formfit.h"

namespace formfit::bench {
namespace {

// The steady state of a reinstallation: the component is in the text already.
void Reinstall(benchmark::State& state, std::size_t textSize, int blocks) {
  const Component component = Component::Read(IniText(ComponentFile(blocks)), "Grid");
  const std::string text = Formfit::ComponentAdd(Configuration(textSize), component);
  for (auto _ : state) {
    Formfit::Reinstallation result = Formfit::ComponentReinstall(text, component);
    benchmark::DoNotOptimize(result.text.data());
    if (result.text != text) state.SkipWithError("reinstalling changed the text");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void BM_Install(benchmark::State& state) {
  Reinstall(state, static_cast<std::size_t>(state.range(0)), 40);
}

void BM_InstallBlocks(benchmark::State& state) {
  Reinstall(state, 1 << 20, static_cast<int>(state.range(0)));
}

void BM_Check(benchmark::State& state) {
  const Component component = Component::Read(IniText(ComponentFile(40)), "Grid");
  const std::string text =
      Formfit::ComponentAdd(Configuration(static_cast<std::size_t>(state.range(0))), component);
  for (auto _ : state) {
    if (Formfit::ComponentCheck(text, component) != Formfit::Finding::kInstalled) {
      state.SkipWithError("the installed component was not found installed");
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void BM_Memcpy(benchmark::State& state) {
  const std::string text = Configuration(static_cast<std::size_t>(state.range(0)));
  std::string copy(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_Install)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InstallBlocks)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace formfit::bench

BENCHMARK_MAIN();
