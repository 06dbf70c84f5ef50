// The file system as a preview sees it: everything is read from the real
// files, and every change (a write, a new name, a removal, a read-only
// attribute) is kept in memory, so the run behaves as a real one while
// nothing on disk changes. A file's bytes are held in memory only once the
// run writes them: an unchanged file, under its own name or another, is
// read from the real file when read, and so is a file written as an exact
// copy of the real file it was made beside (the backup of the configuration
// file), so a preview holds about as many bytes as the run itself.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileOps.h"

namespace formfit {

class PreviewFileOps : public FileOps {
 public:
  // Reads from `real`, which must outlive this object.
  explicit PreviewFileOps(FileOps& real) : real_(real) {}

  // The bytes the run left at `path`, valid until the next change here;
  // none when it wrote nothing there or left the real file's own bytes.
  std::optional<std::string_view> Written(const std::string& path);

  bool Exists(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  bool ClearReadOnly(const std::string& path) override;
  bool SetReadOnly(const std::string& path) override;
  // The real files the run has not removed, and the files it keeps here in
  // that folder; a file kept here counts as written at the call.
  std::vector<PlainFile> PlainFiles(const std::string& beside) override;
  std::unique_ptr<OpenFile> OpenRead(const std::string& path) override;
  // A real file the run could open only after clearing its read-only
  // attribute counts as writable once the attribute is cleared here.
  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override;
  // When what is first written to the new file, from its start, is exactly
  // the real file behind `beside`, the new file keeps no bytes of its own.
  std::unique_ptr<OpenFile> CreateTemporary(const std::string& beside, std::string& name) override;
  // The real leftovers, less those removed here.
  std::vector<std::string> Leftovers(const std::string& beside) override;
  // Removes as Remove does, in memory: no real file counts as held, since
  // only a real removal could tell.
  bool RemoveUnlessHeld(const std::string& path) override;
  // Something under `to` counts as taken when it is a file, real or kept
  // here; a real folder of that name is not seen.
  Naming NameNew(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;

 private:
  // What a file holds here: bytes of its own, or those of a real file, which
  // the preview never changes. Shared by the names a file had and its open
  // handles.
  struct Content {
    std::string bytes;
    std::optional<std::string> real;  // the real file whose bytes these are
  };
  using Kept = std::shared_ptr<Content>;
  class MemoryFile;

  // What `path` holds, kept here from now on; null when there is no file.
  Kept Find(const std::string& path);
  // The real file whose bytes `path` holds as it is; none when the run has
  // changed it or there is no such file.
  std::optional<std::string> RealBehind(const std::string& path);
  // A handle on what `path` holds; null when there is no file or its real
  // file cannot be read.
  std::unique_ptr<OpenFile> Open(const std::string& path, bool writable);

  FileOps& real_;
  std::map<std::string, Kept> files_;
  std::map<std::string, bool> readOnly_;
  std::set<std::string> removed_;
  unsigned temporaries_ = 0;
};

}  // namespace formfit
