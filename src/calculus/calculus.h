// The buttons of the numerical-calculus windows: CompFormual, NewtonCotes and GauseIntegral
// integrate a typed f(x) over [a, b] and draw the area under it; FrmGeneralFunPaint plots
// f(x) as a dotted curve. Each is a pure function of the window's controls (Text1 the
// formula, Text2 the lower bound a, Text3 the upper bound b, Combo1 the rule or order,
// Text4 CompFormual's number of subintervals) and shows its failures in message boxes.
#pragma once

#include "common/dialogs.h"
#include "common/form_command.h"

namespace tessaly {

// The composite rules as CompFormual's Combo1 lists them.
inline constexpr const char* kCompositeTrapezoid = "复化梯形公式";
inline constexpr const char* kCompositeSimpson = "复化辛普森公式";
inline constexpr const char* kCompositeCotes = "复化柯特斯公式";
// The Gauss rules as GauseIntegral's Combo1 lists them.
inline constexpr const char* kGaussTwoPoint = "两点型公式";
inline constexpr const char* kGaussThreePoint = "三点型公式";

// CompFormual's Text4: the number of subintervals, held within this range.
inline constexpr int kMinSubintervals = 2;
inline constexpr int kMaxSubintervals = 32767;

inline constexpr const char* kBoundsMessage = "上下界值输入有误！";
inline constexpr const char* kFormulaMessage = "函数表达式输入有误！";
inline constexpr const char* kPlotFormulaMessage = "函数表达式f(x)输入有误！";
// An order outside the Newton-Cotes weight table (the list offers only 1 to 8).
inline constexpr const char* kOrderOutsideTableMessage = "下标越界";
// Reads a and b from Text2 and Text3 as leading numbers. A bound that overflows stops the
// press: the overflow message, and false.
bool ReadBoundsOrTell(FormContext& ctx, double& a, double& b);
// Whether b - a (the span the rules and plots divide into steps) is a finite number; when
// it overflows (a = -1e308, b = 1e308), the overflow message, and false.
bool SpanFitsOrTell(FormContext& ctx, double a, double b);

// CompFormual.Command1 "复化求积".
FormOutcome IntegrateComposite(FormContext& ctx);
// NewtonCotes.Command1 "牛顿-柯特斯（Newton-Cotes）积分".
FormOutcome IntegrateNewtonCotes(FormContext& ctx);
// GauseIntegral.Command1 "高斯求积".
FormOutcome IntegrateGauss(FormContext& ctx);
// FrmGeneralFunPaint.cmdPaint "绘图".
FormOutcome PaintGeneralFunction(FormContext& ctx);

}  // namespace tessaly
