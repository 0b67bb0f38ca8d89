// Writing a whole file so that a failed write never destroys the file that was there.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessaly {

// Writes bytes to a temporary file beside `path` and, only once everything is written and
// on disk, renames it over `path`. Returns false (leaving any earlier file whole and no
// temporary behind) when anything fails, and when `path` names something that exists and
// is not a regular file (a FIFO, a device, a socket, a folder), even through a symlink.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace tessaly
