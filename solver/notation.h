// Move codes as text: the solution text of a move sequence and its worded listing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The name of move code 1 to 5 ("Oben rechts", ...), or "" for any other code.
std::string_view MoveName(int32_t code);

// Appends the digit of every value 1 to 5 among moves[0..count); 0, 6 and others add nothing.
void AppendSolutionDigits(std::string& text, const uint8_t* moves, int32_t count);

// For every character of a solution text: its move's name (nothing for a character that is
// not a digit 1 to 5), then ",\r\n".
std::string DescribeSolution(std::string_view solution);

// Applies every digit 1 to 5 of a solution text to the Field, keeping `slideState` in step;
// other characters are skipped. Returns the number of moves applied.
int32_t ApplySolution(std::string_view solution, int32_t& slideState);

}  // namespace tq
