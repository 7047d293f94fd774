// Standard input that a second descriptor can end, so that a command waiting for its next line
// still notices an end signal (cli/end_signals.h).
#pragma once

#include <streambuf>
#include <vector>

namespace tq::cli {

// A stream buffer over `fd` that reads what is there and reports the end of the input as soon
// as `wakeFd` turns readable, even while no input comes. A wakeFd of -1 is never watched.
class WakeableInput : public std::streambuf {
 public:
  WakeableInput(int fd, int wakeFd);

 protected:
  int_type underflow() override;

 private:
  int fd_;
  int wakeFd_;
  std::vector<char> buffer_;
};

}  // namespace tq::cli
