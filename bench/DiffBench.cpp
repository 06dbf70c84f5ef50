// The unified diff of configuration texts of 1,000 to 1,000,000 CR LF lines
// with 20 inserted blocks and a few deleted lines spread over them. The
// changes are as many at every size, so ten times the lines should cost about
// ten times as much.
//
// And one block inserted in the middle, as a preview of a small change to a
// large file sees it, beside a memcpy of the two texts: the common start and
// end are compared, not split, so the two should grow alike and stay close.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "base/UnifiedDiff.h"

namespace formfit::bench {
namespace {

struct Texts {
  std::string before;
  std::string after;
};

// Sections of key lines, values repeating as they do in a real configuration.
std::vector<std::string> ConfigurationLines(int count) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (i % 25 == 0) {
      lines.push_back("[Section" + std::to_string(i / 25) + "]\r\n");
    } else if (i % 25 == 24) {
      lines.push_back("\r\n");
    } else {
      lines.push_back("Key" + std::to_string(i % 25) + "=Value" + std::to_string(i % 7) + "\r\n");
    }
  }
  return lines;
}

Texts Changed(int count) {
  const std::vector<std::string> lines = ConfigurationLines(count);
  Texts texts;
  constexpr int kBlocks = 20;
  for (int i = 0; i < count; ++i) {
    texts.before += lines[static_cast<std::size_t>(i)];
    const int block = i * kBlocks / count;
    // A block of four lines at the start of each twentieth.
    if (i == block * count / kBlocks) {
      for (int k = 0; k < 4; ++k) {
        texts.after += "Added" + std::to_string(block) + "_" + std::to_string(k) + "=1\r\n";
      }
    }
    // Five lines deleted, one in the middle of every fourth twentieth.
    if (block % 4 == 1 && i == (2 * block + 1) * count / (2 * kBlocks)) continue;
    texts.after += lines[static_cast<std::size_t>(i)];
  }
  return texts;
}

void BM_UnifiedDiff(benchmark::State& state) {
  const Texts texts = Changed(static_cast<int>(state.range(0)));
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string diff = UnifiedDiff(texts.before, texts.after, "before", "after");
    size = diff.size();
    benchmark::DoNotOptimize(diff.data());
  }
  state.counters["diff_bytes"] = static_cast<double>(size);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(texts.before.size() + texts.after.size()));
}

BENCHMARK(BM_UnifiedDiff)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

Texts OneBlock(int count) {
  const std::vector<std::string> lines = ConfigurationLines(count);
  Texts texts;
  for (int i = 0; i < count; ++i) {
    if (i == count / 2) texts.after += "Added=1\r\nAdded=2\r\nAdded=3\r\nAdded=4\r\n";
    texts.before += lines[static_cast<std::size_t>(i)];
    texts.after += lines[static_cast<std::size_t>(i)];
  }
  return texts;
}

void BM_UnifiedDiffOneBlock(benchmark::State& state) {
  const Texts texts = OneBlock(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const std::string diff = UnifiedDiff(texts.before, texts.after, "before", "after");
    benchmark::DoNotOptimize(diff.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(texts.before.size() + texts.after.size()));
}

void BM_Memcpy(benchmark::State& state) {
  const Texts texts = OneBlock(static_cast<int>(state.range(0)));
  std::string copy(texts.before.size() + texts.after.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), texts.before.data(), texts.before.size());
    std::memcpy(copy.data() + texts.before.size(), texts.after.data(), texts.after.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(copy.size()));
}

BENCHMARK(BM_UnifiedDiffOneBlock)->Arg(10000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_Memcpy)->Arg(10000)->Arg(100000)->Arg(1000000);

}  // namespace
}  // namespace formfit::bench

BENCHMARK_MAIN();
