// The main window: six topic buttons, help and about, the product caption and a clock.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "common/ui/app_windows.h"

namespace tessaly {

class Tessaly : public QWidget {
  Q_OBJECT
 public:
  // Outer size of the window, in twips; it cannot be changed.
  static constexpr double kOuterWidth = 9960;
  static constexpr double kOuterHeight = 6990;

  // `showExitSplash` runs when the window closes, before the topic windows are unloaded.
  Tessaly(AppWindows& windows, std::function<void()> showExitSplash);

  // Enables each topic button whose window can be opened.
  void UpdateButtons();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void Timer1_Timer();
  void KeepOuterSize();

  AppWindows& windows_;
  std::function<void()> showExitSplash_;
  std::vector<std::pair<QPushButton*, QString>> topicButtons_;
  QLabel* label1_ = nullptr;
  QLabel* label3_ = nullptr;
  QTimer* timer1_ = nullptr;
};

}  // namespace tessaly
