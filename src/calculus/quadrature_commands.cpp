// The buttons of the three quadrature windows: read the controls, check the bounds,
// integrate with the selected rule, write the result and draw the area under the curve.
#include <cmath>
#include <optional>
#include <string>

#include "calculus/calculus.h"
#include "calculus/calculus_plot.h"
#include "calculus/quadrature.h"
#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly {
namespace {

// What every quadrature window reads first: the formula and the bounds.
struct Integrand {
  std::string_view typed;  // Text1, trimmed of blanks
  double a = 0, b = 0;
};

std::optional<Integrand> ReadIntegrand(FormContext& ctx) {
  Integrand in{TrimBlanks(ctx.fields.Text("Text1"))};
  if (!ReadBoundsOrTell(ctx, in.a, in.b)) return std::nullopt;
  return in;
}

// "此函数式在区间[a,b]的" + `rule` + "积分值是：", and the integral on the next line.
std::string ResultText(double a, double b, std::string_view rule, double integral) {
  std::string text = "此函数式在区间[";
  AppendPlainNumberText(text, a);
  text += ",";
  AppendPlainNumberText(text, b);
  text += "]的";
  text += rule;
  text += "积分值是：\r\n    ";
  AppendPlainNumberText(text, integral);
  return text;
}

// Ends a press whose integral has been computed (or found the formula malformed): the
// result box and the area plot, or the formula message and no change at all.
FormOutcome Finish(FormContext& ctx, const Formula& f, const Integrand& in,
                   std::optional<double> integral, std::string_view rule) {
  FormOutcome outcome;
  if (!integral) {
    ctx.dialogs.MsgBox(kFormulaMessage);
    return outcome;
  }
  // Over an empty interval the integral is 0, whatever f is worth at its one point.
  outcome.result = ResultText(in.a, in.b, rule, in.a == in.b ? 0.0 : *integral);
  outcome.picture = AreaPlot(f, in.a, in.b, ctx.app.plotColour);
  return outcome;
}

}  // namespace

bool ReadBoundsOrTell(FormContext& ctx, double& a, double& b) {
  a = LeadingNumber(ctx.fields.Text("Text2"));
  b = LeadingNumber(ctx.fields.Text("Text3"));
  if (std::isfinite(a) && std::isfinite(b)) return true;
  ctx.dialogs.MsgBox(kOverflowMessage);
  return false;
}

bool SpanFitsOrTell(FormContext& ctx, double a, double b) {
  if (std::isfinite(b - a)) return true;
  ctx.dialogs.MsgBox(kOverflowMessage);
  return false;
}

FormOutcome IntegrateComposite(FormContext& ctx) {
  const std::optional<Integrand> read = ReadIntegrand(ctx);
  if (!read) return {};
  const Integrand& in = *read;
  const std::string& rule = ctx.fields.Text("Combo1");
  // Text4 as the window holds it while typing: 2 .. 32767.
  const double count =
      LeadingNumber(HeldInRange(ctx.fields.Text("Text4"), kMinSubintervals, kMaxSubintervals));
  const int n = static_cast<int>(std::nearbyint(count));
  if (in.b < in.a) {
    ctx.dialogs.MsgBox(kBoundsMessage);
    return {};
  }
  if (!SpanFitsOrTell(ctx, in.a, in.b)) return {};
  const Formula f(NormalizeFormula(in.typed));
  ReportProgress(ctx.progress, 0, 1);
  std::optional<double> integral = 0.0;  // a rule the list does not have integrates to 0
  if (rule == kCompositeTrapezoid)
    integral = CompositeTrapezoid(f, in.a, in.b, n);
  else if (rule == kCompositeSimpson)
    integral = CompositeSimpson(f, in.a, in.b, n);
  else if (rule == kCompositeCotes)
    integral = CompositeCotes(f, in.a, in.b, n);
  return Finish(ctx, f, in, integral, " " + rule);
}

FormOutcome IntegrateNewtonCotes(FormContext& ctx) {
  const std::optional<Integrand> read = ReadIntegrand(ctx);
  if (!read) return {};
  const Integrand& in = *read;
  const std::optional<int16_t> order = ToInt16(LeadingNumber(ctx.fields.Text("Combo1")));
  if (in.b < in.a) {
    ctx.dialogs.MsgBox(kBoundsMessage);
    return {};
  }
  if (!SpanFitsOrTell(ctx, in.a, in.b)) return {};
  const Formula f(NormalizeFormula(in.typed));
  if (!order || *order < 1 || *order > kNewtonCotesMaxOrder) {
    ctx.dialogs.MsgBox(kOrderOutsideTableMessage);
    return {};
  }
  return Finish(ctx, f, in, NewtonCotesRule(f, in.a, in.b, *order), "");
}

FormOutcome IntegrateGauss(FormContext& ctx) {
  const std::optional<Integrand> read = ReadIntegrand(ctx);
  if (!read) return {};
  const Integrand& in = *read;
  const std::string& rule = ctx.fields.Text("Combo1");
  if (in.b < in.a) {
    ctx.dialogs.MsgBox(kBoundsMessage);
    return {};
  }
  if (!SpanFitsOrTell(ctx, in.a, in.b)) return {};
  // The rules take the midpoint (a + b) / 2, which overflows when the bounds' sum does.
  if (in.a != in.b && !std::isfinite(in.a + in.b)) {
    ctx.dialogs.MsgBox(kOverflowMessage);
    return {};
  }
  const Formula f(NormalizeFormula(in.typed));
  std::optional<double> integral = 0.0;
  if (rule == kGaussTwoPoint)
    integral = GaussTwoPoint(f, in.a, in.b);
  else if (rule == kGaussThreePoint)
    integral = GaussThreePoint(f, in.a, in.b);
  return Finish(ctx, f, in, integral, "");
}

}  // namespace tessaly
