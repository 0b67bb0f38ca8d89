// The desktop program: shows the main window; closing it shows the exit splash.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <cstdio>

#include "common/ui/app_windows.h"
#include "common/ui/screen_fit.h"
#include "shell/ui/frm_exit.h"
#include "shell/ui/tessaly_window.h"
#include "shell/ui/topic_windows.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort with a long message; say it in one line instead.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("tessaly: no display found; start it in a desktop session or under xvfb-run\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessaly");
  QApplication::setApplicationVersion(TESSALY_VERSION);

  // The standard dialogs (file, font, colour) speak Chinese with the rest of the program.
  QTranslator qtTranslator;
  if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTranslator);
  // Toolbar icons from the desktop's icon theme, or Adwaita where the desktop names none.
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor")
    QIcon::setThemeName("Adwaita");
  // The desktop entry the windows belong to, so that task bars show its name and icon.
  QGuiApplication::setDesktopFileName("org.tessaly.Tessaly");

  tessaly::AppState state;
  tessaly::AppWindows windows;
  tessaly::RegisterTopicWindows(windows, state);

  QPointer<tessaly::FrmExit> splash;
  auto* main = new tessaly::Tessaly(windows, [&splash] {
    splash = new tessaly::FrmExit([] { QCoreApplication::exit(0); });
    tessaly::KeepOnScreen(splash);
    splash->show();
  });
  main->setAttribute(Qt::WA_DeleteOnClose);
  tessaly::KeepOnScreen(main);
  main->show();
  return app.exec();
}
