// Qt ends a program that cannot open its platform with a fatal message and abort(); the
// message handler installed while the application is made turns that into the line.
#include "ui/qt/no_display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tq {

namespace {
bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

struct HeldMessage {
  QtMsgType Type;
  QByteArray Category;
  QString Text;
};

std::vector<HeldMessage> Held;
std::string FatalLine;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(FatalLine.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);  // nothing is loaded yet that would need saving
  }
  Held.push_back({type, QByteArray(context.category != nullptr ? context.category : ""), text});
}
}  // namespace

std::string NoDisplayLine(const std::string& program, const PlatformEnvironment& environment) {
  if (IsSet(environment.QtPlatform)) {
    return program + ": cannot open a display on the Qt platform \"" + environment.QtPlatform +
           "\" that QT_QPA_PLATFORM asks for";
  }
  std::string named;
  if (IsSet(environment.XDisplay)) named += std::string(" DISPLAY=") + environment.XDisplay;
  if (IsSet(environment.WaylandDisplay)) named += std::string(" WAYLAND_DISPLAY=") + environment.WaylandDisplay;
  if (named.empty()) return program + ": no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set";
  return program + ": cannot open the display:" + named + " does not answer";
}

void MakeApplicationOrExit(const std::string& program, const PlatformEnvironment& environment,
                           const std::function<void()>& makeApplication) {
  FatalLine = NoDisplayLine(program, environment) + "\n";
  const QtMessageHandler previous = qInstallMessageHandler(Hold);
  makeApplication();
  qInstallMessageHandler(previous);
  for (const HeldMessage& message : Held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.Category.isEmpty() ? nullptr : message.Category.constData());
    if (previous != nullptr) {
      previous(message.Type, context, message.Text);
    } else {
      qt_message_output(message.Type, context, message.Text);
    }
  }
  Held.clear();
}

}  // namespace tq
