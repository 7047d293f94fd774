// The table's file: a 32-byte header (a mark, the format version, the kind, the entry count and
// a checksum of the entries, numbers little-endian) and then the entries. Written as a file
// without a name in its directory, named only once complete and renamed into its place, so that
// a reader finds the whole file or none, and a writer killed part way leaves no 110 MB behind.
// Not flushed to disk first: a cache that a crash cuts short fails its checksum and is built
// again.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/table_shape.h"

namespace tq::optimal {

namespace {

constexpr char Mark[8] = {'T', 'Q', 'T', 'A', 'B', 'L', 'E', '\n'};
// Raise it with any change to what an entry means or where it stands (the placements, the
// symmetries, the numbering of the sets): a file of another version is built again.
constexpr uint32_t FormatVersion = 1;
constexpr size_t HeaderBytes = 32;

void PutNumber(char* at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint64_t GetNumber(const char* at, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= uint64_t{static_cast<unsigned char>(at[i])} << (8 * i);
  return value;
}

uint64_t Mix(uint64_t x) {
  x ^= x >> 31;
  x *= 0x7FB5D329728EA185ull;
  x ^= x >> 27;
  x *= 0x81DADEF4BC2DD44Dull;
  return x ^ (x >> 33);
}

// Four independent lanes over 8-byte words, so that the 110 MB take a few tens of milliseconds.
uint64_t Checksum(const uint8_t* bytes, uint64_t count) {
  uint64_t lanes[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull, 0x082EFA98EC4E6C89ull};
  uint64_t at = 0;
  for (; at + 32 <= count; at += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      uint64_t word;
      std::memcpy(&word, bytes + at + 8 * lane, 8);
      lanes[lane] = (lanes[lane] ^ word) * 0x9E3779B97F4A7C15ull;
      lanes[lane] ^= lanes[lane] >> 29;
    }
  }
  uint64_t sum = Mix(count);
  for (uint64_t lane : lanes) sum = Mix(sum ^ lane);
  for (; at < count; ++at) sum = Mix(sum ^ bytes[at]);
  return sum;
}

std::string Header(TableKind kind, uint64_t count, uint64_t checksum) {
  std::string header(HeaderBytes, '\0');
  std::memcpy(header.data(), Mark, sizeof Mark);
  PutNumber(header.data() + 8, FormatVersion, 4);
  PutNumber(header.data() + 12, static_cast<uint64_t>(kind), 4);
  PutNumber(header.data() + 16, count, 8);
  PutNumber(header.data() + 24, checksum, 8);
  return header;
}

std::string FreshNameBeside(const std::string& path) {
  std::random_device random;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".new-%08x%08x", random(), random());
  return path + suffix;
}

bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// A file written beside `path` that takes its place only when complete. Where the file system
// allows, it has no name while it is written, so that a writer killed part way leaves nothing;
// elsewhere it is written under a fresh name, removed unless it took its place.
class FileBeside {
 public:
  explicit FileBeside(const std::string& path) : path_(path), temp_(FreshNameBeside(path)) {
    std::string directory = std::filesystem::path(path).parent_path().string();
    if (directory.empty()) directory = ".";
    fd_ = ::open(directory.c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
    if (fd_ >= 0) return;
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    ownsTemp_ = fd_ >= 0;
  }
  ~FileBeside() {
    if (fd_ >= 0) ::close(fd_);
    if (ownsTemp_) ::unlink(temp_.c_str());
  }
  FileBeside(const FileBeside&) = delete;
  FileBeside& operator=(const FileBeside&) = delete;

  int Fd() const { return fd_; }

  // Names the complete file and renames it into its place.
  bool TakePlace() {
    if (!ownsTemp_) {
      const std::string self = "/proc/self/fd/" + std::to_string(fd_);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp_.c_str(), AT_SYMLINK_FOLLOW) != 0) return false;
      ownsTemp_ = true;
    }
    if (::rename(temp_.c_str(), path_.c_str()) != 0) return false;
    ownsTemp_ = false;
    return true;
  }

 private:
  std::string path_;
  std::string temp_;
  int fd_ = -1;
  bool ownsTemp_ = false;  // temp_ names our file and is to be removed
};

}  // namespace

struct TableFile {
  static bool Save(const PatternTable& table, const std::string& path) {
    const std::string header = Header(table.Kind(), table.EntryCount(), Checksum(table.Entries(), table.EntryCount()));
    FileBeside file(path);
    return file.Fd() >= 0 && WriteAll(file.Fd(), header.data(), header.size()) &&
           WriteAll(file.Fd(), reinterpret_cast<const char*>(table.Entries()), table.EntryCount()) &&
           file.TakePlace();
  }

  static TableLoad Load(const std::string& path, TableKind kind) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return {nullptr, error == std::errc::no_such_file_or_directory ? LoadStatus::Missing : LoadStatus::Unreadable};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {nullptr, LoadStatus::Unreadable};
    char header[HeaderBytes];
    if (!in.read(header, HeaderBytes)) return {nullptr, LoadStatus::Damaged};
    const uint64_t count = EntryCountOf(kind);
    if (std::memcmp(header, Mark, sizeof Mark) != 0 || GetNumber(header + 8, 4) != FormatVersion ||
        GetNumber(header + 12, 4) != static_cast<uint64_t>(kind) || GetNumber(header + 16, 8) != count) {
      return {nullptr, LoadStatus::Foreign};
    }
    if (size != HeaderBytes + count) return {nullptr, LoadStatus::Damaged};
    std::shared_ptr<PatternTable> table(new PatternTable(kind));
    if (!in.read(reinterpret_cast<char*>(table->MutableEntries()), static_cast<std::streamsize>(count))) {
      return {nullptr, LoadStatus::Damaged};
    }
    if (Checksum(table->Entries(), count) != GetNumber(header + 24, 8)) return {nullptr, LoadStatus::Damaged};
    return {std::move(table), LoadStatus::Loaded};
  }
};

std::string TableFileName(TableKind kind) {
  return kind == TableKind::Full ? "optimal-full.table" : "optimal-small.table";
}

bool PatternTable::Save(const std::string& path) const { return TableFile::Save(*this, path); }

TableLoad PatternTable::Load(const std::string& path, TableKind kind) { return TableFile::Load(path, kind); }

CachedTable LoadOrBuild(const std::string& path, TableKind kind, int threads, const BuildProgressCall& progress) {
  TableLoad load = PatternTable::Load(path, kind);
  if (load.Status == LoadStatus::Loaded) return {std::move(load.Table), TableSource::Loaded, load.Status};
  std::shared_ptr<const PatternTable> table = PatternTable::Build(kind, threads, progress);
  std::error_code ignored;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
  const TableSource source = table->Save(path) ? TableSource::BuiltAndSaved : TableSource::BuiltNotSaved;
  return {std::move(table), source, load.Status};
}

}  // namespace tq::optimal
