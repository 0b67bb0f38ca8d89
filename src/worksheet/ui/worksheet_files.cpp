// File New, Open, Save and Save As of the worksheet windows.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/number_text.h"
#include "common/text_encoding.h"
#include "common/ui/atomic_file.h"
#include "common/file_text.h"
#include "worksheet/ui/worksheet_window.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {

void Worksheet::Message(const QString& text) {
  if (!text.isEmpty()) dialogs_->MsgBox(text.toStdString());
}

void Worksheet::FileNew() {
  SetInputText(QString());
  SetReport(std::string());
  if (description_.newResetsStatus) SetStatus("状态");
}

void Worksheet::FileOpen() {
  const FileMessages& m = description_.messages;
  const QString path = choosers_->OpenFileName(this, kFileFilter);
  if (path.isEmpty()) {
    Message(m.openCancel);
    return;
  }
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
    Message(m.openFailure);
    return;
  }
  const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());

  if (HasOneLineInput(description_.name.toStdString())) {
    // The formula window takes the first line only.
    SetInputText(QString());
    SetReport(std::string());
    const QByteArray line = file.readLine();
    if (file.error() != QFileDevice::NoError) {
      Message(m.openFailure);
      return;
    }
    SetInputText(
        QString::fromStdString(FirstLineOfFile(std::string_view(line.constData(), line.size()))));
    rememberedSaveName_.clear();
    SetStatus(fullPath);
    return;
  }

  const qint64 size = file.size();
  if (size > kAskAboveBytes) {
    const MsgResult answer = dialogs_->MsgBox(
        "文件太大，如果打开可能要等一段时间，是否仍要继续？", MsgButtons::YesNo,
        MsgIcon::Question, "温馨提示", MsgDefault::Second);
    if (answer != MsgResult::Yes) {
      SetInputText(QString::fromStdString(PlainIntegerText(size)));
      return;
    }
  }
  if (description_.refuseLargeFiles && size > kRefuseAboveBytes) {
    dialogs_->MsgBox("文件太大，不能打开！", MsgButtons::Ok, MsgIcon::Critical, "警告");
    return;
  }
  SetInputText(QString());
  SetReport(std::string());
  if (size == 0) {
    Message(m.emptyFile);
    return;
  }

  // The progress bar stands over the bottom of the input pane while the file loads.
  QWidget* input = Text1();
  const int barHeight = Px(350);
  progress_->setRange(0, static_cast<int>(std::min<qint64>(size, INT_MAX)));
  progress_->setValue(0);
  progress_->setGeometry(input->x(), input->y() + input->height() - barHeight, input->width(),
                         barHeight);
  input->resize(input->width(), input->height() - barHeight);
  progress_->show();
  progress_->repaint();
  const QByteArray bytes = file.readAll();
  const bool readFailed = file.error() != QFileDevice::NoError;
  progress_->setValue(progress_->maximum());
  if (!readFailed)
    SetInputText(QString::fromStdString(
        DecodeWorksheetBytes(std::string_view(bytes.constData(), bytes.size()))));
  progress_->setValue(0);
  progress_->hide();
  input->resize(input->width(), input->height() + barHeight);
  if (readFailed) {
    Message(m.openFailure);
    return;
  }
  rememberedSaveName_.clear();
  SetStatus(fullPath);
}

bool Worksheet::WriteReport(const QString& fileName) {
  // A failed save leaves the earlier file whole.
  const std::string report = ReportText();
  return WriteFileAtomically(fileName, QByteArray(report.data(), static_cast<qsizetype>(report.size())));
}

void Worksheet::FileSave() {
  const FileMessages& m = description_.messages;
  if (ReportText().empty()) {
    Message(m.emptyResult);
    return;
  }
  if (saveDialogName_.isEmpty() || rememberedSaveName_.isEmpty()) {
    const QString name = choosers_->SaveFileName(this, kFileFilter, saveDialogName_);
    if (name.isEmpty()) {
      saveDialogName_.clear();
      rememberedSaveName_.clear();
      Message(m.saveCancel);
      return;
    }
    saveDialogName_ = name;
  }
  rememberedSaveName_ = saveDialogName_;
  if (!WriteReport(rememberedSaveName_)) {
    Message(m.saveFailure);
    return;
  }
  SetStatus(QDir::toNativeSeparators(rememberedSaveName_));
}

void Worksheet::FileSaveAs() {
  const FileMessages& m = description_.messages;
  const QString name = choosers_->SaveFileName(this, kFileFilter, QString());
  if (name.isEmpty()) {
    Message(m.saveAsCancel);
    return;
  }
  if (!WriteReport(name)) {
    Message(m.saveAsFailure);
    return;
  }
  SetStatus(QDir::toNativeSeparators(name));
}

}  // namespace tessaly
