// Standard output that notices when its writes fail (a full disk, a closed descriptor), so
// that a command can say so instead of ending as if all was written.
#pragma once

#include <streambuf>
#include <string>
#include <vector>

namespace tq::cli {

// A stream buffer over a file descriptor. Lines go out at once to a terminal, in large blocks
// elsewhere. After the first failed write the rest is dropped and the failure kept.
// Thread-safe as far as each object is used from one thread.
class CheckedOutput : public std::streambuf {
 public:
  explicit CheckedOutput(int fd);
  ~CheckedOutput() override;
  CheckedOutput(const CheckedOutput&) = delete;
  CheckedOutput& operator=(const CheckedOutput&) = delete;

  // Writes what is buffered. True when everything written so far reached the descriptor;
  // otherwise Problem gives the system's reason.
  bool Finish();
  const std::string& Problem() const { return problem_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;
  int sync() override;

 private:
  bool Flush();

  int fd_;
  bool lineByLine_;
  std::vector<char> buffer_;
  std::string problem_;
};

}  // namespace tq::cli
