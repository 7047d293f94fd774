// The table's file: a 32-byte header (a mark, the format version, the kind, the entry count and
// a checksum of the entries, numbers little-endian) and then the entries. Written by the
// store's safe writer: a file without a name in its directory until complete, flushed and
// renamed into its place, so that a reader finds the whole file or none, and a writer killed
// part way leaves no 110 MB behind (and where it must be named, the next save removes it).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/table_shape.h"
#include "store/safe_file.h"

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

// Opening the file, with the system's words for why it cannot be. It is opened without
// blocking, since a pipe in the table's place would wait for a writer for ever, and only a
// regular file is read.
struct ClosesFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, ClosesFile>;

LoadStatus OpenTableFile(const std::string& path, OpenFile& file, uint64_t& size, std::string& problem) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return LoadStatus::Missing;
    problem = std::strerror(errno);
    return LoadStatus::Unreadable;
  }
  struct stat info {};
  const bool stated = ::fstat(fd, &info) == 0;
  if (!stated || !S_ISREG(info.st_mode)) {
    problem = !stated ? std::strerror(errno) : S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
    ::close(fd);
    return LoadStatus::Unreadable;
  }
  size = static_cast<uint64_t>(info.st_size);
  file.reset(::fdopen(fd, "rb"));
  if (file == nullptr) {
    problem = std::strerror(errno);
    ::close(fd);
    return LoadStatus::Unreadable;
  }
  return LoadStatus::Loaded;
}

bool ReadBytes(std::FILE* file, void* into, uint64_t count) { return std::fread(into, 1, count, file) == count; }

}  // namespace

struct TableFile {
  static bool Save(const PatternTable& table, const std::string& path, std::string& problem) {
    const std::string header = Header(table.Kind(), table.EntryCount(), Checksum(table.Entries(), table.EntryCount()));
    // Programs that build the table at once write it without a lock: only the leftovers of
    // writers that were killed go.
    std::string target;
    if (ResolveFileTarget(path, target, problem, FileOwner::Program)) RemoveLeftoversOfEndedWriters(target);
    problem.clear();
    const std::string_view pieces[] = {header, {reinterpret_cast<const char*>(table.Entries()), table.EntryCount()}};
    // A cache, the program's own file: a link in its place is replaced rather than written
    // through, since it may point at any file the user can write; a table reached through a
    // link still loads, so a link to a shared table serves until the table is refused.
    return WriteFileSafely(path, pieces, problem, FileOwner::Program) == 1;
  }

  static TableLoad Load(const std::string& path, TableKind kind) {
    OpenFile in;
    uint64_t size = 0;
    std::string problem;
    const LoadStatus opened = OpenTableFile(path, in, size, problem);
    if (opened != LoadStatus::Loaded) return {nullptr, opened, std::move(problem)};
    char header[HeaderBytes];
    if (!ReadBytes(in.get(), header, HeaderBytes)) return {nullptr, LoadStatus::Damaged};
    const uint64_t count = EntryCountOf(kind);
    if (std::memcmp(header, Mark, sizeof Mark) != 0 || GetNumber(header + 8, 4) != FormatVersion ||
        GetNumber(header + 12, 4) != static_cast<uint64_t>(kind) || GetNumber(header + 16, 8) != count) {
      return {nullptr, LoadStatus::Foreign};
    }
    if (size != HeaderBytes + count) return {nullptr, LoadStatus::Damaged};
    std::shared_ptr<PatternTable> table(new PatternTable(kind));
    if (!ReadBytes(in.get(), table->MutableEntries(), count)) return {nullptr, LoadStatus::Damaged};
    if (Checksum(table->Entries(), count) != GetNumber(header + 24, 8)) return {nullptr, LoadStatus::Damaged};
    return {std::move(table), LoadStatus::Loaded};
  }
};

std::string TableFileName(TableKind kind) {
  return kind == TableKind::Full ? "optimal-full.table" : "optimal-small.table";
}

bool PatternTable::Save(const std::string& path, std::string& problem) const { return TableFile::Save(*this, path, problem); }

bool PatternTable::Save(const std::string& path) const {
  std::string problem;
  return Save(path, problem);
}

TableLoad PatternTable::Load(const std::string& path, TableKind kind) { return TableFile::Load(path, kind); }

CachedTable LoadOrBuild(const std::string& path, TableKind kind, int threads, const BuildProgressCall& progress,
                        const std::function<bool()>& shouldStop) {
  TableLoad load = PatternTable::Load(path, kind);
  CachedTable cached{std::move(load.Table), TableSource::Loaded, load.Status, std::move(load.Problem), {}};
  if (cached.FileStatus == LoadStatus::Loaded) return cached;
  cached.Table = PatternTable::Build(kind, threads, progress, shouldStop);
  if (cached.Table == nullptr) {
    cached.Source = TableSource::Stopped;
    return cached;
  }
  // The folder's own reason where it cannot be made: the save would only say it is missing.
  std::error_code folder;
  std::filesystem::create_directories(DirectoryOf(path), folder);
  const bool saved = !folder && cached.Table->Save(path, cached.SaveProblem);
  if (folder) cached.SaveProblem = folder.message();
  cached.Source = saved ? TableSource::BuiltAndSaved : TableSource::BuiltNotSaved;
  return cached;
}

}  // namespace tq::optimal
