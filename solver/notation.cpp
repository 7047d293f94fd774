// Solution texts: digits of move codes, their names, and replaying them on the Field.
#include "solver/notation.h"

#include "model/moves.h"

namespace tq {

std::string_view MoveName(int32_t code) {
  switch (code) {
    case MoveUpperRight: return "Oben rechts";
    case MoveUpperLeft: return "Oben links";
    case MoveLowerRight: return "Unten rechts";
    case MoveLowerLeft: return "Unten links";
    case MoveSlide: return "Oben <-> Unten";
    default: return "";
  }
}

void AppendSolutionDigits(std::string& text, const uint8_t* moves, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (moves[i] >= 1 && moves[i] <= 5) text += static_cast<char>('0' + moves[i]);
  }
}

namespace {
int32_t CodeOfDigit(char c) { return c >= '1' && c <= '5' ? c - '0' : 0; }
}  // namespace

std::string DescribeSolution(std::string_view solution) {
  std::string listing;
  for (char c : solution) {
    listing += MoveName(CodeOfDigit(c));
    listing += ",\r\n";
  }
  return listing;
}

int32_t ApplySolution(std::string_view solution, int32_t& slideState) {
  int32_t applied = 0;
  for (char c : solution) applied += ApplyMoveCode(CodeOfDigit(c), slideState);
  return applied;
}

}  // namespace tq
