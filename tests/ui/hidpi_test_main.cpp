// Entry of the tests at device pixel ratio 2: Qt's offscreen platform at scale factor 2.
#include "tests/ui/ui_support.h"

int main(int argc, char** argv) { return tq::test::RunWidgetTests(argc, argv, "2"); }
