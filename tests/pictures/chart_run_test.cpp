// What the iterative methods record for their charts, that recording leaves their reports
// alone, and which runs a window keeps for comparison.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/chart_run.h"
#include "common/form_command.h"
#include "common/method_registry.h"
#include "common/scripted_dialogs.h"
#include "pictures/chart_comparison.h"
#include "pictures/convergence_chart.h"

namespace tessaly {
namespace {

// The 4 × 4 system with the solution (1, 2, −1, 1) and a symmetric 3 × 3 matrix.
constexpr const char* kSystem =
    "10 -1 2 0 6\r\n-1 11 -1 3 25\r\n2 -1 10 -1 -11\r\n0 3 -1 8 15";
constexpr const char* kSymmetric = "2 -1 0\r\n-1 2 -1\r\n0 -1 2";

std::string Report(const MethodEntry& entry, const std::string& input,
                   const std::vector<std::string>& answers, ChartRun* record) {
  ResultPane pane;
  ScriptedDialogs dialogs(answers);
  MethodContext ctx{input, pane, dialogs, 6};
  ctx.chartRun = record;
  entry.run(ctx);
  return pane.Text();
}

TEST(ChartRecording, MethodsRecordTheirRunAndKeepTheirReports) {
  const std::vector<std::string> x0 = {"0", "0", "0", "0"};
  auto with = [](std::vector<std::string> a, std::vector<std::string> b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  struct Case {
    const char* window;
    const char* item;
    const char* input;
    std::vector<std::string> answers;
    ChartKind kind;
    const char* name;
    double last, tolerance;  // the last value recorded
  };
  const Case cases[] = {
      {"LinearFrm", "JacobiDie", kSystem, with({"1E-05", "4"}, x0), ChartKind::Change, "Jacobi", 0,
       1e-5},
      {"LinearFrm", "Gauss_SeidelDie", kSystem, with({"1E-05", "4"}, x0), ChartKind::Change,
       "Gauss-Seidel", 0, 1e-5},
      {"LinearFrm", "SorDie", kSystem, with(with({"1E-05", "4"}, x0), {"1.25"}),
       ChartKind::Change, "SOR ω=1.25", 0, 1e-5},
      {"MatrixCValueCVector", "MatrixMi", kSymmetric, {"3", "0.0001", ""},
       ChartKind::Eigenvalue, "幂法", 2 + std::sqrt(2.0), 1e-3},
      {"MatrixCValueCVector", "MatrixFanMi", kSymmetric, {"3", "0.0001", ""},
       ChartKind::Eigenvalue, "反幂法", 2 - std::sqrt(2.0), 1e-3},
      {"MatrixCValueCVector", "ClassicalJacobi", kSymmetric, {"3", "0.001"},
       ChartKind::OffDiagonal, "Jacobi旋转法", 0, 1e-3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const MethodEntry* entry = AllMethods().Find(c.window, c.item);
    ASSERT_NE(entry, nullptr);
    ChartRun run;
    const std::string report = Report(*entry, c.input, c.answers, &run);
    EXPECT_EQ(report, Report(*entry, c.input, c.answers, nullptr));
    EXPECT_EQ(run.kind, c.kind);
    EXPECT_EQ(run.problem, c.input);
    ASSERT_EQ(run.series.size(), 1u);
    const ChartSeries& s = run.series[0];
    EXPECT_EQ(s.name, c.name);
    ASSERT_FALSE(s.y.empty());
    // A sweep chart has a point for every sweep the report counts.
    if (c.kind == ChartKind::Change) {
      const size_t at = report.find("迭代") + std::string("迭代").size();
      EXPECT_EQ(std::to_string(s.y.size()), report.substr(at, report.find("次", at) - at));
    }
    EXPECT_NEAR(s.y.back(), c.last, c.tolerance);
  }
}

// The ODE windows hand over both columns; Euler and Runge-Kutta runs of one problem compare.
TEST(ChartRecording, OdeColumnsAgainstX) {
  auto solve = [](const char* window, const char* y0) {
    const FormCommand* command = AllFormCommands().Find(std::string(window) + ".Command1");
    FormFields fields(command->controls);
    for (auto [name, text] : {std::pair{"Text1", "y-x^2+1"}, {"Text2", "0"}, {"Text3", "2"},
                              {"Text4", "10"}})
      fields.Set(name, text);
    ScriptedDialogs dialogs({y0});
    AppState app;
    ChartRun run;
    FormContext ctx{fields, dialogs, app, &run};
    command->run(ctx);
    return run;
  };
  const ChartRun euler = solve("UsDi_Euler", "0.5");
  ASSERT_EQ(euler.series.size(), 2u);
  EXPECT_EQ(euler.series[0].name, "欧拉公式");
  EXPECT_EQ(euler.series[1].name, "Euler预估-校正公式");
  EXPECT_EQ(euler.series[1].x.size(), 11u);
  EXPECT_DOUBLE_EQ(euler.series[1].x.back(), 2);
  EXPECT_DOUBLE_EQ(euler.series[0].y.front(), 0.5);
  // The exact solution (x + 1)² − e^x/2 is 5.3054720 at 2; RK4 with h = 0.2 gives 5.305363.
  const ChartRun rk = solve("UsDi_RungeKutta", "0.5");
  EXPECT_NEAR(rk.series[1].y.back(), 9 - std::exp(2.0) / 2, 2e-4);
  EXPECT_EQ(rk.problem, euler.problem);
  EXPECT_NE(solve("UsDi_Euler", "1").problem, euler.problem);
}

ChartRun KeptRun(ChartKind kind, const char* problem, const char* name, size_t points = 1) {
  ChartRun r;
  r.Begin(kind, problem, name);
  for (size_t i = 0; i < points; ++i) r.Add(i, 1);
  return r;
}

std::vector<std::string> Names(const ChartComparison& c) {
  std::vector<std::string> names;
  for (const ChartRun* r : c.Shown()) names.push_back(r->series[0].name);
  return names;
}

TEST(ChartComparison, KeepsRunsOnOneProblemUntilItChangesOrIsCleared) {
  using V = std::vector<std::string>;
  ChartComparison c;
  for (const char* name : {"Jacobi", "Gauss-Seidel", "SOR ω=1.25", "Jacobi"})
    c.Add(KeptRun(ChartKind::Change, "A", name));
  c.Add(KeptRun(ChartKind::Change, "A", "SOR ω=1.1", 0));  // recorded nothing: not kept
  EXPECT_EQ(Names(c), (V{"Gauss-Seidel", "SOR ω=1.25", "Jacobi"}));
  // Another kind on the same problem: shown alone, the others still kept.
  c.Add(KeptRun(ChartKind::OffDiagonal, "A", "Jacobi旋转法"));
  EXPECT_EQ(Names(c), V{"Jacobi旋转法"});
  c.Add(KeptRun(ChartKind::Change, "A", "SOR ω=1.1"));
  EXPECT_EQ(Names(c), (V{"Gauss-Seidel", "SOR ω=1.25", "Jacobi", "SOR ω=1.1"}));
  c.Add(KeptRun(ChartKind::Change, "B", "Jacobi"));
  EXPECT_EQ(Names(c), V{"Jacobi"});
  c.Clear();
  EXPECT_TRUE(c.Empty());
  EXPECT_EQ(c.LatestKind(), ChartKind::None);
}

// Values a log scale cannot show are gaps, counted and said under the chart; the lines join
// only neighbours that both show; a one-step run still draws its point.
TEST(ConvergenceChart, PanelsAsData) {
  ChartRun sweeps;
  sweeps.Begin(ChartKind::Change, "A", "Jacobi", 1e-5);
  const double inf = INFINITY;
  for (double y : {1.0, 0.1, 0.0, inf, 1e-3}) sweeps.Add(sweeps.series[0].x.size() + 1, y);
  const std::vector<ChartPanel> panels = MakePanels({&sweeps});
  ASSERT_EQ(panels.size(), 1u);
  const ChartPanel& p = panels[0];
  EXPECT_TRUE(p.log10 && p.markers);
  EXPECT_EQ(p.levels, std::vector<double>{-5});
  EXPECT_EQ(p.leftOut, 2);
  EXPECT_EQ(LeftOutNote(p), "2 个值无法在对数坐标上画出");
  const DisplayList d = DrawPanel(p, nullptr, true, kChartWidth, kChartHeight);
  size_t series = 0;
  for (const PlotLine& l : d.lines) series += l.colour == Rgb{0x1f77b4} && l.widthPx == 1.5;
  EXPECT_EQ(series, 1u);  // 1 -> 0.1; the legend's line is 2 px wide
  auto dataMarks = [](const DisplayList& list) {  // the legend marks its entries by squares
    return std::count_if(list.marks.begin(), list.marks.end(),
                         [](const PlotMark& m) { return m.shape == MarkShape::Disc; });
  };
  EXPECT_EQ(dataMarks(d), 3);
  EXPECT_LE(d.bottom, -5);  // the precision line is in view
  EXPECT_GE(d.top, 0);

  // Eigenvalue estimates: the second panel holds |λ(k) − λ(k−1)|.
  ChartRun power;
  power.Begin(ChartKind::Eigenvalue, "A", "幂法", 1e-4);
  for (double y : {3.5, 3.42, 3.4142}) power.Add(power.series[0].x.size() + 3, y);
  const std::vector<ChartPanel> eigen = MakePanels({&power});
  ASSERT_EQ(eigen.size(), 2u);
  EXPECT_FALSE(eigen[0].log10);
  EXPECT_EQ(eigen[1].lines[0].x, (std::vector<double>{4, 5}));
  EXPECT_NEAR(eigen[1].lines[0].y[1], std::log10(0.0058), 1e-9);
  EXPECT_EQ(DrawStackedPanels(eigen, 640, 420).height, 840);

  // One step; and nodes marked up to n = 50 only.
  ChartRun one = KeptRun(ChartKind::OffDiagonal, "A", "Jacobi旋转法");
  const DisplayList single = DrawPanel(MakePanels({&one})[0], nullptr, true, 640, 420);
  EXPECT_EQ(dataMarks(single), 1);
  EXPECT_TRUE(std::isfinite(single.top - single.bottom) && single.top > single.bottom);
  for (size_t nodes : {51u, 52u}) {
    ChartRun ode = KeptRun(ChartKind::Solution, "A", "欧拉公式", nodes);
    EXPECT_EQ(MakePanels({&ode})[0].markers, nodes == 51) << nodes;
  }
}

}  // namespace
}  // namespace tessaly
