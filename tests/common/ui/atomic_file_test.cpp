// The one writer of saved reports and pictures never replaces a special file.
#include "common/ui/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>

namespace tessaly {
namespace {

TEST(AtomicFile, RefusesEachSpecialFileAlsoBehindASymlinkAndWritesThroughOneToAFile) {
  QTemporaryDir dir;
  auto name = [&](const char* file) { return dir.filePath(file).toStdString(); };
  const std::string socket = name("s.png"), fifo = name("f.png"), link = name("link.svg");
  sockaddr_un address{AF_UNIX, {}};
  socket.copy(address.sun_path, sizeof address.sun_path - 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(::mkdir(name("d.svg").c_str(), 0700), 0);
  // A device node of its own where the test may make one (as root), else /dev/null.
  const bool node = ::mknod(name("n.svg").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  for (const std::string& path :
       {socket, fifo, name("d.svg"), node ? name("n.svg") : "/dev/null"}) {
    struct stat before, after;
    ::unlink(link.c_str());
    ASSERT_TRUE(::symlink(path.c_str(), link.c_str()) == 0 && ::lstat(path.c_str(), &before) == 0);
    EXPECT_FALSE(WriteFileAtomically(QString::fromStdString(path), "x")) << path;
    EXPECT_FALSE(WriteFileAtomically(QString::fromStdString(link), "x")) << path;
    ASSERT_EQ(::lstat(path.c_str(), &after), 0);
    EXPECT_TRUE(after.st_mode == before.st_mode && after.st_ino == before.st_ino) << path;
  }
  const std::string file = name("report.txt");
  ::unlink(link.c_str());
  ASSERT_TRUE(WriteFileAtomically(QString::fromStdString(file), "old"));
  ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(QString::fromStdString(link), "new"));
  QFile written(QString::fromStdString(file));
  EXPECT_TRUE(written.open(QIODevice::ReadOnly) && written.readAll() == "new");
}

}  // namespace
}  // namespace tessaly
