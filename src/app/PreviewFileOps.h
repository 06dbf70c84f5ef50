// The file system as a preview sees it: everything is read from the real
// files, and every change (a write, a new name, a removal, a read-only
// attribute) is kept in memory, so the run behaves as a real one while
// nothing on disk changes.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/FileOps.h"

namespace formfit {

class PreviewFileOps : public FileOps {
 public:
  // Reads from `real`, which must outlive this object.
  explicit PreviewFileOps(FileOps& real) : real_(real) {}

  // The bytes the run left at `path`; none when it wrote nothing there.
  std::optional<std::string> Written(const std::string& path) const;

  bool Exists(const std::string& path) override;
  bool IsReadOnly(const std::string& path) override;
  bool ClearReadOnly(const std::string& path) override;
  bool SetReadOnly(const std::string& path) override;
  std::unique_ptr<OpenFile> OpenRead(const std::string& path) override;
  // A real file the run could open only after clearing its read-only
  // attribute counts as writable once the attribute is cleared here.
  std::unique_ptr<OpenFile> OpenReadWrite(const std::string& path) override;
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
  using Bytes = std::shared_ptr<std::string>;
  // The bytes kept for `path`, first read from the real file when the run
  // has not written it yet; null when there is no such file.
  Bytes Load(const std::string& path);

  FileOps& real_;
  std::map<std::string, Bytes> files_;
  std::map<std::string, bool> readOnly_;
  std::set<std::string> removed_;
  unsigned temporaries_ = 0;
};

}  // namespace formfit
