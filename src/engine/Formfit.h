// The engine that adds one component to the Window Editor's configuration
// file DEDUDED.INF, or takes it out again.
//
// The text operations (Block*, Component*) take the whole configuration text
// as bytes and return the new whole text or what they find in it; they touch
// no file. Install, Deinstall, Check and Restore are the file-level runs:
// each checks its inputs, then plans on the bytes it reads (Plan.h) and
// leaves the rest to the commit (Commit.h), and its status is what the
// commit hands back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/FileOps.h"
#include "base/FileSpec.h"
#include "base/Pairs.h"
#include "base/Symbol.h"
#include "engine/Component.h"
#include "engine/Mode.h"
#include "engine/Outcome.h"

namespace formfit {

// What the engine needs of the program around it: the file system, the
// language texts, the setup log and the clock. The application wires the
// real ones in; tests record what the engine says and how long it waits.
class EngineEnvironment {
 public:
  virtual ~EngineEnvironment() = default;
  virtual FileOps& Files() = 0;
  // The language text `number`, with the empty text as default.
  virtual std::string Text(unsigned number) = 0;
  // A date-and-time line in the setup log.
  virtual void LogTimestamp() = 0;
  // One line of text in the setup log.
  virtual void Log(std::string_view text) = 0;
  // Lets `milliseconds` pass.
  virtual void Pause(unsigned milliseconds) = 0;
};

class Formfit {
 public:
  explicit Formfit(EngineEnvironment& environment) : environment_(environment) {}

  // The configuration file: a path, completed with the name "DEDUDED" and
  // the extension ".INF" where it has none.
  Formfit& Init(const FileSpec& file);
  Formfit& Init(std::string_view path) { return Init(FileSpec(path)); }
  const FileSpec& ConfigurationFile() const { return file_; }

  // Puts the component into the configuration file (removing an earlier copy
  // first). True when the file was rewritten; the status is set in every case,
  // its code one of those in Outcome.h. The component file is read once.
  // The file is rewritten only after its backup exists; when rewriting it
  // fails, its original bytes are put back (the backup stays), and where even
  // that fails the status names the backup. A read-only file is made writable
  // and stays so.
  //
  // When nothing of the component can be placed (no landmark, no line ends
  // of CR LF, a component file without entries for the name, or one that
  // cannot be read), the status is COMPONENT_NOT_PLACED and nothing on disk
  // changes: not the file, not its read-only attribute, and no backup is
  // made. Placing only some of the component is a success.
  bool Install(const std::string& componentName, const std::string& componentFile);
  // Takes the component out of the configuration file; otherwise as Install.
  // Taking out a component that is not in the file is a success.
  bool Deinstall(const std::string& componentName, const std::string& componentFile);

  // Finds out whether the component is in the configuration file, as
  // ComponentCheck tells, and writes nothing: no backup, no rewrite, the
  // read-only attribute as it was. True when the component is installed
  // (COMPONENT_INSTALLED); otherwise the status is COMPONENT_NOT_INSTALLED,
  // COMPONENT_INSTALLED_IN_PART or COMPONENT_NOT_PLACED, or says why the
  // files could not be read as for Install.
  bool Check(const std::string& componentName, const std::string& componentFile);

  // Puts the numbered backup `backup` of the configuration file back: its
  // number as a command line gives it, 0 to 999 with leading zeros or
  // without; when empty, the newest backup by its last write time, and of
  // two as new the higher number. True when the file was rewritten, or held
  // the backup's bytes already (then nothing is written, no backup is made
  // and the read-only attribute stays as it was); the status is SUCCESS
  // then. Otherwise it is BACKUP_NOT_FOUND when there is no such backup, the
  // number is none, or the backup is not a plain file that can be read whole
  // (a folder, a link), and nothing changes; or it says why as for Install.
  bool Restore(std::string_view backup);

  // The run `request` asks for, as the call of its mode above.
  bool Run(const RunRequest& request);

  // What a preview of a run reads and would write.
  struct Previewed {
    bool ok = false;  // as the run would answer
    // The configuration file's bytes as read (empty when they could not be),
    // and as the run would leave them: for a check, as an Add would; none
    // when the file would stay as it is.
    std::string before;
    std::optional<std::string> after;
  };
  // The run `request` asks for as a preview: the same steps, log lines and
  // status as the run, and nothing on disk changes (no backup, no rewrite,
  // no attribute). The backup a change would make is named as the change
  // would name it now.
  Previewed Preview(const RunRequest& request);

  // The status of the last run; none before the first.
  const std::optional<StatusLabel>& Status() const { return status_; }

  // Inserts a block of lines ahead of the first occurrence of `anchor`;
  // the text unchanged when the anchor does not occur.
  static std::string BlockAdd(std::string text, std::string_view anchor, const Pairs& entries,
                              std::optional<std::string_view> header = std::nullopt,
                              std::optional<std::string_view> footer = std::nullopt);
  // Cuts from the first occurrence of `start` through the first occurrence
  // of `end` after it.
  static std::string BlockRemove(std::string text, std::string_view start, std::string_view end);
  // Appends every "+" value to its key's line between `start` and `end`;
  // deals with `entries` in place (see the definition).
  static std::string BlockExtend(std::string text, std::string_view start, std::string_view end,
                                 Pairs& entries);
  // Takes every "+" value out of its key's line again. An occurrence that
  // ends inside a longer name (",Grid" in ",GridEx") is someone else's
  // element and is passed over.
  static std::string BlockReduce(std::string text, std::string_view start, std::string_view end,
                                 Pairs& entries);

  // Merges the component's blocks into the text; what cannot be placed is
  // left out silently.
  static std::string ComponentAdd(std::string text, const Component& component);
  // Takes the component's blocks out of the text.
  static std::string ComponentRemove(std::string text, const Component& component);

  // ComponentRemove, then ComponentAdd, as Install does; `placed` is false
  // when the add left the text as the remove left it.
  struct Reinstallation {
    std::string text;
    bool placed = false;
  };
  static Reinstallation ComponentReinstall(std::string text, const Component& component);

  // What ComponentCheck finds of a component in a text.
  enum class Finding {
    // The component places nothing in the text (as for Install).
    kNotPlaced,
    // Taking the component out would change nothing.
    kNotInstalled,
    // Taking it out takes out the very lines, blank lines aside, that it
    // takes out of the text after a fresh ComponentReinstall.
    kInstalled,
    // Something else: a part of it, or another version of its entries.
    kInPart,
  };
  // The finding, in the order above: the first that holds.
  static Finding ComponentCheck(const std::string& text, const Component& component);

 private:
  struct Ended;
  Ended Execute(const RunRequest& request, bool preview);

  EngineEnvironment& environment_;
  FileSpec file_;
  std::optional<StatusLabel> status_;
};

}  // namespace formfit
