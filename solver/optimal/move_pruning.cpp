// The covered stretches, found by replaying every sequence of up to six moves on numbered balls.
#include "solver/optimal/move_pruning.h"

#include <cstddef>
#include <string>
#include <unordered_set>

#include "solver/optimal/places.h"

namespace tq::optimal {

namespace {

// What a sequence does: where each place's ball ends, and the slide state after it.
struct Effect {
  PlaceMap Target;
  int SlideState;

  // The whole effect as bytes, for telling effects apart exactly.
  std::string Key() const {
    std::string key(Target.begin(), Target.end());
    key += static_cast<char>(SlideState);
    return key;
  }
};

Effect Identity(int slideState) {
  Effect effect{{}, slideState};
  for (int bit = 0; bit < PlaceBitCount; ++bit) effect.Target[bit] = IsPlace(bit) ? static_cast<int8_t>(bit) : -1;
  return effect;
}

Effect Then(Effect effect, int code) {
  if (code == 5) {
    effect.SlideState = 1 - effect.SlideState;
    return effect;
  }
  const PlaceMap turn = TurnMap(code, effect.SlideState);
  for (int8_t& target : effect.Target) {
    if (target >= 0) target = turn[target];
  }
  return effect;
}

// Covered[state][length][digits in base 5, the first move the most significant].
using Covered = std::array<std::array<std::vector<bool>, MovePruning::Window + 1>, 2>;

Covered FindCoveredStretches() {
  Covered covered;
  for (int state = 0; state < 2; ++state) {
    std::unordered_set<std::string> seen;  // the effects of earlier sequences
    std::vector<Effect> previous{Identity(state)};
    seen.insert(previous[0].Key());
    covered[state][0] = {false};
    for (int length = 1; length <= MovePruning::Window; ++length) {
      std::vector<Effect> effects;
      effects.reserve(previous.size() * 5);
      covered[state][length].assign(previous.size() * 5, false);
      for (size_t prefix = 0; prefix < previous.size(); ++prefix) {
        for (int code = 1; code <= 5; ++code) {
          effects.push_back(Then(previous[prefix], code));
          if (!seen.insert(effects.back().Key()).second) covered[state][length][effects.size() - 1] = true;
        }
      }
      previous = std::move(effects);
    }
  }
  return covered;
}

// Whether `code` after the history ends a covered stretch of any length.
bool EndsCoveredStretch(const Covered& covered, int slideState, MoveHistory history, int code) {
  int digits = code - 1, weight = 5, state = slideState;
  for (int length = 1; length <= MovePruning::Window; ++length) {
    if (covered[state][length][digits]) return true;
    const int earlier = history % 6;
    if (earlier == 0) return false;
    history = static_cast<MoveHistory>(history / 6);
    if (earlier == 5) state = 1 - state;  // the stretch one longer starts before that slide
    digits += (earlier - 1) * weight;
    weight *= 5;
  }
  return false;
}

}  // namespace

MovePruning::MovePruning() : allowed_(2 * HistoryStates) {
  const Covered covered = FindCoveredStretches();
  for (int state = 0; state < 2; ++state) {
    for (int history = 0; history < HistoryStates; ++history) {
      uint8_t allowed = 0;
      for (int code = 1; code <= 5; ++code) {
        if (!EndsCoveredStretch(covered, state, static_cast<MoveHistory>(history), code)) allowed |= 1u << (code - 1);
      }
      allowed_[state * HistoryStates + history] = allowed;
    }
  }
}

const MovePruning& MovePruning::Get() {
  static const MovePruning pruning;
  return pruning;
}

}  // namespace tq::optimal
