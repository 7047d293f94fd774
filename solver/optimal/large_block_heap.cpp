// The block from the ordinary heap, where there are no large pages to ask for (WebAssembly):
// its memory grows in one piece and cannot be mapped or unmapped in parts.
#include <cstdlib>
#include <new>

#include "solver/optimal/large_block.h"

namespace tq::optimal {

LargeBlock::LargeBlock(size_t bytes) : bytes_(static_cast<uint8_t*>(std::calloc(bytes == 0 ? 1 : bytes, 1))), mapped_(bytes) {
  if (bytes_ == nullptr) throw std::bad_alloc();
}

LargeBlock::~LargeBlock() { std::free(bytes_); }

}  // namespace tq::optimal
