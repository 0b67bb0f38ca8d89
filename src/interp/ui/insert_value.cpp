#include "interp/ui/insert_value.h"

#include <QColor>

#include "common/app_state.h"

namespace tessaly {
namespace {

// The colour dialog keeps the colour it last held, as a property of the window.
constexpr const char* kHeldColour = "CommonDialog1.Color";

// "散点图颜色": the point colour of the next scatter plot. Cancel stores the colour the
// dialog last held (black at first).
void mnuShowPicture_Click(Worksheet& w) {
  QColor held = w.property(kHeldColour).value<QColor>();
  if (!held.isValid()) held = Qt::black;
  if (const auto chosen = w.WindowChoosers().ChooseColor(&w, held)) {
    held = *chosen;
    w.setProperty(kHeldColour, held);
  }
  if (AppState* app = w.App()) app->scatterColour = held.rgb() & 0xFFFFFFu;
}

// "默认": the panes' default look, and black points for the scatter plot.
void ShowDefault_Click(Worksheet& w) {
  w.Run(Command::DefaultLook);
  if (AppState* app = w.App()) app->scatterColour = 0;
}

}  // namespace

WorksheetDescription InsertValueDescription() {
  WorksheetDescription s;
  s.name = "InsertValue";
  s.caption = "插值法与最小二乘法曲线拟合";
  s.splitterTwips = 50;
  s.inputLeftTwips = 0;
  s.minOuterTwips = 3000;
  s.resultLocked = false;
  s.refuseLargeFiles = true;
  s.status = {"", "函数表输入区(可编辑)", "结果显示区(不可编辑)", ""};
  s.messages = {"没有打开任何文件。",
                "操作有误！",
                "你没有存盘,数据没有被保存下来！",
                "操作有误！",
                "没有保存文件！",
                "操作有误！",
                "结果为空，不能保存#",
                "文件为空，请重新选择文件#"};
  s.menusBeforeMethods = {
      {"mnuFile",
       "文件(&F)",
       {{"FileNew", "新建", "Ctrl+N", Command::FileNew},
        {"FileOpen", "打开", "Ctrl+O", Command::FileOpen},
        {"FileSave", "保存", "Ctrl+S", Command::FileSave},
        {"FileSaveAs", "另存为", "", Command::FileSaveAs},
        {"File", "退出", "", Command::Close}}},
      {"mnuEdit",
       "编辑(&E)",
       {{"EditSelectAll", "全选(&A)", "Ctrl+A", Command::SelectAll},
        {"EditUndo", "撤消", "", Command::Nothing, true},
        {"EditRecall", "还原", "", Command::Nothing, true},
        {"EditCut", "剪切", "Ctrl+X", Command::Cut},
        {"EditCopy", "复制", "Ctrl+C", Command::Copy},
        {"EditPaste", "粘贴", "Ctrl+V", Command::Paste},
        {"EditDelete", "删除(&L)", "Del", Command::Delete}}},
      {"mnuShow",
       "显示设置(&V)",
       {{"ShowStyle", "字体", "", Command::Font},
        {"ShowBackcolor", "背景", "", Command::BackColor},
        {"ShowDefault", "默认", "", Command::Custom, false, false, ShowDefault_Click},
        {"mnuShowPicture", "散点图颜色", "", Command::Custom, false, false, mnuShowPicture_Click}}},
  };
  s.methodMenuName = "mnuCalculate";
  s.methodMenuCaption = "插值法(&C)";
  s.methods = {
      MethodItem("cLinerInsert"),
      MethodItem("cParabolaInsert"),
      MethodItem("cSubsectionLInS"),
      MethodItem("cSubsectionPInS"),
      MethodItem("cLagrangeInsert"),
      MethodItem("cNewtonInsert"),
      MethodSubmenu("cIsometryNode", "等距节点插值多项式",
                    {MethodItem("cINPreNewton"), MethodItem("cINPostNewton")}),
      MethodItem("cHermite"),
      MethodSubmenu("cThreeBatten", "三次样条插值",
                    {MethodSubmenu("cTBRankOne", "用节点处一阶导数表示的样条函数",
                                   {MethodItem("cTBRORankOne"), MethodItem("cTBRORankTwo")}),
                     MethodSubmenu("cTBRankTwo", "用节点处二阶导数表示的样条函数",
                                   {MethodItem("cTBRTRankOne"), MethodItem("cTBRTRankTwo")})}),
      MethodItem("CMinRideCurve"),
  };
  s.helpMenu = HelpMenu("mnuHelp");
  return s;
}

Worksheet* CreateInsertValue(WindowServices services) {
  return new Worksheet(InsertValueDescription(), services);
}

}  // namespace tessaly
