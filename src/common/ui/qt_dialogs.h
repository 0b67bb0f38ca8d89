// Input boxes and message boxes of the desktop program, and the file, font and colour
// choosers of the worksheet windows. Tests replace both with scripted versions.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

#include "common/dialogs.h"

class QAbstractFileIconProvider;
class QFileDialog;
class QWidget;

namespace tessaly {

// QInputDialog and QMessageBox with the program's captions.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  std::string InputBox(std::string_view prompt, std::string_view title = {},
                       std::string_view defaultText = {}) override;
  MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                   MsgIcon icon = MsgIcon::None, std::string_view title = {},
                   MsgDefault defaultButton = MsgDefault::First) override;

 private:
  QWidget* parent_;
};

// Passes every box on to another Dialogs after running `beforeBox`, so that the window can
// bring its result pane up to date before a box appears.
class SyncingDialogs : public Dialogs {
 public:
  SyncingDialogs(Dialogs& inner, std::function<void()> beforeBox)
      : inner_(inner), beforeBox_(std::move(beforeBox)) {}
  std::string InputBox(std::string_view prompt, std::string_view title = {},
                       std::string_view defaultText = {}) override {
    beforeBox_();
    return inner_.InputBox(prompt, title, defaultText);
  }
  MsgResult MsgBox(std::string_view text, MsgButtons buttons = MsgButtons::Ok,
                   MsgIcon icon = MsgIcon::None, std::string_view title = {},
                   MsgDefault defaultButton = MsgDefault::First) override {
    beforeBox_();
    return inner_.MsgBox(text, buttons, icon, title, defaultButton);
  }

 private:
  Dialogs& inner_;
  std::function<void()> beforeBox_;
};

struct FontChoice {
  QFont font;
  QColor color;  // the text colour chosen with the font
};

// The common dialogs of a worksheet window. Every chooser returns nothing (or the empty
// name) on Cancel.
class Choosers {
 public:
  virtual ~Choosers() = default;
  virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
  // `startName` is the file name the dialog shows first.
  virtual QString SaveFileName(QWidget* parent, const QString& filter,
                               const QString& startName) = 0;
  virtual std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& current) = 0;
  virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& current) = 0;
};

class QtChoosers : public Choosers {
 public:
  QString OpenFileName(QWidget* parent, const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& filter, const QString& startName) override;
  std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& current) override;
  std::optional<QColor> ChooseColor(QWidget* parent, const QColor& current) override;

 private:
  QString lastFolder_;
};

// Text of a prompt as a label shows it: CR LF and lone CR become line feeds.
QString DisplayText(std::string_view text);

// The icon provider of the file dialogs. It never opens a file: folders get the folder icon,
// other entries the icon and type their name suggests. (Qt's own provider reads a file to
// guess its type when the name does not tell, and a read of a special file such as
// /proc/kmsg can block for ever.) One provider for the program, never destroyed.
QAbstractFileIconProvider* NameOnlyIconProvider();

// The extension a file name filter such as "文本文件(*.txt)" gives a name typed without one:
// "txt"; empty for a filter that is not one plain "*.ext" pattern ("所有文件(*.*)").
QString DefaultSuffixOf(const QString& nameFilter);

// The filter of the dialogs that open and save text files.
inline const QString kFileFilter = "文本文件(*.txt);;所有文件(*.*)";

// Sets up a file dialog of the worksheet windows: Qt's own dialog with the name-only icon
// provider, the filter with its first entry selected, and for a save dialog the default
// suffix of the selected filter (".txt" while the text-file filter is selected).
void SetUpFileDialog(QFileDialog& dialog, const QString& filter, bool save);

}  // namespace tessaly
