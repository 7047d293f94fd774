// Foresees where a walk will end, a few moves into it, so that the solutions list can be
// asked early: with many entries its answer comes from memory far away, and the rest of
// the walk hides the wait.
#pragma once

#include <cstdint>
#include <string_view>

#include "solver/move_shuffles.h"

namespace tq {

class Foresight {
 public:
  // The number of moves walked before the end is foreseen.
  static constexpr int32_t After = 4;

  // Forget the composed rest of the walk once positions beyond After have changed.
  void Invalidate() { valid_[0] = valid_[1] = valid_[2] = false; }

  // `position` is the walk's after position After, `slide` its slide state class there;
  // `moves` the candidate. Starts fetching the answer for the walk's end.
  void Foresee(PackedField position, uint32_t slide, const uint8_t* moves);

  // The foreseen end's layout, for a walk that went all the way.
  std::string_view Layout() const { return {layout_, 26}; }

 private:
  void Compose(uint32_t slide, const uint8_t* moves);

  PackedField::Shuffle rest_[3];  // the moves after After, as one shuffle, by slide state class
  bool valid_[3] = {false, false, false};
  char layout_[32] = {};
};

}  // namespace tq
