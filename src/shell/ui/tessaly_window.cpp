#include "shell/ui/tessaly_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTime>
#include <QVBoxLayout>

#include "common/ui/clock_text.h"
#include "common/ui/fonts.h"
#include "common/ui/help_window.h"
#include "common/ui/services.h"
#include "common/ui/twips.h"
#include "common/ui/worker_run.h"

namespace tessaly {

Tessaly::Tessaly(AppWindows& windows, std::function<void()> showExitSplash)
    : FixedSizeWindow(kOuterWidth, kOuterHeight),
      windows_(windows),
      showExitSplash_(std::move(showExitSplash)) {
  setObjectName("Tessaly");
  setWindowTitle("Tessaly");

  label1_ = new QLabel("Tessaly", this);
  label1_->setObjectName("Label1");
  label1_->setFont(CaptionFont(36, true));
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setStyleSheet("color: #1f3f7f;");

  struct Topic {
    const char* name;
    const char* caption;
    const char* window;
  };
  const Topic topics[] = {
      {"Command1", "线性方程组的数值解法", "LinearFrm"},
      {"Command2", "非线性方程的数值解法", "Ultra"},
      {"Command3", "插值法与最小二乘法曲线拟合", "InsertValue"},
      {"Command4", "矩阵的特征值及特征向量的计算", "MatrixCValueCVector"},
      {"Command5", "数值微积分", "ValueCalculus"},
      {"Command6", "常微分方程的数值解法", "UsualDiffEquation"},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(TwipsToPx(300, this));
  grid->setVerticalSpacing(TwipsToPx(300, this));
  int index = 0;
  for (const Topic& t : topics) {
    auto* button = new QPushButton(t.caption, this);
    button->setObjectName(t.name);
    button->setMinimumHeight(TwipsToPx(720, this));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QFont f = button->font();
    f.setPointSize(11);
    button->setFont(f);
    const QString window = t.window;
    connect(button, &QPushButton::clicked, this, [this, window] { windows_.Show(window); });
    topicButtons_.emplace_back(button, window);
    grid->addWidget(button, index / 2, index % 2);
    ++index;
  }

  auto* cmdHelp = new QPushButton("帮助", this);
  cmdHelp->setObjectName("cmdHelp");
  connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelpFile(this, kHelpFileName); });
  auto* cmdAbout = new QPushButton("关于", this);
  cmdAbout->setObjectName("cmdAbout");
  connect(cmdAbout, &QPushButton::clicked, this, [this] { windows_.Show("FrmAbout"); });

  label3_ = new QLabel(this);
  label3_->setObjectName("Label3");
  label3_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cmdHelp);
  bottom->addWidget(cmdAbout);
  bottom->addStretch(1);
  bottom->addWidget(label3_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(TwipsToPx(480, this), TwipsToPx(240, this), TwipsToPx(480, this),
                             TwipsToPx(240, this));
  layout->addWidget(label1_);
  layout->addSpacing(TwipsToPx(120, this));
  layout->addLayout(grid, 1);
  layout->addSpacing(TwipsToPx(360, this));
  layout->addLayout(bottom);

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &Tessaly::Timer1_Timer);
  timer1_->start();
  Timer1_Timer();

  UpdateButtons();
}

void Tessaly::UpdateButtons() {
  for (auto& [button, window] : topicButtons_) button->setEnabled(windows_.CanOpen(window));
}

void Tessaly::Timer1_Timer() {
  label3_->setText(ChineseTimeText(QTime::currentTime()));
}

void Tessaly::closeEvent(QCloseEvent* event) {
  // Methods still running in the topic windows are cancelled and have ended before the
  // splash shows.
  WorkerRun::CancelAll();
  if (showExitSplash_) showExitSplash_();
  windows_.CloseInOrder(AppWindows::UnloadOrder());
  if (HelpWindow* help = HelpWindow::Current()) help->close();
  event->accept();
}

}  // namespace tessaly
