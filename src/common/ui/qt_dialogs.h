// Input boxes and message boxes of the desktop program, and the file, font and colour
// choosers of the worksheet windows. Tests replace both with scripted versions.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

#include "common/dialogs.h"

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

}  // namespace tessaly
