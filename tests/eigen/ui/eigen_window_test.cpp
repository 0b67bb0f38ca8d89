// The eigenvalue methods in their window's menu, and a run from the menu with the window's
// Decimal digits.
#include <gtest/gtest.h>

#include <QMenu>

#include "eigen/ui/matrix_window.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

TEST(EigenWindow, MethodMenuStartsWithTheEigenvalueMethods) {
  testing::EnsureApp();
  ScriptedDialogs dialogs;
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateMatrixCValueCVector({&dialogs, &choosers, nullptr}));
  QMenu* menu = w->Menu("mnuC");
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* a : menu->actions())
    items << (a->isSeparator() ? "-" : a->objectName() + " " + a->text());
  ASSERT_GE(items.size(), 6);
  EXPECT_EQ(items.mid(0, 6),
            (QStringList{"MatrixMi 幂法", "MatrixCircleMove 原点平移法", "MatrixFanMi 反幂法",
                         "ClassicalJacobi 古典雅可比法", "JacobiPassBarrier 雅可比过关法", "-"}));
}

TEST(EigenWindow, JacobiFromTheMenuRoundsVToTheWindowsDigits) {
  testing::EnsureApp();
  const std::string matrix = "4 1 2\r\n1 3 0\r\n2 0 5";
  ResultPane pane;
  ScriptedDialogs alone({"3", "0.001"});
  MethodContext context{matrix, pane, alone, 3};
  AllMethods().Find("MatrixCValueCVector", "ClassicalJacobi")->run(context);

  ScriptedDialogs dialogs({"3", "3", "0.001"});
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateMatrixCValueCVector({&dialogs, &choosers, nullptr}));
  w->SetInputText("4 1 2\n1 3 0\n2 0 5");
  testing::Trigger(*w, "ShowFormatDecimalDigits");
  ASSERT_EQ(w->Digits(), 3);
  testing::OpenMenu(w->Menu("mnuC"));
  testing::Trigger(*w, "ClassicalJacobi");
  EXPECT_EQ(w->ReportText(), pane.Text());
  EXPECT_NE(pane.Text().find("                   0.679                   0.374"), std::string::npos)
      << pane.Text();
}

}  // namespace
}  // namespace tessaly
