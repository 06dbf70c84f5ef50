// One Install in a folder, as a silent run makes it, for measuring a whole
// run from outside (peak memory with /usr/bin/time -v, say).
//
//   InstallOnce make FOLDER MEGABYTES   writes FOLDER/BIN/DEDUDED.INF of about
//                                       that size and FOLDER/BIN/grid.wed
//   InstallOnce FOLDER                  installs Grid from grid.wed; prints the
//                                       status code, exits with its exit status
//   InstallOnce FOLDER DIFF             the same as a preview: changes nothing,
//                                       writes the diff to DIFF
#include <cstdio>
#include <fstream>
#include <string>

#include "BenchTexts.h"
#include "app/Preview.h"
#include "app/ProgramEnvironment.h"
#include "app/SetupAction.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace formfit;
  if (argc == 4 && std::string(argv[1]) == "make") {
    const std::string bin = std::string(argv[2]) + "/BIN/";
    const std::size_t size = std::stoul(argv[3]) << 20;
    return WriteFile(bin + "DEDUDED.INF", bench::Configuration(size)) &&
                   WriteFile(bin + "grid.wed", bench::ComponentFile(40))
               ? 0
               : 1;
  }
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: InstallOnce make FOLDER MEGABYTES | InstallOnce FOLDER [DIFF]\n");
    return 2;
  }
  SetupChoice choice;
  choice.cavoFolder = argv[1];
  choice.componentName = "Grid";
  choice.componentFile = choice.cavoFolder + "/BIN/grid.wed";
  choice.mode = Mode::kAdd;
  if (argc == 3) choice.previewFile = argv[2];
  ProgramEnvironment environment;
  const SetupResult result =
      argc == 3 ? PreviewAction(environment, choice) : SetupAction(environment, choice);
  std::printf("%s\n", result.status ? result.status->code.Name().c_str() : "(none)");
  return result.exitStatus;
}
