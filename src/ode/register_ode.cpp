// The buttons of the three ODE windows.
#include <memory>
#include <utility>
#include <vector>

#include "catalog/families.h"
#include "common/chart_run.h"
#include "common/number_text.h"
#include "ode/ode_form.h"

namespace tessaly {
namespace {

using ode::OdeProblem;
using OneStartSolver = ode::Columns (*)(const FormulaXY&, const ode::Grid&, double);

// The table as the result box shows it, and as comma-separated values on demand.
void SetTable(FormOutcome& outcome, std::string_view firstTitle, std::string_view secondTitle,
              const ode::Grid& grid, ode::Columns columns) {
  outcome.result = ode::OdeTable(firstTitle, secondTitle, grid, columns);
  outcome.warning = ode::OverflowWarning(grid, columns);
  auto kept = std::make_shared<const std::pair<ode::Grid, ode::Columns>>(grid, std::move(columns));
  outcome.csv = [kept, first = std::string(firstTitle), second = std::string(secondTitle)] {
    return ode::OdeCsv(first, second, kept->first, kept->second);
  };
}

// A column's legend entry: its title without the trailing "Y(n)".
std::string SeriesName(std::string_view title) {
  constexpr std::string_view kSuffix = "Y(n)";
  if (title.ends_with(kSuffix)) title.remove_suffix(kSuffix.size());
  return std::string(title);
}

// Hands the table's two columns to the chart, where one is recorded. Runs are compared on
// the same f, bounds, parts and y0.
void RecordColumns(FormContext& ctx, const OdeProblem& p, double y0, std::string_view firstTitle,
                   std::string_view secondTitle, const ode::Columns& columns) {
  ChartRun* chart = ctx.chartRun;
  if (!chart) return;
  std::string problem = p.formula;
  for (double v : {p.a, p.grid.x.back(), static_cast<double>(p.grid.n), y0})
    problem.append("\n").append(PlainNumberText(v));
  chart->Begin(ChartKind::Solution, std::move(problem), SeriesName(firstTitle));
  chart->series[0].x = p.grid.x;
  chart->series[0].y = columns.first;
  chart->series.push_back({SeriesName(secondTitle), p.grid.x, columns.second});
}

// The Euler and Runge-Kutta windows: one starting value at a.
FormOutcome RunOneStart(FormContext& ctx, std::string_view firstTitle,
                        std::string_view secondTitle, OneStartSolver solve) {
  FormOutcome outcome;
  std::optional<OdeProblem> p = ode::ReadOdeProblem(ctx, outcome);
  if (!p) return outcome;
  std::optional<double> y0 = ode::AskStartValue(ctx.dialogs, p->a);
  if (!y0) {
    ctx.dialogs.MsgBox("没有输入初始函数值。");
    return outcome;
  }
  const FormulaXY f(NormalizeFormula(p->formula), "y");
  // Progress in two parts: the steps, then the table.
  ReportProgress(ctx.progress, 0, 2);
  ode::Columns columns = solve(f, p->grid, *y0);
  ReportProgress(ctx.progress, 1, 2);
  RecordColumns(ctx, *p, *y0, firstTitle, secondTitle, columns);
  SetTable(outcome, firstTitle, secondTitle, p->grid, std::move(columns));
  return outcome;
}

FormOutcome RunEuler(FormContext& ctx) {
  return RunOneStart(ctx, "欧拉公式Y(n)", "Euler预估-校正公式Y(n)", ode::SolveEuler);
}

FormOutcome RunRungeKutta(FormContext& ctx) {
  return RunOneStart(ctx, "三阶龙格-库塔公式Y(n)", "四阶龙格-库塔公式Y(n)",
                     ode::SolveRungeKutta);
}

FormOutcome RunAdams(FormContext& ctx) {
  FormOutcome outcome;
  std::optional<OdeProblem> p = ode::ReadOdeProblem(ctx, outcome);
  if (!p) return outcome;
  // Four starting values at X(0..3); on a grid of fewer than four points only those on it.
  std::vector<double> starts;
  for (int k = 0; k < ode::AdamsStartCount(p->grid.n); ++k) {
    std::optional<double> y = ode::AskStartValue(ctx.dialogs, p->grid.x[k]);
    if (!y) {
      ctx.dialogs.MsgBox("没有输入第" + PlainIntegerText(k) + "个的初始函数值。");
      return outcome;
    }
    starts.push_back(*y);
  }
  const FormulaXY f(NormalizeFormula(p->formula), "y");
  constexpr std::string_view kFirst = "阿达姆斯外插公式Y(n)", kSecond = "阿达姆斯内插公式Y(n)";
  ReportProgress(ctx.progress, 0, 2);
  ode::Columns columns = ode::SolveAdams(f, p->grid, starts);
  ReportProgress(ctx.progress, 1, 2);
  RecordColumns(ctx, *p, starts.front(), kFirst, kSecond, columns);
  SetTable(outcome, kFirst, kSecond, p->grid, std::move(columns));
  return outcome;
}

FormCommand OdeCommand(std::string window, std::string caption,
                       FormOutcome (*run)(FormContext&)) {
  FormCommand c;
  c.window = std::move(window);
  c.control = "Command1";
  c.caption = std::move(caption);
  c.controls = ode::OdeControls();
  c.run = run;  // no enabling rule: the button is always enabled
  c.csvTable = true;
  return c;
}

}  // namespace

void RegisterOdeCommands(FormCommandRegistry& r) {
  r.Add(OdeCommand("UsDi_Euler", "欧拉(Euler)计算", RunEuler));
  r.Add(OdeCommand("UsDi_RungeKutta", "龙格库塔(Runge-Kutta)方法计算", RunRungeKutta));
  r.Add(OdeCommand("UsDi_Adams", "线性多步方法(Adams)计算", RunAdams));
}

}  // namespace tessaly
