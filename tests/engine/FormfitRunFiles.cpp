#include "engine/FormfitRunFiles.h"

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

}  // namespace

const Fault* FailingFileOps::Hit(FileOp op) {
  const int call = ++calls_[op];
  for (const Fault& fault : faults_) {
    if (fault.op == op && fault.call == call) return &fault;
  }
  return nullptr;
}

bool FailingFileOps::Exists(const std::string& path) {
  return !Hit(FileOp::Exists) && SystemFileOps().Exists(path);
}

bool FailingFileOps::CreateNew(const std::string& path, std::string_view bytes) {
  return !Hit(FileOp::CreateNew) && SystemFileOps().CreateNew(path, bytes);
}

bool FailingFileOps::ClearReadOnly(const std::string& path) {
  return !Hit(FileOp::ClearReadOnly) && SystemFileOps().ClearReadOnly(path);
}

std::unique_ptr<OpenFile> FailingFileOps::OpenReadWrite(const std::string& path) {
  if (Hit(FileOp::OpenReadWrite)) return nullptr;
  std::unique_ptr<OpenFile> file = SystemFileOps().OpenReadWrite(path);
  if (!file) return nullptr;
  return std::make_unique<FailingFile>(std::move(file), *this);
}

}  // namespace formfit::test
