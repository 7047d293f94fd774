// QT_SCALE_FACTOR checked before Qt reads it: at 0, at a value that is no number, and at an
// absurd one Qt opens no window and says nothing, while the process runs on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tq {

// The factors a window can be used at. Measured under Xvfb: the game's window is 580 x 215
// pixels at 1 and the solver's 900 x 620; at 16 they are 9,280 and 14,400 pixels wide, beyond
// the widest screens made (7,680); from 37 on the solver's window is cut at X's 32,767-pixel
// limit, and at 100 neither window shows at all. Below 1/16 the game's window is 36 pixels
// wide. Qt showed no window at 0, infinity or not-a-number, and one 65,376 pixels square at -1.
inline constexpr double SmallestScaleFactor = 1.0 / 16;
inline constexpr double LargestScaleFactor = 16;

// The factor a value of QT_SCALE_FACTOR gives, spaces around it allowed as Qt allows them;
// nothing when it is no number, not finite, or outside the usable range above.
std::optional<double> UsableScaleFactor(std::string_view value);

// The line said when `value` (set, not empty) is no usable factor, without its newline.
std::string UnusableScaleFactorLine(const std::string& program, std::string_view value);

// Where QT_SCALE_FACTOR is set to a value that is no usable factor: writes the line to standard
// error and sets it to 1, so that the window opens at the usual size. Call first in main,
// before any thread starts and before the QApplication is made.
void KeepScaleFactorUsable(const std::string& program);

}  // namespace tq
