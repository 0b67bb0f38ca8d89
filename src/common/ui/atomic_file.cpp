#include "common/ui/atomic_file.h"

#include <QSaveFile>
#include <unistd.h>

namespace tessaly {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
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
