// A small menu window of big buttons that open child windows (the calculus and ODE topic
// windows). Closing it closes its child windows in a fixed order.
#pragma once

#include <QPushButton>
#include <QStringList>
#include <functional>
#include <vector>

#include "common/ui/fixed_size_window.h"

namespace tessaly {

class AppWindows;

struct MenuButton {
  QString name;     // "Command1"
  QString caption;  // the button's caption
  std::function<void()> action;  // empty: the caller connects the button itself
};

class MenuWindow : public FixedSizeWindow {
  Q_OBJECT
 public:
  // `children` are the names of the child windows closed, in this order, when this window
  // closes.
  MenuWindow(const QString& name, const QString& caption, double outerWidthTwips,
             double outerHeightTwips, std::vector<MenuButton> buttons, QStringList children,
             AppWindows* windows);

  QPushButton* Button(const QString& name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::vector<QPushButton*> buttons_;
  QStringList children_;
  AppWindows* windows_;
};

}  // namespace tessaly
