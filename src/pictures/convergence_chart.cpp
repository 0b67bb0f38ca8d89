#include "pictures/convergence_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "pictures/chart.h"

namespace tessaly {
namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();
constexpr Rgb kPalette[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e,
                            0x9467bd, 0x8c564b, 0xe377c2, 0x17becf};
constexpr Rgb kLevelColour = 0x808080;
constexpr Rgb kTitleColour = 0x303030;
// Series of at most this many points have every point marked.
constexpr size_t kMarkedPoints = 51;

Rgb ColourOf(size_t i) { return kPalette[i % std::size(kPalette)]; }

// y as plotted: its logarithm on a log panel (a gap, counted, where it has none).
double Plotted(ChartPanel& panel, double y) {
  if (panel.log10) {
    if (y > 0 && std::isfinite(y)) return std::log10(y);
  } else if (std::isfinite(y)) {
    return y;
  }
  ++panel.leftOut;
  return kGap;
}

void AddLine(ChartPanel& panel, const std::string& name, const std::vector<double>& x,
             const std::vector<double>& y) {
  ChartPanel::Line line{name, x, {}};
  line.y.reserve(y.size());
  for (double v : y) line.y.push_back(Plotted(panel, v));
  panel.lines.push_back(std::move(line));
}

void AddLevel(ChartPanel& panel, double precision) {
  if (!(precision > 0 && std::isfinite(precision))) return;
  const double level = panel.log10 ? std::log10(precision) : precision;
  if (std::find(panel.levels.begin(), panel.levels.end(), level) == panel.levels.end())
    panel.levels.push_back(level);
}

void SetMarkers(ChartPanel& panel) {
  panel.markers = std::all_of(panel.lines.begin(), panel.lines.end(),
                              [](const ChartPanel::Line& l) { return l.x.size() <= kMarkedPoints; });
}

// The single-panel kinds: every series as recorded.
ChartPanel SeriesPanel(const std::vector<const ChartRun*>& runs, bool log10, std::string title,
                       std::string xTitle) {
  ChartPanel panel{log10, std::move(title), std::move(xTitle)};
  for (const ChartRun* run : runs) {
    for (const ChartSeries& s : run->series) AddLine(panel, s.name, s.x, s.y);
    if (log10) AddLevel(panel, run->precision);
  }
  SetMarkers(panel);
  return panel;
}

// The eigenvalue estimates and, below, |λ(k) − λ(k−1)| from the second estimate on.
std::vector<ChartPanel> EigenPanels(const std::vector<const ChartRun*>& runs) {
  ChartPanel estimates{false, "特征值估计", "迭代次数 k"};
  ChartPanel changes{true, "相邻两次估计之差（对数坐标）", "迭代次数 k"};
  for (const ChartRun* run : runs) {
    for (const ChartSeries& s : run->series) {
      AddLine(estimates, s.name, s.x, s.y);
      std::vector<double> x, d;
      for (size_t i = 1; i < s.y.size(); ++i) {
        x.push_back(s.x[i]);
        d.push_back(std::fabs(s.y[i] - s.y[i - 1]));
      }
      AddLine(changes, s.name, x, d);
    }
    AddLevel(changes, run->precision);
  }
  SetMarkers(estimates);
  SetMarkers(changes);
  return {std::move(estimates), std::move(changes)};
}

}  // namespace

std::vector<ChartPanel> MakePanels(const std::vector<const ChartRun*>& runs) {
  if (runs.empty()) return {};
  switch (runs.front()->kind) {
    case ChartKind::Change:
      return {SeriesPanel(runs, true, "max |x(k) − x(k−1)|（对数坐标）", "迭代次数 k")};
    case ChartKind::Eigenvalue:
      return EigenPanels(runs);
    case ChartKind::OffDiagonal:
      return {SeriesPanel(runs, true, "最大非对角元的模（对数坐标）", "旋转次数")};
    case ChartKind::Residual:
      return {SeriesPanel(runs, true, "|f(x(k))|（对数坐标）", "迭代次数 k")};
    case ChartKind::Solution: {
      ChartPanel panel = SeriesPanel(runs, false, "Y(n)", "x");
      return {std::move(panel)};
    }
    case ChartKind::None:
      break;
  }
  return {};
}

ViewBox FitPanelView(const ChartPanel& panel) {
  std::vector<double> xs, ys = panel.levels;
  for (const ChartPanel::Line& l : panel.lines) {
    for (size_t i = 0; i < l.x.size(); ++i) {
      if (!std::isfinite(l.y[i])) continue;
      xs.push_back(l.x[i]);
      ys.push_back(l.y[i]);
    }
  }
  const Span x = FitSpan(xs, 0.05);
  Span y = FitSpan(ys, 0.08);
  // A log panel shows at least one decade, so that it has a decade tick to read.
  if (panel.log10 && y.hi - y.lo < 1.2) {
    const double centre = (y.lo + y.hi) / 2;
    y = {centre - 0.6, centre + 0.6};
  }
  // Room at the top for the title and the legend, at the bottom for the axis title.
  const double span = y.hi - y.lo;
  const double legendRows = static_cast<double>(panel.lines.size()) + 1;
  y.hi += span * std::min(0.06 * legendRows, 0.5);
  y.lo -= span * 0.06;
  return {x.lo, y.hi, x.hi, y.lo};
}

std::string LeftOutNote(const ChartPanel& panel) {
  if (panel.leftOut == 0) return {};
  return PlainIntegerText(panel.leftOut) +
         (panel.log10 ? " 个值无法在对数坐标上画出" : " 个值溢出，未画出");
}

DisplayList DrawPanel(const ChartPanel& panel, const ViewBox* view, bool grid, int width,
                      int height) {
  Chart chart(width, height, view ? *view : FitPanelView(panel),
              panel.log10 ? Chart::Scale::Log10 : Chart::Scale::Linear);
  chart.Frame(grid);
  const ViewBox v = chart.View();
  for (double level : panel.levels) {
    chart.Line(v.left, level, v.right, level, kLevelColour, 1, true);
    const double precision = panel.log10 ? std::pow(10.0, level) : level;
    chart.Label(v.left, level, "精度 " + PlainNumberText(precision), kLevelColour, 48, -18);
  }
  std::vector<LegendEntry> legend;
  for (size_t i = 0; i < panel.lines.size(); ++i) {
    const ChartPanel::Line& l = panel.lines[i];
    const Rgb colour = ColourOf(i);
    legend.push_back({l.name, colour});
    for (size_t j = 0; j < l.x.size(); ++j) {
      if (!std::isfinite(l.y[j])) continue;
      if (j > 0 && std::isfinite(l.y[j - 1]))
        chart.Line(l.x[j - 1], l.y[j - 1], l.x[j], l.y[j], colour, 1.5);
      if (panel.markers) chart.Mark(l.x[j], l.y[j], colour, MarkShape::Disc, 5);
    }
  }
  chart.Legend(legend);
  chart.Label(v.left, v.top, panel.title, kTitleColour, 48, 6);
  chart.Label(v.right, v.bottom, panel.xTitle, kTitleColour, -6, -38, TextAlign::Right);
  const std::string note = LeftOutNote(panel);
  if (!note.empty()) chart.Notes({note});
  return chart.Take();
}

namespace {

// Moves a panel drawn at its own view into the rows [offsetPx, offsetPx + its height) of a
// picture whose view is `to` over `toHeight` pixels.
void Append(DisplayList& to, const DisplayList& panel, int offsetPx) {
  const double ux = (to.right - to.left) / to.width, uy = (to.top - to.bottom) / to.height;
  const double px = (panel.right - panel.left) / panel.width;
  const double py = (panel.top - panel.bottom) / panel.height;
  auto mx = [&](double x) { return to.left + (x - panel.left) / px * ux; };
  auto my = [&](double y) { return to.top - (offsetPx + (panel.top - y) / py) * uy; };
  for (PlotRect r : panel.rects) {
    r.x1 = mx(r.x1), r.x2 = mx(r.x2), r.y1 = my(r.y1), r.y2 = my(r.y2);
    to.rects.push_back(r);
  }
  for (PlotLine l : panel.lines) {
    l.x1 = mx(l.x1), l.x2 = mx(l.x2), l.y1 = my(l.y1), l.y2 = my(l.y2);
    to.lines.push_back(l);
  }
  for (PlotPoint p : panel.points) {
    p.x = mx(p.x), p.y = my(p.y);
    to.points.push_back(p);
  }
  for (PlotMark m : panel.marks) {
    m.x = mx(m.x), m.y = my(m.y);
    to.marks.push_back(m);
  }
  for (PlotText t : panel.texts) {
    t.x = mx(t.x), t.y = my(t.y);
    to.texts.push_back(std::move(t));
  }
}

}  // namespace

DisplayList DrawStackedPanels(const std::vector<ChartPanel>& panels, int width, int height) {
  if (panels.size() == 1) return DrawPanel(panels.front(), nullptr, true, width, height);
  DisplayList whole;
  whole.width = width;
  whole.height = height * static_cast<int>(panels.size());
  // The picture's own coordinates are pixels; each panel keeps its scale inside its rows.
  whole.SetView(0, 0, width, -whole.height);
  for (size_t i = 0; i < panels.size(); ++i)
    Append(whole, DrawPanel(panels[i], nullptr, true, width, height),
           static_cast<int>(i) * height);
  return whole;
}

}  // namespace tessaly
