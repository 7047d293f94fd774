// Setting up a benchmark search.
#include "bench/ui/search_position.h"

#include "model/field.h"
#include "store/solutions.h"

namespace tq::bench {

void SetUpSearch(const std::string& layout) {
  ClearSolutions();
  LayoutToField(layout);
  SlideState = ReadSlideState();
}

}  // namespace tq::bench
