// Installing a component of 40 blocks (remove, then add) into configuration
// texts of 100 KB, 1 MB and 10 MB, beside a plain copy of the same text as
// the floor. The time per byte should stay flat as the text grows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/Formfit.h"

namespace formfit {
namespace {

constexpr int kBlocks = 40;
constexpr int kKeys = 8;

// A configuration text of about `size` bytes with the usual landmarks: a
// tenth of it forms, most of it controls, the rest key lines of the three
// parts.
std::string Configuration(size_t size) {
  const std::string control =
      "ClassName=Control\r\nWinClass=Button\r\nStyle=WS_CHILD|WS_TABSTOP\r\nSize=50,14\r\n";
  std::string text = "; DEDUDED.INF\r\n\r\n";
  auto sections = [&](const std::string& prefix, size_t until) {
    for (int n = 0; text.size() < until; ++n) {
      text += "[" + prefix + std::to_string(n) + "]\r\n" + control + "\r\n";
    }
  };
  sections("FORM:F", size / 10);
  text += "[CONTROL]\r\nCount=1\r\n\r\n";
  sections("C", size * 8 / 10);
  const char* const parts[] = {"[AssignMap]", "[StdProperties]",
                               ";**** Association between types and controls"};
  for (const char* part : parts) {
    text += std::string(part) + "\r\n";
    for (int n = 0; text.size() < size * (9 + (part == parts[2])) / 10 - 1000 * (part == parts[0]);
         ++n) {
      text +=
          "K" + std::to_string(n % kKeys) + "x" + std::to_string(n) + "=Element,Other,Third\r\n";
    }
    for (int n = 0; n < kKeys; ++n) text += "K" + std::to_string(n) + "=A,B\r\n";
    text += "\r\n";
  }
  text += "[SupplementalFiles]\r\n1=CAVOWED.TPL\r\n";
  return text;
}

// 40 blocks: new controls and forms and extensions of existing sections,
// and "+" entries in all three parts.
std::string ComponentFile() {
  std::string contents = "[CONTENTS]\r\n";
  std::string sections;
  for (int n = 0; n < kBlocks; ++n) {
    const std::string id = std::to_string(n);
    std::string section;
    switch (n % 4) {
      case 0:
        section = "GridControl" + id;
        break;
      case 1:
        section = "FORM:GridWindow" + id;
        break;
      case 2:
        section = "+FORM:F" + id;
        break;
      default:
        section = "+C" + id;
        break;
    }
    contents += "Block" + id + "=" + section + "\r\n";
    sections += "[" + section.substr(section[0] == '+') + "]\r\nClassName=Grid" + id +
                "\r\nSize=200,120\r\nFloatBar=C:\\VO28\\BIN\\GRIDBAR.DLL\r\n";
  }
  for (const char* part : {"AssignMap", "StdProperties", "StdProperties II"}) {
    sections += std::string("[") + part + "]\r\n";
    for (int n = 0; n < kKeys; ++n) sections += "K" + std::to_string(n) + "=+,Grid\r\n";
    sections += "GridOnly=GridControl\r\n";
  }
  return contents + sections;
}

class ComponentFileOnDisk {
 public:
  ComponentFileOnDisk()
      : path_((std::filesystem::temp_directory_path() / "ComponentBench.wed").string()) {
    const std::string bytes = ComponentFile();
    FILE* file = std::fopen(path_.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  ~ComponentFileOnDisk() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void BM_Install(benchmark::State& state) {
  const ComponentFileOnDisk component;
  const qIniFile ini(component.Path());
  // The steady state of a reinstallation: the component is in the text.
  const std::string text =
      Formfit::ComponentAdd(Configuration(static_cast<size_t>(state.range(0))), "Grid", ini);
  for (auto _ : state) {
    std::string result =
        Formfit::ComponentAdd(Formfit::ComponentRemove(text, "Grid", ini), "Grid", ini);
    benchmark::DoNotOptimize(result.data());
    if (result != text) state.SkipWithError("reinstalling changed the text");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}

void BM_Memcpy(benchmark::State& state) {
  const std::string text = Configuration(static_cast<size_t>(state.range(0)));
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
BENCHMARK(BM_Memcpy)->Arg(100 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace formfit

BENCHMARK_MAIN();
