#include "support/FailingFileOps.h"

namespace formfit::test {

namespace {

class FailingFile : public OpenFile {
 public:
  FailingFile(std::unique_ptr<OpenFile> file, FailingFileOps& files)
      : file_(std::move(file)), files_(files) {}

  std::optional<std::uint64_t> SeekEnd() override {
    if (Fails(FileOp::SeekEnd)) return std::nullopt;
    const std::optional<std::uint64_t> size = file_->SeekEnd();
    if (size && files_.ReportedSize()) return files_.ReportedSize();
    return size;
  }

  bool SeekStart() override { return !Fails(FileOp::SeekStart) && file_->SeekStart(); }

  std::size_t Read(char* buffer, std::size_t count) override {
    if (Fails(FileOp::Read)) return file_->Read(buffer, count / 2);
    return file_->Read(buffer, count);
  }

  bool Write(std::string_view bytes) override {
    if (Fails(FileOp::Write)) {
      file_->Write(bytes.substr(0, bytes.size() / 2));
      return false;
    }
    return file_->Write(bytes);
  }

  bool SetLength(std::uint64_t length) override {
    return !Fails(FileOp::SetLength) && file_->SetLength(length);
  }

  bool Flush() override { return !Fails(FileOp::Flush) && file_->Flush(); }

  bool Close() override {
    if (Fails(FileOp::Close)) {
      file_->Close();
      return false;
    }
    return file_->Close();
  }

 private:
  bool Fails(FileOp op) {
    if (broken_) return true;
    const Fault* fault = files_.Hit(op);
    if (fault && fault->fileBreaks) broken_ = true;
    return fault != nullptr;
  }

  std::unique_ptr<OpenFile> file_;
  FailingFileOps& files_;
  bool broken_ = false;
};

std::unique_ptr<OpenFile> Wrapped(std::unique_ptr<OpenFile> file, FailingFileOps& files) {
  if (!file) return nullptr;
  return std::make_unique<FailingFile>(std::move(file), files);
}

}  // namespace

const Fault* FailingFileOps::Hit(FileOp op) {
  const int call = ++calls_[op];
  for (const Fault& fault : faults_) {
    if (fault.op == op && call >= fault.call && call < fault.call + fault.times) return &fault;
  }
  return nullptr;
}

bool FailingFileOps::Exists(const std::string& path) {
  return !Hit(FileOp::Exists) && SystemFileOps().Exists(path);
}

bool FailingFileOps::IsReadOnly(const std::string& path) {
  return !Hit(FileOp::IsReadOnly) && SystemFileOps().IsReadOnly(path);
}

bool FailingFileOps::ClearReadOnly(const std::string& path) {
  return !Hit(FileOp::ClearReadOnly) && SystemFileOps().ClearReadOnly(path);
}

bool FailingFileOps::SetReadOnly(const std::string& path) {
  return !Hit(FileOp::SetReadOnly) && SystemFileOps().SetReadOnly(path);
}

std::vector<PlainFile> FailingFileOps::PlainFiles(const std::string& beside) {
  if (Hit(FileOp::PlainFiles)) return {};
  return SystemFileOps().PlainFiles(beside);
}

std::unique_ptr<OpenFile> FailingFileOps::OpenRead(const std::string& path) {
  openFailure_.reset();
  if (const Fault* fault = Hit(FileOp::OpenRead)) {
    openFailure_ = fault->failure;
    return nullptr;
  }
  return Wrapped(SystemFileOps().OpenRead(path), *this);
}

std::unique_ptr<OpenFile> FailingFileOps::OpenReadWrite(const std::string& path) {
  openFailure_.reset();
  if (const Fault* fault = Hit(FileOp::OpenReadWrite)) {
    openFailure_ = fault->failure;
    return nullptr;
  }
  return Wrapped(SystemFileOps().OpenReadWrite(path), *this);
}

OpenFailure FailingFileOps::LastOpenFailure() {
  return openFailure_.value_or(SystemFileOps().LastOpenFailure());
}

std::optional<FileIdentity> FailingFileOps::Identity(const std::string& path) {
  return SystemFileOps().Identity(path);
}

std::string FailingFileOps::FullPath(const std::string& path) {
  return SystemFileOps().FullPath(path);
}

std::unique_ptr<OpenFile> FailingFileOps::CreateTemporary(const std::string& beside,
                                                          std::string& name) {
  if (Hit(FileOp::CreateTemporary)) return nullptr;
  return Wrapped(SystemFileOps().CreateTemporary(beside, name), *this);
}

bool FailingFileOps::RemoveUnlessHeld(const std::string& path) {
  return !Hit(FileOp::RemoveUnlessHeld) && SystemFileOps().RemoveUnlessHeld(path);
}

Naming FailingFileOps::NameNew(const std::string& from, const std::string& to) {
  if (Hit(FileOp::NameNew)) return Naming::kFailed;
  return SystemFileOps().NameNew(from, to);
}

bool FailingFileOps::Replace(const std::string& from, const std::string& to) {
  return !Hit(FileOp::Replace) && SystemFileOps().Replace(from, to);
}

bool FailingFileOps::Remove(const std::string& path) {
  return !Hit(FileOp::Remove) && SystemFileOps().Remove(path);
}

}  // namespace formfit::test
