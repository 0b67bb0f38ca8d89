#include "linear/ui/linear_frm.h"

#include "pictures/ui/charted_worksheet.h"

#include "worksheet/worksheet_rules.h"

namespace tessaly {

WorksheetDescription LinearFrmDescription() {
  WorksheetDescription s;
  s.name = "LinearFrm";
  s.caption = "线性方程组的数值解法";
  s.splitterTwips = 100;
  s.inputLeftTwips = 0;
  s.minOuterTwips = 3000;
  s.resultLocked = true;
  s.digitsMax = kLinearDigitsMax;
  s.digitsPrompt = "输入要设置小数数位 n：";
  s.defaultSetsFontName = true;
  s.fileMenuSwitchesSave = true;
  s.status = {"编辑状态", "编辑区域", "结果区域", ""};
  s.messages = {"没有打开任何文件。",
                "操作有误#",
                "你没有存盘,数据没有被保存下来#",
                "操作有误#",
                "没有保存文件。",
                "操作有误#",
                "结果为空，不能保存#",
                "文件为空，请重新选择文件！"};
  s.menusBeforeMethods = {
      {"FileMenu",
       "文件(&F)",
       {{"FileNew", "新建", "Ctrl+N", Command::FileNew},
        {"FileOpen", "打开", "Ctrl+O", Command::FileOpen},
        {"FileSave", "保存", "Ctrl+S", Command::FileSave},
        {"FileSaveAS", "另存为", "", Command::FileSaveAs},
        {"FileExit", "退出", "", Command::Close}}},
      {"EditMenu",
       "编辑(&E)",
       {{"EditSelectAll", "全选(&A)", "Ctrl+A", Command::SelectAll},
        {"Edit", "撤消", "Ctrl+Z", Command::Nothing, true},
        {"EditCut", "剪切", "Ctrl+X", Command::Cut},
        {"EditCopy", "复制", "Ctrl+C", Command::Copy},
        {"EditPaste", "粘贴", "Ctrl+V", Command::Paste},
        {"EditDelete", "删除(&L)", "Del", Command::Delete}}},
      {"Format",
       "显示(&V)",
       {{"FormatStyle", "字体", "", Command::Font},
        {"FormatBackColor", "背景色", "", Command::BackColor},
        {"FormatDecimalDigits", "设置小数数位", "", Command::DecimalDigits},
        {"FormatDefault", "默认", "", Command::DefaultLook}}},
  };
  s.methodMenuName = "Uncoil";
  s.methodMenuCaption = "解线性方程组(&U)";
  s.methods = {
      MethodItem("Gauss_1"),
      MethodItem("GaussTier"),
      MethodItem("GaussFull"),
      MethodSeparator("Gauss__"),
      MethodHeading("GaussApply", "列主元消去法应用"),
      MethodItem("A_matrix"),
      MethodItem("A_range"),
      MethodItem("MatrixBreak"),
      MethodSeparator("ctx__"),
      MethodItem("LU_break"),
      MethodItem("SqrtRoot"),
      MethodItem("MendSqrt"),
      MethodItem("Purase"),
      MethodItem("TierLU"),
      MethodSeparator("ctx___"),
      MethodItem("JacobiDie"),
      MethodItem("Gauss_SeidelDie"),
      MethodItem("SorDie"),
      MethodSubmenu("IterativeAstringency", "迭代法的收敛性",
                    {MethodItem("CMatrixJudge"), MethodItem("VectorModel"),
                     MethodItem("MatrixModel"), MethodItem("StrictMatrixJudge")}),
  };
  s.helpMenu = HelpMenu("mnuHelp");
  return s;
}

Worksheet* CreateLinearFrm(WindowServices services) {
  return new ChartedWorksheet(LinearFrmDescription(), services);
}

}  // namespace tessaly
