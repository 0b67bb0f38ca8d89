// The exit splash: plays the tune and scrolls the credit text until it is clicked (the
// program ends at once) or closed.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tessaly {

class FrmExit : public QWidget {
  Q_OBJECT
 public:
  // `endProgram` ends the program at once (the desktop program exits its event loop).
  explicit FrmExit(std::function<void()> endProgram);

  // Scroll state, in twips, for the tests.
  double LabelTopTwips() const { return labelTop_; }
  double StepTwips() const { return step_; }
  double InnerHeightTwips() const;
  double LabelHeightTwips() const;
  QLabel* Label1() const { return label1_; }

  void Timer1_Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceLabel();
  void Clicked();

  std::function<void()> endProgram_;
  QLabel* label1_ = nullptr;
  QTimer* timer1_ = nullptr;
  double labelTop_ = 0;  // twips
  double step_ = 0;      // twips
  bool ended_ = false;
};

}  // namespace tessaly
