// The user guide's window: the pages of help/ (compiled in as Qt resources) in a browser
// with a contents list, back and forward, and find. One help window at a time.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace tessaly {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Opens the guide at `page` (a file name of help/, e.g. "linear.html"): shows the help
  // window, creating it if there is none, and raises it. Returns the window.
  static HelpWindow* Open(const QString& page);
  // The help window if one is open.
  static HelpWindow* Current();

  QTextBrowser* Browser() const { return browser_; }
  QListWidget* Contents() const { return contents_; }
  QLineEdit* FindBox() const { return findBox_; }
  // The page shown, as its file name.
  QString Page() const;
  // Finds the next (or previous) occurrence of the find box's text, wrapping around the
  // page; returns whether there is one.
  bool FindNext(bool backward = false);

 private:
  HelpWindow();
  void ShowPage(const QString& page);
  void SyncContents(const QUrl& source);

  QListWidget* contents_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QLineEdit* findBox_ = nullptr;
  QLabel* findStatus_ = nullptr;
};

}  // namespace tessaly
