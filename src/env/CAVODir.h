// The installation locator: finds the folder of the Visual Objects IDE from
// the registry entries its own setup left behind. Reads only; shows nothing.
//
// Which entries are read depends on the generation text, the upper-cased
// version text of the runtime the program is built for. A lookup table row
// is picked by the first prefix the generation text begins with; only that
// row is tried.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileSpec.h"

namespace formfit {

enum class RegistryRoot { LocalMachine, CurrentUser };

// Path form A: a value that may be a quoted command followed by arguments.
// Path form B: a plain path, perhaps enclosed in quotes.
enum class PathForm { A, B };

// One registry read and how its value becomes a location.
struct CAVODirTry {
  RegistryRoot root;
  // Opened in this order; the value is read from the first key that opens
  // only, whether or not it holds the value.
  std::vector<std::string_view> keys;
  std::string_view valueName;
  PathForm form;
  bool appendBackslash;  // when the path does not end in "\"
  bool folderUp;         // drop file name and extension, then one folder up
};

struct CAVODirRow {
  std::string_view generationPrefix;  // empty in the last row: any text
  // The second try runs only when the first finds no value.
  std::vector<CAVODirTry> tries;
};

// The rows in the order they are tested; the last matches any text.
const std::vector<CAVODirRow>& CAVODirTable();

// The row for `generation`.
const CAVODirRow& CAVODirRowFor(std::string_view generation);

// The generation text of this build, upper case.
std::string GenerationText();

// Form A: a text opening with a double quote gives what stands up to the
// next double quote (from its third character on), or all after the
// opening quote when none follows; other texts are kept.
std::string PathFormA(std::string_view value);
// Form B: a text opening with a double quote loses its first and last
// character; other texts are kept.
std::string PathFormB(std::string_view value);

// The location that `value`, read by `attempt`, names.
FileSpec CAVODirLocation(const CAVODirTry& attempt, std::string_view value);

// Reads the value a try names; none when no key opens or the value cannot
// be read.
using CAVODirReader = std::function<std::optional<std::string>(const CAVODirTry&)>;

// The location for `generation`, with the registry read through `read`;
// none when no try of the row finds a value.
std::optional<FileSpec> CAVODirFrom(std::string_view generation, const CAVODirReader& read);

// Reads a try from this machine's registry (32-bit view, read access);
// where there is no registry, always none.
std::optional<std::string> ReadRegistryValue(const CAVODirTry& attempt);

// The IDE's folder on this machine (drive and folder path with a trailing
// "\" for the current generation), or none.
std::optional<FileSpec> CAVODir();

}  // namespace formfit
