// What every interpolation and fitting method does after building its formula: the
// evaluation prompt (the value of the interpolant at an x the user types), the plot
// question, and handing the formula over to the scatter-plot window. Also the size guard
// of the methods whose work grows with the square of the table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/method_context.h"

namespace tessaly {

// The evaluation prompt: three lines (the first one per method, then "如果要，请输入 x 的值，
// 然后单击确定" and "如果不需要，单击取消退出。"), a title (empty: the application's) and a
// default text.
struct EvaluationPrompt {
  std::string_view firstLine = "想要求出f(x)在x=？处的近似值吗？";
  std::string_view title = {};
  std::string_view defaultText = "1";
  bool trimReply = true;  // Hermite interpolation takes the reply as typed
};

// Asks for the x at which to evaluate. Nothing when the reply is empty (also Cancel);
// otherwise the reply's leading number (0 when it starts with none).
std::optional<double> AskEvaluationPoint(Dialogs& dialogs, const EvaluationPrompt& prompt = {});

// Normalises a built formula in place (as the plot then receives it) and returns its
// value at x.
double EvaluateBuiltFormula(std::string& formula, double x);

// The evaluation line most methods append: CR LF, "函数式 F(x) 在  x=" & x & " 的近似值为：",
// CR LF, " " & name & "(" & x & ")=" & value, and CR LF when `lineEnd`.
std::string EvaluationLine(std::string_view name, double x, double value, bool lineEnd = true);

// The plot question "是否要画出该插值函数的散点图的图形？" (Yes/No, title "画图询问").
// On Yes the hand-over record is filled (where the window has one) and the plot window is
// asked for; returns whether the answer was Yes.
bool OfferFormulaPlot(MethodContext& ctx, const std::string& formula, double xMin, double xMax);
// The same for a formula per piece: `pieces` from index 1 (index 0 unused), `nodes` the
// table's x values from 0; kind 2 draws piece i over [nodes(i-1), nodes(i)], kind 3 over
// [nodes(i-1), nodes(i+1)].
bool OfferPiecesPlot(MethodContext& ctx, const std::vector<std::string>& pieces,
                     const std::vector<double>& nodes, uint8_t kind);

// The largest table the methods whose formulas and tables grow with the square of the
// number of points accept, and the message that refuses a larger one.
inline constexpr int kMaxSquareTablePoints = 1000;
inline constexpr std::string_view kTableTooLargeMessage =
    "函数表中的数据太多（多于1000组），公式太长，无法计算！请减少数据。";
// Whether a table of `points` points may be worked on; if not, the message is shown (OK
// button) and the method must end.
bool SquareTableFitsOrTell(MethodContext& ctx, size_t points);

}  // namespace tessaly
