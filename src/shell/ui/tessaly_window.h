// The main window: six topic buttons, help and about, the product caption and a clock.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "common/ui/app_windows.h"
#include "common/ui/fixed_size_window.h"

namespace tessaly {

class Tessaly : public FixedSizeWindow {
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

 private:
  void Timer1_Timer();

  AppWindows& windows_;
  std::function<void()> showExitSplash_;
  std::vector<std::pair<QPushButton*, QString>> topicButtons_;
  QLabel* label1_ = nullptr;
  QLabel* label3_ = nullptr;
  QTimer* timer1_ = nullptr;
};

}  // namespace tessaly
