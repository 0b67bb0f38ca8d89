// A linear-systems method run from the menu reads the input pane with CR LF line breaks
// and rounds to the window's Decimal digits.
#include <gtest/gtest.h>

#include "linear/ui/linear_frm.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

TEST(LinearRun, MenuRunUsesTheWindowsDigits) {
  testing::EnsureApp();
  const MethodEntry* gauss = AllMethods().Find("LinearFrm", "Gauss_1");
  if (!gauss) GTEST_SKIP() << "Gauss_1 is not built";
  const std::string matrix = "10 -1 2 6\r\n-1 11 -1 25\r\n2 -1 10 -11";

  ResultPane pane;
  ScriptedDialogs alone({"3"});
  MethodContext context{matrix, pane, alone, 3};
  gauss->run(context);

  ScriptedDialogs dialogs({"3", "3"});
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateLinearFrm({&dialogs, &choosers, nullptr}));
  w->SetInputText("10 -1 2 6\n-1 11 -1 25\n2 -1 10 -11");
  testing::Trigger(*w, "FormatDecimalDigits");
  ASSERT_EQ(w->Digits(), 3);
  testing::OpenMenu(w->Menu("Uncoil"));
  testing::Trigger(*w, "Gauss_1");
  EXPECT_EQ(w->ReportText(), pane.Text());
  EXPECT_NE(pane.Text().find("x(1)=1.043\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tessaly
