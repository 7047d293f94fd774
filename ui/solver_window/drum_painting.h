// The whole drum picture painted from a description of what to show, for the drum view and the
// guide that explains how to read it.
#pragma once

#include <QColor>
#include <QPainter>
#include <string>
#include <vector>

namespace tq::solver_window {

struct DrumScene {
  std::string layout;         // 26 characters; anything else shows the empty drum
  std::string before;         // the layout a move on its way starts from
  int movingMove = 0;         // the move code on its way, 0 for none
  double progress = 1;        // how far it has come, 0 to 1
  int markedMove = 0;         // the move code whose arrows are shown, 0 for none
  std::vector<int> markedSlots;
  bool showDigits = false;
  int cursor = -1;            // the slot framed as the keyboard's cursor, -1 for none
  QColor cursorColour = QColor(48, 140, 198);
  QColor textColour = Qt::black;  // of the column numbers
};

// Paints `scene` in the picture's own units (drum::PictureSize()); the caller sets the
// painter's transform to place and scale it. Antialiasing is switched on.
void PaintDrum(QPainter& painter, const DrumScene& scene);

}  // namespace tq::solver_window
