#include "eigen/ui/matrix_window.h"

#include "pictures/ui/charted_worksheet.h"

#include "worksheet/worksheet_rules.h"

namespace tessaly {

WorksheetDescription MatrixCValueCVectorDescription() {
  WorksheetDescription s;
  s.name = "MatrixCValueCVector";
  s.caption = "矩阵的特征值及特征向量的计算";
  s.splitterTwips = 100;
  s.inputLeftTwips = 1;
  s.minOuterTwips = 3000;
  s.resultLocked = false;
  s.digitsMax = kEigenDigitsMax;
  s.digitsPrompt = "输入要设置小数数位(0-15)：\r\n默认是6.";
  s.status = {"编辑状态", "编辑区域", "结果区域", ""};
  s.messages = {"没有打开任何文件。",
                "操作有误!",
                "你没有存盘,数据没有被保存下来！",
                "操作有误！",
                "没有保存文件。",
                "操作有误！",
                "结果为空，不能保存!",
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
       {{"EditUndo", "撤消", "", Command::Nothing, true, true},
        {"EditRecall", "还原", "", Command::Nothing, true, true},
        {"EditSelectAll", "全选(&A)", "Ctrl+A", Command::SelectAll},
        {"EditCut", "剪切", "Ctrl+X", Command::Cut},
        {"EditCopy", "复制", "Ctrl+C", Command::Copy},
        {"EditPaste", "粘贴", "Ctrl+V", Command::Paste},
        {"EditDelete", "删除(&L)", "Del", Command::Delete}}},
      {"mnuShow",
       "显示(&V)",
       {{"ShowStyle", "字体", "", Command::Font},
        {"ShowBackcolor", "背景", "", Command::BackColor},
        {"ShowDefault", "默认", "", Command::DefaultLook},
        {"ShowFormatDecimalDigits", "设置小数数位", "", Command::DecimalDigits}}},
  };
  s.methodMenuName = "mnuC";
  s.methodMenuCaption = "求解(&C)";
  s.methods = {
      MethodItem("MatrixMi"),
      MethodItem("MatrixCircleMove"),
      MethodItem("MatrixFanMi"),
      MethodItem("ClassicalJacobi"),
      MethodItem("JacobiPassBarrier"),
      MethodSeparator("Gauss__"),
      MethodItem("A_matrix"),
      MethodItem("A_range"),
      MethodItem("MatrixBreak"),
      MethodSeparator("OtherApply"),
      MethodItem("CMatrixJudge"),
      MethodItem("VectorModel"),
      MethodItem("MatrixModel"),
      MethodItem("StrictMatrixJudge"),
  };
  s.helpMenu = HelpMenu("mnuHelp");
  return s;
}

Worksheet* CreateMatrixCValueCVector(WindowServices services) {
  return new ChartedWorksheet(MatrixCValueCVectorDescription(), services);
}

}  // namespace tessaly
