#include "common/ui/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMap>
#include <QMimeDatabase>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include "common/help_pages.h"
#include "common/ui/help_window.h"

namespace tessaly {

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

QString ShippedFileFrom(const QString& programFolder, const QString& relativePath) {
  for (const QString& path : {programFolder + "/" + relativePath,
                              programFolder + "/../share/tessaly/" + relativePath}) {
    if (QFileInfo::exists(path)) return QFileInfo(path).absoluteFilePath();
  }
  return {};
}

QString ShippedFile(const QString& relativePath) {
  return ShippedFileFrom(ProgramFolder(), relativePath);
}

namespace {

// Whether the desktop names an application for the file's type. Opening a file nothing
// handles would only show the desktop's own error.
bool DesktopCanOpen(const QString& path) {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return false;
  const QString type = QMimeDatabase().mimeTypeForFile(path).name();
  QProcess query;
  query.start(xdgMime, {"query", "default", type});
  if (!query.waitForFinished(2000)) {
    query.kill();
    query.waitForFinished(500);
    return false;
  }
  return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

void ShowHelpFile(QWidget* owner, const QString& helpFileName) {
  const QString path = ShippedFile("Help/" + helpFileName);
  if (!path.isEmpty() && QFileInfo(path).isFile() && DesktopCanOpen(path) &&
      QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    return;
  // Otherwise the guide built into the program, at the page of the window that asked.
  const QString window = owner ? owner->window()->objectName() : QString();
  const HelpPage& page = HelpPageForWindow(window.toStdString());
  HelpWindow::Open(QString::fromUtf8(page.file.data(), static_cast<qsizetype>(page.file.size())));
}

namespace {

QMap<QString, QPointer<QProcess>>& Players() {
  static QMap<QString, QPointer<QProcess>> players;
  return players;
}

}  // namespace

bool PlayTune(const QString& filePath, const QString& alias) {
  StopTune(alias);
  if (!QFileInfo(filePath).isFile()) return false;
  struct Player {
    const char* program;
    QStringList args;
  };
  const Player players[] = {
      {"timidity", {filePath}},
      {"fluidsynth", {"-n", "-i", filePath}},
  };
  for (const Player& p : players) {
    const QString exe = QStandardPaths::findExecutable(p.program);
    if (exe.isEmpty()) continue;
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(exe, p.args);
    if (process->waitForStarted(2000)) {
      Players()[alias] = process;
      QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
      return true;
    }
    delete process;
  }
  return false;
}

void StopTune(const QString& alias) {
  QPointer<QProcess> process = Players().take(alias);
  if (!process) return;
  process->disconnect();
  if (process->state() != QProcess::NotRunning) {
    process->kill();
    process->waitForFinished(1000);
  }
  delete process;
}

}  // namespace tessaly
