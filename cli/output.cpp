#include "cli/output.h"

#include <streambuf>

#include "cli/arguments.h"

namespace lunisol::cli {

namespace {

// A stream's bytes gathered into large writes to the file; a failed write
// fails the stream.
class FileBuffer : public std::streambuf {
 public:
  explicit FileBuffer(AtomicFile& file) : file_(file) {}
  ~FileBuffer() override = default;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<size_t>(n));
    return pending_.size() < kChunk || Flush() ? n : 0;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
  }
  int sync() override { return Flush() ? 0 : -1; }

 private:
  static constexpr size_t kChunk = 1 << 16;

  bool Flush() {
    const bool ok = file_.Write(pending_);
    pending_.clear();
    return ok;
  }

  AtomicFile& file_;
  std::string pending_;
};

int CannotWrite(const std::string& path, const AtomicFile& file, std::ostream& err) {
  err << "lunisol-cli: cannot write " << Quoted(path) << ": ";
  if (file.result().notRegularFile)
    err << "not a regular file (a folder, a FIFO or a device is never replaced)\n";
  else
    err << file.result().reason() << (file.targetExisted() ? " (the file was left as it was)" : "") << "\n";
  return 1;
}

}  // namespace

int WriteToFile(const std::string& path, const std::function<int(std::ostream&)>& write, std::ostream& err,
                AtomicFile::WriteCall call) {
  AtomicFile file(path, call);
  if (!file.Open()) return CannotWrite(path, file, err);
  FileBuffer buffer(file);
  std::ostream stream(&buffer);
  const int status = write(stream);
  if (status != 0) return status;  // the temporary file goes with `file`
  if (!stream.flush() || !file.Commit()) return CannotWrite(path, file, err);
  return 0;
}

}  // namespace lunisol::cli
