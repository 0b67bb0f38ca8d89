#include "cli/ui/plot_file.h"

#include <QGuiApplication>

#include "common/ui/plot_painter.h"

namespace tessaly {
namespace {

// Painting text needs a Gui application; the offscreen platform needs no display.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tessaly-cli";
  static char* argv[] = {name, nullptr};
  // Starting the platform may note things about the session (no XDG_RUNTIME_DIR, say);
  // standard error is for the boxes the command shows, so those notes are dropped.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // Kept until the process ends: destroying it among the static destructors is unsafe.
  new QGuiApplication(argc, argv);
  qInstallMessageHandler(previous);
}

}  // namespace

PlotFileWriter PictureFileWriter() {
  return [](const DisplayList& drawing, const std::string& path, std::string& error) {
    EnsureGuiApplication();
    QString reason;
    if (SavePicture(drawing, QString::fromStdString(path), PictureSize(drawing), &reason))
      return true;
    error = reason.toStdString();
    return false;
  };
}

}  // namespace tessaly
