// FrmGeneralFunPaint's button: the graph of f(x) over [a, b] as a dotted curve in the plot
// colour, in the frame of the quadrature windows' area plot.
#include "calculus/calculus.h"
#include "calculus/calculus_plot.h"
#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {

FormOutcome PaintGeneralFunction(FormContext& ctx) {
  const std::string_view typed = TrimBlanks(ctx.fields.Text("Text1"));
  double a = 0, b = 0;
  if (!ReadBoundsOrTell(ctx, a, b)) return {};
  if (!(b > a)) {  // equal bounds are refused here
    ctx.dialogs.MsgBox(kBoundsMessage);
    return {};
  }
  if (!SpanFitsOrTell(ctx, a, b)) return {};
  const Formula f(NormalizeFormula(typed));
  const double s = (b - a) / 100;
  bool malformed = false;
  // f(x) at one sample; false (and `malformed`) when the formula is malformed.
  auto sample = [&](double x, double& y) {
    int steps = 0;
    y = f.Evaluate(x, steps);
    malformed = steps >= kMalformedSteps;
    return !malformed;
  };

  PlotRange range;
  SampleRange(a, b, s, [&](double x) {
    double y = 0;
    if (!sample(x, y)) return false;
    range.Add(y);
    return true;
  });
  if (malformed) {  // nothing is drawn: the picture keeps what it shows
    ctx.dialogs.MsgBox(kPlotFormulaMessage);
    return {};
  }

  FormOutcome outcome;
  DisplayList& d = outcome.picture.emplace();
  SetCalculusView(d, a, b, range);
  AddCalculusAxes(d);
  d.points.reserve(404);
  const Rgb colour = ctx.app.plotColour;
  SampleRange(a, b, s / 4, [&](double x) {
    double y = 0;
    if (!sample(x, y)) return false;
    d.points.push_back({x, y, colour});
    return true;
  });
  if (malformed) {  // the curve stops there, without labels
    ctx.dialogs.MsgBox(kPlotFormulaMessage);
    return outcome;
  }
  AddCalculusLabels(d, a, b);
  return outcome;
}

}  // namespace tessaly
