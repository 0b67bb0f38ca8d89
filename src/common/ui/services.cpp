#include "common/ui/services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tessaly {

QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

void ShowHelpFile(QWidget* /*owner*/, const QString& helpFileName) {
  const QString path = ProgramFolder() + "/Help/" + helpFileName;
  if (!QFileInfo(path).isFile()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
