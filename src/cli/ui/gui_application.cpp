#include "cli/ui/gui_application.h"

#include <QGuiApplication>
#include <cstdio>

namespace tessaly {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  // Qt's notes about its environment (a missing runtime folder, fonts) are not for the
  // user of a command-line tool; only its errors are.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "tessaly-cli: %s\n", message.toLocal8Bit().constData());
  });
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tessaly-cli";
  static char* argv[] = {name, nullptr};
  // Kept until the process ends: destroying it among the static destructors is unsafe.
  new QGuiApplication(argc, argv);
}

}  // namespace tessaly
