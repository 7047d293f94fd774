// The checked standard output: a plain buffer with write(2) underneath.
#include "cli/output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tq::cli {

namespace {
constexpr size_t BufferSize = size_t{1} << 16;
}  // namespace

CheckedOutput::CheckedOutput(int fd) : fd_(fd), lineByLine_(::isatty(fd) == 1), buffer_(BufferSize) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutput::~CheckedOutput() { Flush(); }

bool CheckedOutput::Flush() {
  const char* data = pbase();
  size_t left = static_cast<size_t>(pptr() - pbase());
  while (left > 0 && problem_.empty()) {
    const ssize_t put = ::write(fd_, data, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      problem_ = std::strerror(put < 0 ? errno : EIO);
      break;
    }
    data += put;
    left -= static_cast<size_t>(put);
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return problem_.empty();
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c) {
  if (!Flush()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  if (lineByLine_ && traits_type::to_char_type(c) == '\n') Flush();
  return c;
}

std::streamsize CheckedOutput::xsputn(const char* data, std::streamsize size) {
  std::streamsize done = 0;
  while (done < size) {
    if (pptr() == epptr() && !Flush()) return done;
    const std::streamsize room = epptr() - pptr();
    const std::streamsize chunk = size - done < room ? size - done : room;
    std::memcpy(pptr(), data + done, static_cast<size_t>(chunk));
    pbump(static_cast<int>(chunk));
    done += chunk;
  }
  if (lineByLine_ && std::memchr(data, '\n', static_cast<size_t>(size)) != nullptr) Flush();
  return done;
}

int CheckedOutput::sync() { return Flush() ? 0 : -1; }

bool CheckedOutput::Finish() { return Flush(); }

}  // namespace tq::cli
