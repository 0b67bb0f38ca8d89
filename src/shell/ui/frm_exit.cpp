#include "shell/ui/frm_exit.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>

#include "common/ui/fonts.h"
#include "common/ui/services.h"
#include "common/ui/twips.h"

namespace tessaly {
namespace {

constexpr double kWidthTwips = 6600;
constexpr double kHeightTwips = 4500;

// The credit text; its first line is the product caption, drawn larger.
const char* const kCredits =
    "<p style='font-size:32pt'>Tessaly</p>"
    "<p>数值分析教学软件</p><br>"
    "<p>线性方程组的数值解法<br>非线性方程的数值解法<br>插值法与最小二乘法曲线拟合<br>"
    "矩阵的特征值及特征向量的计算<br>数值微积分<br>常微分方程的数值解法</p><br>"
    "<p>谢谢使用</p>";

}  // namespace

FrmExit::FrmExit(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {
  setObjectName("FrmExit");
  setWindowTitle("Tessaly");
  setAttribute(Qt::WA_DeleteOnClose);
  // The tune starts as the splash is created; a missing or unplayable file stays silent.
  PlayTune(ShippedFile("music/END.MID"), kTuneAlias);

  setFixedSize(TwipsToPx(kWidthTwips, this), TwipsToPx(kHeightTwips, this));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 64));
  pal.setColor(QPalette::WindowText, QColor(255, 255, 160));
  setPalette(pal);
  setCursor(Qt::PointingHandCursor);

  label1_ = new QLabel(kCredits, this);
  label1_->setObjectName("Label1");
  label1_->setFont(CaptionFont(16));
  label1_->setTextFormat(Qt::RichText);
  label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label1_->installEventFilter(this);
  label1_->setFixedWidth(width());
  label1_->adjustSize();
  label1_->setFixedWidth(width());

  // The label starts just below the visible area; each tick moves it up by a 250th of
  // the inner height.
  step_ = std::nearbyint(InnerHeightTwips() / 250);
  labelTop_ = InnerHeightTwips();
  PlaceLabel();

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(30);
  connect(timer1_, &QTimer::timeout, this, &FrmExit::Timer1_Timer);
}

double FrmExit::InnerHeightTwips() const { return PxToTwips(height(), this); }

double FrmExit::LabelHeightTwips() const { return PxToTwips(label1_->height(), this); }

void FrmExit::PlaceLabel() { label1_->move(0, TwipsToPx(labelTop_, this)); }

void FrmExit::Timer1_Timer() {
  labelTop_ -= step_;
  if (-LabelHeightTwips() > labelTop_) labelTop_ = InnerHeightTwips();
  PlaceLabel();
}

void FrmExit::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  timer1_->start();
}

void FrmExit::Clicked() {
  if (ended_) return;
  ended_ = true;
  timer1_->stop();
  StopTune(kTuneAlias);
  if (endProgram_) endProgram_();
}

void FrmExit::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Clicked();
}

bool FrmExit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label1_ && event->type() == QEvent::MouseButtonPress) {
    Clicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void FrmExit::closeEvent(QCloseEvent* event) {
  timer1_->stop();
  StopTune(kTuneAlias);
  event->accept();
}

}  // namespace tessaly
