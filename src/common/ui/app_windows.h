// The program's top-level windows by name: each exists at most once, is created on first
// use and brought to the front when it is asked for again. Each opens inside the screen's
// available area (KeepOnScreen).
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

namespace tessaly {

class AppWindows {
 public:
  using Factory = std::function<QWidget*(AppWindows&)>;

  // The windows closed, in this order, when the main window closes.
  static const QStringList& UnloadOrder();

  void Register(const QString& name, Factory factory);
  bool CanOpen(const QString& name) const;
  // Creates the window if it does not exist, shows it modeless and raises it.
  QWidget* Show(const QString& name);
  // The open window of that name, or nullptr.
  QWidget* Find(const QString& name) const;
  // Takes a window created elsewhere (a child window) under a name.
  void Adopt(const QString& name, QWidget* window);
  // Closes the open windows among `names`, in that order.
  void CloseInOrder(const QStringList& names);

 private:
  std::map<QString, Factory> factories_;
  std::map<QString, QPointer<QWidget>> open_;
};

}  // namespace tessaly
