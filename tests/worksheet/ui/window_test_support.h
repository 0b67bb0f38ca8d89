// Helpers of the window tests: one QApplication for the test program, scripted file, font
// and colour choosers, and files in a temporary folder.
#pragma once

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMetaObject>
#include <deque>
#include <string>

#include "common/scripted_dialogs.h"
#include "worksheet/ui/worksheet_window.h"

namespace tessaly::testing {

inline void EnsureApp() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// Answers the file dialogs from a script: each entry is a path, or the empty text for
// Cancel. Records what each save dialog showed first.
class ScriptedChoosers : public Choosers {
 public:
  std::deque<QString> files;
  std::vector<QString> asked;  // "open" or "save:<start name>", in order
  std::optional<FontChoice> font;
  std::optional<QColor> color;

  QString OpenFileName(QWidget*, const QString&) override {
    asked.push_back("open");
    return Next();
  }
  QString SaveFileName(QWidget*, const QString&, const QString& startName) override {
    asked.push_back("save:" + startName);
    return Next();
  }
  std::optional<FontChoice> fontShown;  // what the font dialog was opened on
  std::optional<FontChoice> ChooseFont(QWidget*, const FontChoice& current) override {
    fontShown = current;
    return font;
  }
  std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return color; }

 private:
  QString Next() {
    if (files.empty()) return {};
    QString f = files.front();
    files.pop_front();
    return f;
  }
};

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll();
}

// Runs the menu's opening handler, as opening it does.
inline void OpenMenu(QMenu* menu) { QMetaObject::invokeMethod(menu, "aboutToShow"); }

inline void Trigger(Worksheet& w, const char* action) {
  QAction* a = w.Action(action);
  if (a) a->trigger();
}

}  // namespace tessaly::testing
