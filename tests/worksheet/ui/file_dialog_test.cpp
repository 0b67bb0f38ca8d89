// The file dialogs of the worksheet windows: no file is read to choose an icon or a type,
// and a name typed without an extension gets ".txt" while the text-file filter is selected.
#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

#include "common/ui/qt_dialogs.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

using testing::WriteBytes;

TEST(FileDialogs, IconsAndTypesComeFromNamesOnly) {
  testing::EnsureApp();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A PNG picture under a name without an extension: only its content says what it is.
  const QString picture = dir.filePath("picture");
  WriteBytes(picture, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  const QString text = dir.filePath("notes.txt");
  WriteBytes(text, "1 2 3");
  QMimeDatabase mimes;
  ASSERT_EQ(mimes.mimeTypeForFile(picture).name(), "image/png");  // Qt reads it

  QAbstractFileIconProvider* icons = NameOnlyIconProvider();
  const QString png = mimes.mimeTypeForName("image/png").comment();
  EXPECT_NE(icons->type(QFileInfo(picture)), png);
  EXPECT_EQ(icons->type(QFileInfo(picture)),
            mimes.mimeTypeForName("application/octet-stream").comment());
  EXPECT_EQ(icons->type(QFileInfo(text)), mimes.mimeTypeForName("text/plain").comment());
  EXPECT_FALSE(icons->icon(QFileInfo(picture)).isNull());
  EXPECT_FALSE(icons->icon(QFileInfo(dir.path())).isNull());

  QFileDialog open;
  SetUpFileDialog(open, kFileFilter, false);
  EXPECT_TRUE(open.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(open.iconProvider(), icons);
  EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open.selectedNameFilter(), "文本文件(*.txt)");
  EXPECT_TRUE(open.defaultSuffix().isEmpty());
}

TEST(FileDialogs, SaveAddsTxtOnlyWhileTheTextFilterIsSelected) {
  testing::EnsureApp();
  EXPECT_EQ(DefaultSuffixOf("文本文件(*.txt)"), "txt");
  EXPECT_EQ(DefaultSuffixOf("所有文件(*.*)"), "");
  EXPECT_EQ(DefaultSuffixOf("Pictures (*.png *.jpg)"), "");

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // Types name into the save dialog and presses Save; the file the dialog returns.
  auto save = [&](const QString& name, int filterIndex) {
    QFileDialog dialog;
    SetUpFileDialog(dialog, kFileFilter, true);
    dialog.setDirectory(dir.path());
    // The user picks the filter from the list with the arrow keys.
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    if (!types) return QString("<no filter list>");
    for (int i = 0; i < filterIndex; ++i) QTest::keyClick(types, Qt::Key_Down);
    if (types->currentIndex() != filterIndex) return QString("<filter not picked>");
    dialog.selectFile(name);
    QMetaObject::invokeMethod(&dialog, "accept");  // the Save button
    if (dialog.result() != QDialog::Accepted) return QString("<not accepted>");
    return QFileInfo(dialog.selectedFiles().value(0)).fileName();
  };
  EXPECT_EQ(save("report", 0), "report.txt");
  EXPECT_EQ(save("report.dat", 0), "report.dat");
  EXPECT_EQ(save("report", 1), "report");
  // Picking "all files" keeps a typed extension and shows files without one.
  EXPECT_EQ(save("report.txt", 1), "report.txt");
  QFileDialog dialog;
  SetUpFileDialog(dialog, kFileFilter, false);
  EXPECT_EQ(dialog.nameFilters(), QStringList({"文本文件(*.txt)", "所有文件(*)"}));
}

}  // namespace
}  // namespace tessaly
