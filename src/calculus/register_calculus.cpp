#include "calculus/calculus.h"
#include "catalog/families.h"

namespace tessaly {
namespace {

// The button is enabled exactly when the formula and both bounds are filled in.
bool FormulaAndBoundsFilled(const FormFields& fields) {
  return AllFilled(fields, {"Text1", "Text2", "Text3"});
}

std::vector<FormControl> FormulaAndBounds() {
  return {{"Text1", "", {}, 0, 0, true}, {"Text2", ""}, {"Text3", ""}};
}

FormCommand Command(const char* window, const char* control, const char* caption,
                    std::vector<FormControl> more, FormOutcome (*run)(FormContext&)) {
  FormCommand c;
  c.window = window;
  c.control = control;
  c.caption = caption;
  c.controls = FormulaAndBounds();
  c.controls.insert(c.controls.end(), more.begin(), more.end());
  c.enabled = FormulaAndBoundsFilled;
  c.run = run;
  return c;
}

}  // namespace

void RegisterCalculusCommands(FormCommandRegistry& r) {
  r.Add(Command("NewtonCotes", "Command1", "牛顿-柯特斯（Newton-Cotes）积分",
                {{"Combo1", "1 ", {"1 ", "2 ", "3 ", "4 ", "5 ", "6 ", "7 ", "8 "}}},
                IntegrateNewtonCotes));
  r.Add(Command(
      "CompFormual", "Command1", "复化求积",
      {{"Combo1", kCompositeTrapezoid, {kCompositeTrapezoid, kCompositeSimpson, kCompositeCotes}},
       {"Text4", "2", {}, kMinSubintervals, kMaxSubintervals}},
      IntegrateComposite));
  r.Add(Command("GauseIntegral", "Command1", "高斯求积",
                {{"Combo1", kGaussTwoPoint, {kGaussTwoPoint, kGaussThreePoint}}}, IntegrateGauss));
  r.Add(Command("FrmGeneralFunPaint", "cmdPaint", "绘图", {}, PaintGeneralFunction));
}

}  // namespace tessaly
