// The wakeable input: poll(2) on both descriptors, then read(2) what the input holds.
#include "cli/input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace tq::cli {

namespace {
constexpr size_t BufferSize = size_t{1} << 16;
}  // namespace

WakeableInput::WakeableInput(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd), buffer_(BufferSize) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

WakeableInput::int_type WakeableInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  pollfd watched[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  for (;;) {
    const int ready = ::poll(watched, wakeFd_ < 0 ? 1 : 2, -1);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0 || watched[1].revents != 0) return traits_type::eof();
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
  }
}

}  // namespace tq::cli
