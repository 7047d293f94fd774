// Reading pasted layouts in both spellings, and writing the one that is copied.
#include "ui/solver_window/layout_text.h"

#include <algorithm>

#include "model/field.h"

namespace tq::solver_window {

LayoutText ReadLayoutText(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  std::string layout(text);
  std::ranges::replace(layout, '_', ' ');
  LayoutText read{layout, FindLayoutFault(layout)};
  // The model counts bytes; a person counts characters. A text beyond ASCII is said in
  // characters: its length when that is wrong, otherwise its first character beyond ASCII.
  const auto nonAscii = std::ranges::find_if(layout, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (nonAscii != layout.end()) {
    const auto characters = [](auto from, auto to) {
      return static_cast<int>(std::count_if(from, to, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    };
    const int count = characters(layout.begin(), layout.end());
    if (count != SlotCount) {
      read.Fault = {};
      read.Fault.What = LayoutFault::Kind::Length;
      read.Fault.Count = count;
      read.Fault.Needed = SlotCount;
    } else {
      read.Fault = {};
      read.Fault.What = LayoutFault::Kind::Character;
      read.Fault.Position = characters(layout.begin(), nonAscii) + 1;
      read.Fault.Character = *nonAscii;
    }
  }
  if (read.Refused()) read.Layout.clear();
  return read;
}

std::string CopiedLayout(std::string_view layout) {
  std::string copied(layout);
  std::ranges::replace(copied, ' ', '_');
  return copied;
}

}  // namespace tq::solver_window
