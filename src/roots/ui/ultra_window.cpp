#include "roots/ui/ultra_window.h"

#include <QToolBar>
#include <QToolButton>

#include "common/ui/app_windows.h"
#include "pictures/residual_run.h"
#include "roots/ui/iteration_picture_window.h"

namespace tessaly {

WorksheetDescription UltraDescription() {
  WorksheetDescription s;
  s.name = "Ultra";
  s.caption = "非线性方程的数值解法";
  s.topBottom = true;
  s.splitterTwips = 100;
  s.minOuterTwips = 3500;
  s.designWidthTwips = 9600;
  s.designHeightTwips = 7200;
  s.designSplitTwips = 360;
  s.resultLocked = true;
  s.newResetsStatus = false;
  s.status = {"", "在此输入函数方程式f(x)=?", "计算结果区域", "状态"};
  s.messages = {"没有打开任何文件。",
                "操作有误！",
                "你没有存盘,数据没有被保存下来!",
                "操作有误!",
                "没有保存文件。",
                "操作有误!",
                "结果为空，不能保存!",
                ""};
  s.menusBeforeMethods = {
      {"mnuFile",
       "文件(&F)",
       {{"FileNew", "新建", "Ctrl+N", Command::FileNew},
        {"FileOpen", "打开", "Ctrl+O", Command::FileOpen},
        {"FileSave", "保存", "Ctrl+S", Command::FileSave},
        {"FileSaveAs", "另存为", "", Command::FileSaveAs},
        {"FileExit", "退出", "", Command::Close}}},
      {"mnuEdit",
       "编辑(&E)",
       {{"EditRecall", "撤消", "Ctrl+Z", Command::Nothing, true},
        {"EditCheckAll", "全选", "Ctrl+A", Command::SelectAll},
        {"EditCopy", "复制", "Ctrl+C", Command::Copy},
        {"EditCut", "剪切", "Ctrl+X", Command::Cut},
        {"EditPaste", "粘贴", "Ctrl+V", Command::Paste},
        {"EditDelete", "删除(&L)", "Del", Command::Delete}}},
      {"mnuShow",
       "显示(&V)",
       {{"ShowStyle", "字体", "", Command::Font},
        {"ShowBackcolor", "背景色", "", Command::BackColor},
        {"ShowDefault", "默认", "", Command::DefaultLook}}},
  };
  s.methodMenuName = "mnuCalculate";
  s.methodMenuCaption = "解方程(&C)";
  s.methods = {
      MethodItem("CalculateDichotomy"), MethodItem("CalculateIterative"),
      MethodItem("IterativeSpeedUp"),   MethodItem("CalculateAitken"),
      MethodItem("CalculateNewton"),    MethodItem("CalculateXianJie"),
  };
  s.helpMenu = HelpMenu("munHelp");
  return s;
}

Worksheet* CreateUltra(WindowServices services) { return new UltraWindow(services); }

UltraWindow::UltraWindow(WindowServices services)
    : Worksheet(UltraDescription(), services), services_(services) {
  pictureAction_ = new QAction("迭代过程图", this);
  pictureAction_->setObjectName("ShowIterationPicture");
  pictureAction_->setToolTip("迭代过程图");
  pictureAction_->setEnabled(false);
  connect(pictureAction_, &QAction::triggered, this, &UltraWindow::ShowIterationPicture);
  if (QMenu* show = Menu("mnuShow")) {
    show->addSeparator();
    show->addAction(pictureAction_);
  }
  Toolbar1()->addSeparator();
  Toolbar1()->addAction(pictureAction_);
  if (auto* button = qobject_cast<QToolButton*>(Toolbar1()->widgetForAction(pictureAction_)))
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  chart_ = new WorksheetChart(this, Toolbar1(), services);
}

void UltraWindow::PrepareMethod(MethodContext& context) {
  steps_ = StepRecord{};
  context.stepRecord = &steps_;
}

void UltraWindow::MethodFinished() {
  chart_->Finished(ResidualRun(steps_, InputText()));
  const bool recorded = !steps_.steps.empty();
  pictureAction_->setEnabled(recorded);
  // An open picture follows the latest run; a run without steps closes it.
  if (pictureWindow_) {
    if (recorded)
      pictureWindow_->ShowRun(steps_, ReportText());
    else
      pictureWindow_->close();
  }
}

void UltraWindow::ShowIterationPicture() {
  if (steps_.steps.empty()) return;
  if (!pictureWindow_) {
    pictureWindow_ = new IterationPictureWindow(Text2(), services_, this);
    pictureWindow_->setAttribute(Qt::WA_DeleteOnClose);
    if (services_.windows) services_.windows->Adopt("IterationPicture", pictureWindow_);
    pictureWindow_->ShowRun(steps_, ReportText());
  }
  pictureWindow_->show();
  pictureWindow_->raise();
  pictureWindow_->activateWindow();
}

}  // namespace tessaly
