#include "common/ui/atomic_file.h"

#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  // The rename at the end would put a regular file in the place of a FIFO, a device, a
  // socket or a folder; such a target (also behind a symlink) is refused. A symlink to a
  // regular file is written through, to its target.
  struct stat target;
  if (::stat(QFile::encodeName(path).constData(), &target) == 0 && !S_ISREG(target.st_mode))
    return false;
  // Unbuffered, a short write (a full disk) shows in write's count, and fsync brings out
  // the errors a file system reports only when the data reach the disk.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (file.write(bytes) != bytes.size() || ::fsync(file.handle()) != 0) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace tessaly
