// The German translation: built into the program, complete, and taken when loaded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <initializer_list>

#include "model/layout_check.h"
#include "model/moves.h"
#include "ui/solver_window/texts.h"

namespace tq::solver_window {
namespace {

TEST(Translation, GermanLoadsAndTranslatesTheWindowsTexts) {
  QTranslator translator;
  ASSERT_TRUE(translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("trommelquirl-solver"),
                              QStringLiteral("_"), QStringLiteral(":/i18n")));
  QCoreApplication::installTranslator(&translator);
  EXPECT_EQ(MoveText(MoveUpperRight), QStringLiteral("Obere Hälfte nach rechts drehen"));
  LayoutFault fault;
  fault.What = LayoutFault::Kind::ColourCount;
  fault.Colour = 2;
  fault.Count = 5;
  fault.Needed = 4;
  EXPECT_EQ(FaultText(fault), QStringLiteral("Farbe 2 (Orange) hat 5 Kugeln, sie braucht 4."));
  EXPECT_EQ(SolutionLengthText(1), QStringLiteral("1 Zug; keiner ist kürzer"));
  EXPECT_EQ(SolutionLengthText(31), QStringLiteral("31 Züge; keiner ist kürzer"));
  QCoreApplication::removeTranslator(&translator);
  EXPECT_EQ(MoveText(MoveUpperRight), QStringLiteral("Turn upper half right"));
}

TEST(Translation, ALanguageWithoutWordsOfItsOwnGetsEnglishWithItsPlurals) {
  for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Japanese)}) {
    QTranslator translator;
    ASSERT_TRUE(LoadWindowTranslation(translator, locale)) << locale.name().toStdString();
    QCoreApplication::installTranslator(&translator);
    LayoutFault fault;
    fault.What = LayoutFault::Kind::EmptyCount;
    fault.Count = 1;
    fault.Needed = 3;
    EXPECT_EQ(FaultText(fault), QStringLiteral("There is 1 empty slot; the drum has 3."));
    QCoreApplication::removeTranslator(&translator);
  }
}

TEST(Translation, EveryTextHasItsGermanWords) {
  QFile file(QStringLiteral(TQ_SOLVER_TRANSLATIONS "/trommelquirl-solver_de.ts"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray ts = file.readAll();
  EXPECT_GT(ts.count("<message"), 100);
  EXPECT_EQ(ts.count("type=\"unfinished\""), 0);
  EXPECT_EQ(ts.count("type=\"vanished\""), 0);
  EXPECT_EQ(ts.count("type=\"obsolete\""), 0);
}

}  // namespace
}  // namespace tq::solver_window
