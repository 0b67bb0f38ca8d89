// The comparison as the windows drive it: three solvers on one system give three legend
// entries, 清除 forgets them; two ODE windows overlay their runs in one shared picture.
#include <gtest/gtest.h>

#include <QPushButton>

#include "common/ui/plot_view.h"
#include "linear/ui/linear_frm.h"
#include "ode/ui/ode_windows.h"
#include "pictures/ui/charted_form_window.h"
#include "pictures/ui/charted_worksheet.h"
#include "worksheet/ui/window_test_support.h"

namespace tessaly {
namespace {

bool Says(const DisplayList& d, const std::string& text) {
  for (const PlotText& t : d.texts)
    if (t.text == text) return true;
  return false;
}

TEST(ConvergenceChartWindow, ComparesSolversOnOneSystemUntilCleared) {
  testing::EnsureApp();
  const std::vector<std::string> start = {"1E-05", "4", "0", "0", "0", "0"};
  std::vector<std::string> answers;
  for (int run = 0; run < 3; ++run) answers.insert(answers.end(), start.begin(), start.end());
  answers.push_back("1.25");
  ScriptedDialogs dialogs(answers);
  testing::ScriptedChoosers choosers;
  std::unique_ptr<Worksheet> w(CreateLinearFrm({&dialogs, &choosers, nullptr}));
  auto* charted = dynamic_cast<ChartedWorksheet*>(w.get());
  ASSERT_NE(charted, nullptr);
  EXPECT_FALSE(charted->Chart()->Action()->isEnabled());
  w->SetInputText("10 -1 2 0 6\n-1 11 -1 3 25\n2 -1 10 -1 -11\n0 3 -1 8 15");
  for (const char* method : {"JacobiDie", "Gauss_SeidelDie", "SorDie"}) {
    testing::OpenMenu(w->Menu("Uncoil"));
    testing::Trigger(*w, method);
  }
  ASSERT_TRUE(charted->Chart()->Action()->isEnabled());
  charted->Chart()->Action()->trigger();
  ConvergenceChartWindow* chart = charted->Chart()->Window();
  ASSERT_NE(chart, nullptr);
  ASSERT_EQ(chart->Pictures().size(), 1u);
  const DisplayList& shown = chart->Pictures()[0]->Drawing();
  for (const char* entry : {"Jacobi", "Gauss-Seidel", "SOR ω=1.25"}) EXPECT_TRUE(Says(shown, entry));
  chart->ClearButton()->click();
  EXPECT_TRUE(charted->Chart()->Kept().Empty());
  EXPECT_FALSE(Says(chart->Pictures()[0]->Drawing(), "Jacobi"));
  chart->close();
}

TEST(ConvergenceChartWindow, OdeWindowsShareOnePicture) {
  testing::EnsureApp();
  ScriptedDialogs dialogs({"0.5", "0.5"});
  testing::ScriptedChoosers choosers;
  auto kept = std::make_shared<KeptCharts>();
  const WindowServices services{&dialogs, &choosers, nullptr};
  ChartedFormWindow euler(UsDiEulerDescription(), services, kept);
  ChartedFormWindow rk(UsDiRungeKuttaDescription(), services, kept);
  for (ChartedFormWindow* w : {&euler, &rk}) {
    EXPECT_FALSE(w->ChartButton()->isEnabled());
    for (auto [box, text] : {std::pair{"Text1", "y-x^2+1"}, {"Text2", "0"}, {"Text3", "2"},
                             {"Text4", "10"}})
      w->TextBox(box)->setText(text);
    w->Press();
    EXPECT_TRUE(w->ChartButton()->isEnabled());
  }
  rk.ChartButton()->click();
  ASSERT_NE(kept->window, nullptr);
  const DisplayList& shown = kept->window->Pictures()[0]->Drawing();
  for (const char* entry : {"欧拉公式", "Euler预估-校正公式", "三阶龙格-库塔公式", "四阶龙格-库塔公式"})
    EXPECT_TRUE(Says(shown, entry)) << entry;
  kept->window->close();
}

}  // namespace
}  // namespace tessaly
