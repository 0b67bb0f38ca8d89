// File New, Open, Save and Save As of the worksheet windows, driven through their menus.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "eigen/ui/matrix_window.h"
#include "interp/ui/insert_value.h"
#include "linear/ui/linear_frm.h"
#include "roots/ui/ultra_window.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

using testing::ReadBytes;
using testing::ScriptedChoosers;
using testing::Trigger;
using testing::WriteBytes;

class WorksheetFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    ASSERT_TRUE(dir.isValid());
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  WindowServices Services() { return {&dialogs, &choosers, nullptr}; }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  ScriptedChoosers choosers;
};

TEST_F(WorksheetFiles, SizeQuestionAboveFifteenHundredBytes) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  WriteBytes(Path("small.txt"), QByteArray(1500, 'a'));
  WriteBytes(Path("big.txt"), QByteArray(1501, 'b'));
  w->SetReport("old report\r\n");

  // 1500 bytes load without a question.
  choosers.files = {Path("small.txt")};
  Trigger(*w, "FileOpen");
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_EQ(w->InputText(), std::string(1500, 'a'));
  EXPECT_EQ(w->ReportText(), "");
  EXPECT_FALSE(w->ProgressBar1()->isVisible());
  EXPECT_EQ(w->StatusText(), QDir::toNativeSeparators(Path("small.txt")));

  // 1501 bytes ask; No puts the size into the input pane and leaves the result pane alone.
  w->SetReport("kept\r\n");
  choosers.files = {Path("big.txt")};
  dialogs = ScriptedDialogs({"no"});
  Trigger(*w, "FileOpen");
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  const ShownBox& q = dialogs.Shown()[0];
  EXPECT_EQ(q.text, "文件太大，如果打开可能要等一段时间，是否仍要继续？");
  EXPECT_EQ(q.title, "温馨提示");
  EXPECT_EQ(q.buttons, MsgButtons::YesNo);
  EXPECT_EQ(q.icon, MsgIcon::Question);
  EXPECT_EQ(w->InputText(), "1501");
  EXPECT_EQ(w->ReportText(), "kept\r\n");

  // Without an answer the question takes its default button, No.
  choosers.files = {Path("big.txt")};
  dialogs = ScriptedDialogs();
  w->SetInputText("x");
  Trigger(*w, "FileOpen");
  EXPECT_EQ(w->InputText(), "1501");

  // Yes loads it.
  choosers.files = {Path("big.txt")};
  dialogs = ScriptedDialogs({"yes"});
  Trigger(*w, "FileOpen");
  EXPECT_EQ(w->InputText(), std::string(1501, 'b'));
}

TEST_F(WorksheetFiles, EmptyFileClearsBothPanesThenComplains) {
  WriteBytes(Path("empty.txt"), QByteArray());
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  linear->SetInputText("1 2 3");
  linear->SetReport("report");
  choosers.files = {Path("empty.txt")};
  Trigger(*linear, "FileOpen");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"文件为空，请重新选择文件！"});
  EXPECT_EQ(linear->InputText(), "");
  EXPECT_EQ(linear->ReportText(), "");

  std::unique_ptr<Worksheet> eigen(CreateMatrixCValueCVector(Services()));
  choosers.files = {Path("empty.txt")};
  Trigger(*eigen, "FileOpen");
  EXPECT_EQ(dialogs.Messages().back(), "文件为空，请重新选择文件#");
}

TEST_F(WorksheetFiles, InsertValueAsksThenRefusesSeventyThousandBytes) {
  std::unique_ptr<Worksheet> w(CreateInsertValue(Services()));
  WriteBytes(Path("huge.txt"), QByteArray(70000, '1'));
  w->SetInputText("1 2\n3 4");
  choosers.files = {Path("huge.txt")};
  dialogs = ScriptedDialogs({"yes"});
  Trigger(*w, "FileOpen");
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Shown()[0].title, "温馨提示");
  const ShownBox& refusal = dialogs.Shown()[1];
  EXPECT_EQ(refusal.text, "文件太大，不能打开！");
  EXPECT_EQ(refusal.title, "警告");
  EXPECT_EQ(refusal.icon, MsgIcon::Critical);
  EXPECT_EQ(w->InputText(), "1 2\r\n3 4");

  // The other windows load the same file.
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  choosers.files = {Path("huge.txt")};
  dialogs = ScriptedDialogs({"yes"});
  Trigger(*linear, "FileOpen");
  EXPECT_EQ(linear->InputText().size(), 70000u);
}

TEST_F(WorksheetFiles, UltraLoadsTheFirstLineOnly) {
  std::unique_ptr<Worksheet> w(CreateUltra(Services()));
  WriteBytes(Path("f.txt"), "x^3-x-1\r\nsecond line\r\nthird\r\n");
  w->SetReport("old");
  choosers.files = {Path("f.txt")};
  Trigger(*w, "FileOpen");
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_EQ(w->InputText(), "x^3-x-1");
  EXPECT_EQ(w->ReportText(), "");
  EXPECT_EQ(w->StatusText(), QDir::toNativeSeparators(Path("f.txt")));

  // A file of GB18030 bytes is read as such.
  WriteBytes(Path("gbk.txt"), QByteArray("sin(x)\xa3\xab\n", 9));  // sin(x) and a full-width plus
  choosers.files = {Path("gbk.txt")};
  Trigger(*w, "FileOpen");
  EXPECT_EQ(w->InputText(), "sin(x)\xEF\xBC\x8B");
}

TEST_F(WorksheetFiles, SaveAsksForANameOnceAndAgainAfterOpen) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  w->SetReport("line 1\r\nline 2\r\n");
  choosers.files = {Path("r.txt")};
  Trigger(*w, "FileSave");
  EXPECT_EQ(choosers.asked, std::vector<QString>{"save:"});
  EXPECT_EQ(ReadBytes(Path("r.txt")), "line 1\r\nline 2\r\n");
  EXPECT_EQ(w->StatusText(), QDir::toNativeSeparators(Path("r.txt")));

  // The second save writes the same file without asking.
  w->SetReport("second\r\n");
  Trigger(*w, "FileSave");
  EXPECT_EQ(choosers.asked.size(), 1u);
  EXPECT_EQ(ReadBytes(Path("r.txt")), "second\r\n");

  // After an Open the name is asked again, the last one offered first.
  WriteBytes(Path("in.txt"), "1 2 3\r\n");
  choosers.files = {Path("in.txt"), Path("r2.txt")};
  Trigger(*w, "FileOpen");
  EXPECT_TRUE(w->RememberedSaveName().isEmpty());
  w->SetReport("third\r\n");
  Trigger(*w, "FileSave");
  EXPECT_EQ(choosers.asked.back(), "save:" + Path("r.txt"));
  EXPECT_EQ(ReadBytes(Path("r2.txt")), "third\r\n");
  EXPECT_EQ(ReadBytes(Path("r.txt")), "second\r\n");
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(WorksheetFiles, EmptyResultAndCancel) {
  std::unique_ptr<Worksheet> w(CreateUltra(Services()));
  // Save with an empty result pane complains and asks nothing.
  Trigger(*w, "FileSave");
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"结果为空，不能保存!"});
  EXPECT_TRUE(choosers.asked.empty());

  // Save As of an empty pane creates an empty file.
  choosers.files = {Path("empty.txt")};
  Trigger(*w, "FileSaveAs");
  EXPECT_EQ(ReadBytes(Path("empty.txt")), "");

  // Cancel in each dialog shows the window's message and changes nothing.
  w->SetReport("r\r\n");
  choosers.files = {""};
  Trigger(*w, "FileSave");
  choosers.files = {""};
  Trigger(*w, "FileSaveAs");
  w->SetInputText("x-1");
  choosers.files = {""};
  Trigger(*w, "FileOpen");
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{"结果为空，不能保存!", "你没有存盘,数据没有被保存下来!",
                                      "没有保存文件。", "没有打开任何文件。"}));
  EXPECT_EQ(w->InputText(), "x-1");
  EXPECT_EQ(w->ReportText(), "r\r\n");
  for (const ShownBox& b : dialogs.Shown()) EXPECT_EQ(b.title, "Tessaly v1.0");

  // A file that cannot be opened.
  choosers.files = {Path("no-such-file.txt")};
  Trigger(*w, "FileOpen");
  EXPECT_EQ(dialogs.Messages().back(), "操作有误！");
  EXPECT_EQ(w->InputText(), "x-1");
}

TEST_F(WorksheetFiles, SavedReportReloadsAsTheSameText) {
  // Report lines end with CR LF; a piece may hold a lone LF too. The file holds the report
  // exactly, and opening it gives the same text to the methods.
  const std::string report = "输出求解结果\r\nx(1)=0.5\r\n\r\nGauss消去法解线性方程组";
  std::unique_ptr<Worksheet> w(CreateMatrixCValueCVector(Services()));
  w->SetReport(report);
  EXPECT_EQ(w->Text2()->toPlainText(), QString::fromStdString(
                                           "输出求解结果\nx(1)=0.5\n\nGauss消去法解线性方程组"));
  choosers.files = {Path("report.txt"), Path("report.txt")};
  Trigger(*w, "FileSaveAs");
  EXPECT_EQ(ReadBytes(Path("report.txt")).toStdString(), report);
  Trigger(*w, "FileOpen");
  EXPECT_EQ(w->InputText(), report);

  // A report the user edited in an unlocked pane is saved as edited, with CR LF breaks.
  w->SetReport("a\r\nb");
  w->Text2()->moveCursor(QTextCursor::End);
  w->Text2()->insertPlainText("\nc");
  choosers.files = {Path("edited.txt")};
  Trigger(*w, "FileSaveAs");
  EXPECT_EQ(ReadBytes(Path("edited.txt")), "a\r\nb\r\nc");
}

TEST_F(WorksheetFiles, FailedSaveReportsAndKeepsTheEarlierFile) {
  std::unique_ptr<Worksheet> w(CreateLinearFrm(Services()));
  WriteBytes(Path("keep.txt"), "earlier report\r\n");
  w->SetReport(std::string(4096, 'x'));

  // A disk that fills up: the process may write only a few bytes per file.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  choosers.files = {Path("keep.txt"), Path("keep.txt")};
  Trigger(*w, "FileSave");
  Trigger(*w, "FileSaveAS");
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"操作有误#", "操作有误#"}));
  EXPECT_EQ(ReadBytes(Path("keep.txt")), "earlier report\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});

  // A read-only folder (not enforced for the superuser).
  if (geteuid() != 0) {
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    choosers.files = {Path("keep.txt")};
    Trigger(*w, "FileSaveAS");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    EXPECT_EQ(dialogs.Messages().size(), 3u);
    EXPECT_EQ(ReadBytes(Path("keep.txt")), "earlier report\r\n");
  }

  // A folder that does not exist.
  choosers.files = {Path("missing/r.txt")};
  Trigger(*w, "FileSaveAS");
  EXPECT_EQ(dialogs.Messages().back(), "操作有误#");
}

TEST_F(WorksheetFiles, FileNewClearsBothPanesAndKeepsTheSaveName) {
  std::unique_ptr<Worksheet> linear(CreateLinearFrm(Services()));
  linear->SetInputText("1 2");
  linear->SetReport("r");
  choosers.files = {Path("a.txt")};
  Trigger(*linear, "FileSave");
  Trigger(*linear, "FileNew");
  EXPECT_EQ(linear->InputText(), "");
  EXPECT_EQ(linear->ReportText(), "");
  EXPECT_EQ(linear->StatusText(), "状态");
  EXPECT_EQ(linear->RememberedSaveName(), Path("a.txt"));

  // The formula window leaves its status text.
  std::unique_ptr<Worksheet> ultra(CreateUltra(Services()));
  WriteBytes(Path("f.txt"), "x-2");
  choosers.files = {Path("f.txt")};
  Trigger(*ultra, "FileOpen");
  ultra->Toolbar1_ButtonClick("新建");
  EXPECT_EQ(ultra->InputText(), "");
  EXPECT_EQ(ultra->StatusText(), QDir::toNativeSeparators(Path("f.txt")));
}

}  // namespace
}  // namespace tessaly
