// The program's entry: it takes no arguments and ends only through ShutDown.
#include "ui/qt/scale_factor.h"
#include "ui/startup.h"

int main() {
  tq::KeepScaleFactorUsable("trommelquirl");
  tq::RunProgram();
}
