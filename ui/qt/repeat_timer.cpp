// RepeatEvery on a QTimer that goes away with its last call.
#include <QTimer>

#include "ui/window_toolkit.h"

namespace tq {

int32_t RepeatEvery(int32_t milliseconds, RepeatProc proc) {
  auto* timer = new QTimer();
  QObject::connect(timer, &QTimer::timeout, timer, [timer, proc] {
    if (proc()) return;
    timer->stop();
    timer->deleteLater();
  });
  timer->start(milliseconds);
  return 0;
}

}  // namespace tq
