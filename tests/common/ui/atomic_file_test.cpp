// The one writer of saved reports and pictures never puts a file in the place of
// something that is not a regular file.
#include "common/ui/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

namespace tessaly {
namespace {

QByteArray Name(const QString& path) { return QFile::encodeName(path); }

// Whether `path` is still the special file it was made as (the same kind, not a file).
bool SameKind(const QString& path, mode_t kind) {
  struct stat s;
  return ::lstat(Name(path).constData(), &s) == 0 && (s.st_mode & S_IFMT) == kind;
}

TEST(AtomicFile, RefusesEverySpecialFileAndLeavesItAsItWas) {
  QTemporaryDir dir;
  struct Kind {
    const char* name;
    mode_t type;
    std::function<bool(const QString&)> make;  // false: cannot be made here
  };
  const Kind kinds[] = {
      {"fifo.png", S_IFIFO, [](const QString& p) { return ::mkfifo(Name(p), 0600) == 0; }},
      {"folder.svg", S_IFDIR, [](const QString& p) { return QDir().mkdir(p); }},
      {"socket.png", S_IFSOCK,
       [](const QString& p) {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::strncpy(address.sun_path, Name(p).constData(), sizeof address.sun_path - 1);
         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
         const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
         ::close(fd);  // the socket's name stays in the folder
         return bound;
       }},
      // /dev/null's kind of node; only root may make one.
      {"null.svg", S_IFCHR,
       [](const QString& p) { return ::mknod(Name(p), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
  };
  int made = 0;
  for (const Kind& k : kinds) {
    const QString path = dir.filePath(k.name);
    if (!k.make(path)) {
      EXPECT_EQ(k.type, S_IFCHR) << k.name;  // only the device node may be out of reach
      continue;
    }
    ++made;
    EXPECT_FALSE(WriteFileAtomically(path, "picture")) << k.name;
    EXPECT_TRUE(SameKind(path, k.type)) << k.name;
    // Behind a symlink too.
    const QString link = dir.filePath(QString("link-") + k.name);
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_FALSE(WriteFileAtomically(link, "picture")) << k.name;
    EXPECT_TRUE(SameKind(link, S_IFLNK) && SameKind(path, k.type)) << k.name;
  }
  // No temporary file was left behind: only the special files and their links.
  const auto filter = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
  EXPECT_EQ(QDir(dir.path()).entryList(filter).size(), 2 * made);
}

TEST(AtomicFile, WritesThroughASymlinkToARegularFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath("report.txt"), link = dir.filePath("link.txt");
  ASSERT_TRUE(WriteFileAtomically(target, "old"));
  ASSERT_TRUE(QFile::link(target, link));
  ASSERT_TRUE(WriteFileAtomically(link, "new"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "new");
}

}  // namespace
}  // namespace tessaly
