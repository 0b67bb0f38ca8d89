#include "ode/ode_form.h"

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_util.h"

namespace tessaly::ode {

std::vector<FormControl> OdeControls() {
  return {{"Text1", "", {}, 0, 0, true}, {"Text2", ""}, {"Text3", ""}, {"Text4", "2", {}, 1, kMaxParts}};
}

int Parts(std::string_view text) {
  const std::string held = HeldInRange(TrimBlanks(text), 1, kMaxParts);
  return ToInt16(LeadingNumber(held)).value_or(1);
}

namespace {

// A bound's leading number; a number too large for a double fails to convert and leaves
// the bound 0.
double Bound(std::string_view text) {
  double v = 0;
  SetIfFinite(v, LeadingNumber(text));
  return v;
}

}  // namespace

std::optional<OdeProblem> ReadOdeProblem(FormContext& ctx, FormOutcome& outcome) {
  const FormFields& fields = ctx.fields;
  OdeProblem p;
  p.formula = TrimBlanks(fields.Text("Text1"));
  if (p.formula.empty()) {
    ctx.dialogs.MsgBox("没有输入函数F(x)导数。");
    outcome.focus = "Text1";
    return std::nullopt;
  }
  const std::string_view lower = TrimBlanks(fields.Text("Text2"));
  if (lower.empty()) {
    ctx.dialogs.MsgBox("没有输入下界值。");
    return std::nullopt;
  }
  p.a = Bound(lower);
  const std::string_view upper = TrimBlanks(fields.Text("Text3"));
  if (upper.empty()) {
    ctx.dialogs.MsgBox("没有输入上界值。");
    return std::nullopt;
  }
  const double b = Bound(upper);
  if (b < p.a) {
    ctx.dialogs.MsgBox("上下界值输入有误！");
    return std::nullopt;
  }
  p.grid = MakeGrid(p.a, b, Parts(fields.Text("Text4")));
  return p;
}

std::optional<double> AskStartValue(Dialogs& dialogs, double x) {
  const std::string reply =
      dialogs.InputBox("请输入原函数F(" + PlainNumberText(x) + ")的值", "输入初始数值", "1");
  if (reply.empty()) return std::nullopt;
  double y = 0;  // a reply too large for a double fails to convert and leaves 0
  SetIfFinite(y, LeadingNumber(reply));
  return y;
}

}  // namespace tessaly::ode
