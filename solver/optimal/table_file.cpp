// The table's file: a 32-byte header (a mark, the format version, the kind, the entry count and
// a checksum of the entries, numbers little-endian) and then the entries. Written by the
// store's safe writer: a file without a name in its directory until complete, flushed and
// renamed into its place, so that a reader finds the whole file or none, and a writer killed
// part way leaves no 110 MB behind (and where it must be named, the next save removes it).
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "solver/optimal/optimal_solver.h"
#include "solver/optimal/table_shape.h"
#include "store/data_directory.h"
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

}  // namespace

struct TableFile {
  static bool Save(const PatternTable& table, const std::string& path) {
    const std::string header = Header(table.Kind(), table.EntryCount(), Checksum(table.Entries(), table.EntryCount()));
    // Programs that build the table at once write it without a lock: only the leftovers of
    // writers that were killed go.
    std::string target, problem;
    if (ResolveFileTarget(path, target, problem)) RemoveLeftoversOfEndedWriters(target);
    const std::string_view pieces[] = {header, {reinterpret_cast<const char*>(table.Entries()), static_cast<size_t>(table.EntryCount())}};
    return WriteFileSafely(path, pieces, problem) == 1;
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

  static TableLoad LoadFrom(uint64_t size, TableKind kind, const PatternTable::FileReadCall& read) {
    char header[HeaderBytes];
    if (size < HeaderBytes || !read(0, reinterpret_cast<uint8_t*>(header), HeaderBytes)) return {nullptr, LoadStatus::Damaged};
    const uint64_t count = EntryCountOf(kind);
    if (std::memcmp(header, Mark, sizeof Mark) != 0 || GetNumber(header + 8, 4) != FormatVersion ||
        GetNumber(header + 12, 4) != static_cast<uint64_t>(kind) || GetNumber(header + 16, 8) != count) {
      return {nullptr, LoadStatus::Foreign};
    }
    if (size != HeaderBytes + count) return {nullptr, LoadStatus::Damaged};
    std::shared_ptr<PatternTable> table(new PatternTable(kind));
    if (!read(HeaderBytes, table->MutableEntries(), count)) return {nullptr, LoadStatus::Unreadable};
    if (Checksum(table->Entries(), count) != GetNumber(header + 24, 8)) return {nullptr, LoadStatus::Damaged};
    return {std::move(table), LoadStatus::Loaded};
  }
};

static_assert(PatternTable::FileHeaderBytes == HeaderBytes);

TableLoad PatternTable::LoadFrom(uint64_t size, TableKind kind, const FileReadCall& read) {
  return TableFile::LoadFrom(size, kind, read);
}

TableLoad PatternTable::LoadBytes(std::span<const uint8_t> file, TableKind kind) {
  return TableFile::LoadFrom(file.size(), kind, [file](uint64_t at, uint8_t* into, uint64_t count) {
    std::memcpy(into, file.data() + at, static_cast<size_t>(count));
    return true;
  });
}

std::string PatternTable::FileHeader() const { return Header(kind_, entryCount_, Checksum(Entries(), entryCount_)); }

std::string TableFileName(TableKind kind) {
  return kind == TableKind::Full ? "optimal-full.table" : "optimal-small.table";
}

bool PatternTable::Save(const std::string& path) const { return TableFile::Save(*this, path); }

TableLoad PatternTable::Load(const std::string& path, TableKind kind) { return TableFile::Load(path, kind); }

CachedTable LoadOrBuild(const std::string& path, TableKind kind, int threads, const BuildProgressCall& progress) {
  TableLoad load = PatternTable::Load(path, kind);
  if (load.Status == LoadStatus::Loaded) return {std::move(load.Table), TableSource::Loaded, load.Status};
  std::shared_ptr<const PatternTable> table = PatternTable::Build(kind, threads, progress);
  EnsureDirectoryOf(path);
  const TableSource source = table->Save(path) ? TableSource::BuiltAndSaved : TableSource::BuiltNotSaved;
  return {std::move(table), source, load.Status};
}

}  // namespace tq::optimal
