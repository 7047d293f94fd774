// The program's entry: it takes no arguments and ends only through ShutDown.
#include "ui/startup.h"

int main() { tq::RunProgram(); }
