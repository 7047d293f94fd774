// The translatable texts of the window that depend on the position.
#include "ui/solver_window/texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "model/field.h"
#include "model/moves.h"

namespace tq::solver_window {

namespace {
QString ShownCharacter(char c) {
  if (c >= '!' && c <= '~') return QStringLiteral("“%1”").arg(QChar(c));
  return QCoreApplication::translate("Texts", "a control character or a character beyond ASCII");
}
}  // namespace

QString MoveText(int code) {
  switch (code) {
    case MoveUpperRight: return QCoreApplication::translate("Texts", "Turn upper half right");
    case MoveUpperLeft: return QCoreApplication::translate("Texts", "Turn upper half left");
    case MoveLowerRight: return QCoreApplication::translate("Texts", "Turn lower half right");
    case MoveLowerLeft: return QCoreApplication::translate("Texts", "Turn lower half left");
    case MoveSlide: return QCoreApplication::translate("Texts", "Slide the long columns");
    default: return {};
  }
}

QString MoveText(int code, bool longColumnsUp) {
  if (code != MoveSlide) return MoveText(code);
  return longColumnsUp ? QCoreApplication::translate("Texts", "Slide the long columns down")
                       : QCoreApplication::translate("Texts", "Slide the long columns up");
}

QString ColourName(int colour) {
  switch (colour) {
    case -1: return QCoreApplication::translate("Texts", "empty");
    case 0: return QCoreApplication::translate("Texts", "blue");
    case 1: return QCoreApplication::translate("Texts", "yellow");
    case 2: return QCoreApplication::translate("Texts", "orange");
    case 3: return QCoreApplication::translate("Texts", "grey");
    case 4: return QCoreApplication::translate("Texts", "green");
    case 5: return QCoreApplication::translate("Texts", "red");
    default: return {};
  }
}

QString FaultText(const LayoutFault& fault) {
  switch (fault.What) {
    case LayoutFault::Kind::None: return {};
    case LayoutFault::Kind::Length:
    case LayoutFault::Kind::Character: return RefusedPasteText(fault);
    case LayoutFault::Kind::EmptyCount:
      return QCoreApplication::translate("Texts", "There are %n empty slots; the drum has %1.", nullptr, fault.Count).arg(fault.Needed);
    case LayoutFault::Kind::ColourCount:
      return QCoreApplication::translate("Texts", "Colour %1 (%2) has %n balls, it needs %3.", nullptr, fault.Count)
          .arg(fault.Colour)
          .arg(ColourName(fault.Colour))
          .arg(fault.Needed);
    case LayoutFault::Kind::EmptyPlace:
      return QCoreApplication::translate("Texts", "The long columns' empty slots must all be at the top or all at the bottom.");
  }
  return {};
}

QString FaultsText(const std::vector<session::MarkedFault>& faults, std::string_view layout) {
  QStringList sentences;
  for (const session::MarkedFault& marked : faults) {
    if (marked.Fault.What != LayoutFault::Kind::EmptyPlace) {
      sentences << FaultText(marked.Fault);
      continue;
    }
    // The short columns (1 and 3 from 0) never hold an empty slot: say which one does.
    QStringList shortColumns;
    for (const int column : {1, 3}) {
      for (int row = 1; row <= 4; ++row) {
        const size_t slot = static_cast<size_t>(SlotNumber(column, row));
        if (slot < layout.size() && layout[slot] == ' ') {
          shortColumns << QCoreApplication::translate("Texts", "Column %1 is a short one: its four slots always hold balls.")
                              .arg(column + 1);
          break;
        }
      }
    }
    sentences << (shortColumns.isEmpty() ? FaultText(marked.Fault)
                                         : shortColumns.join(QLatin1Char(' ')) + QLatin1Char(' ') +
                                               QCoreApplication::translate("Texts", "The empty slots belong at the top or the bottom of columns 1, 3 and 5."));
  }
  return sentences.join(QLatin1Char(' '));
}

QString RefusedPasteText(const LayoutFault& fault) {
  if (fault.What == LayoutFault::Kind::Length) {
    return QCoreApplication::translate("Texts", "That is not a layout: it has %n characters, a layout has %1.", nullptr, fault.Count).arg(fault.Needed);
  }
  return QCoreApplication::translate("Texts", "That is not a layout: character %1 is %2, not a space, “_” or a colour 0 to 5.")
      .arg(fault.Position)
      .arg(ShownCharacter(fault.Character));
}

bool LoadWindowTranslation(QTranslator& translator, const QLocale& locale) {
  const QString name = QStringLiteral("trommelquirl-solver"), folder = QStringLiteral(":/i18n");
  return translator.load(locale, name, QStringLiteral("_"), folder) ||
         translator.load(QLocale(QLocale::English), name, QStringLiteral("_"), folder);
}

QString SolutionLengthText(int moves) {
  if (moves == 0) return QCoreApplication::translate("Texts", "Solved: no moves needed.");
  return QCoreApplication::translate("Texts", "%n moves; none shorter", nullptr, moves);
}

}  // namespace tq::solver_window
