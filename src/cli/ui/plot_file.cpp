#include "cli/ui/plot_file.h"

#include "cli/ui/gui_application.h"
#include "common/ui/atomic_file.h"
#include "common/ui/plot_painter.h"

namespace tessaly {

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

TextFileWriter AtomicTextFileWriter() {
  return [](const std::string& bytes, const std::string& path, std::string& error) {
    if (WriteFileAtomically(QString::fromStdString(path), QByteArray::fromStdString(bytes)))
      return true;
    error = "the file cannot be written";
    return false;
  };
}

}  // namespace tessaly
