#include "interp/run_skeleton.h"

#include "common/assign.h"
#include "common/number_text.h"
#include "common/text_builder.h"
#include "common/text_util.h"
#include "expr/formula.h"

namespace tessaly {
namespace {

bool AskToPlot(Dialogs& dialogs) {
  return dialogs.MsgBox("是否要画出该插值函数的散点图的图形？", MsgButtons::YesNo, MsgIcon::None,
                        "画图询问") == MsgResult::Yes;
}

}  // namespace

std::optional<double> AskEvaluationPoint(Dialogs& dialogs, const EvaluationPrompt& prompt) {
  TextBuilder text;
  text << prompt.firstLine << kCrLf << "如果要，请输入 x 的值，然后单击确定" << kCrLf
       << "如果不需要，单击取消退出。";
  const std::string reply = dialogs.InputBox(text.Text(), prompt.title, prompt.defaultText);
  const std::string_view answer = prompt.trimReply ? TrimBlanks(reply) : std::string_view(reply);
  if (answer.empty()) return std::nullopt;
  // A number too large for a double fails to read; x keeps its first value, 0.
  double x = 0;
  SetIfFinite(x, LeadingNumber(answer));
  return x;
}

double EvaluateBuiltFormula(std::string& formula, double x) {
  formula = NormalizeFormula(formula);
  int steps = 0;
  return EvaluateFormula(formula, x, steps);
}

std::string EvaluationLine(std::string_view name, double x, double value, bool lineEnd) {
  TextBuilder line;
  line << kCrLf << "函数式 F(x) 在  x=" << x << " 的近似值为：" << kCrLf << " " << name << "(" << x
       << ")=" << value;
  if (lineEnd) line << kCrLf;
  return line.Take();
}

bool OfferFormulaPlot(MethodContext& ctx, const std::string& formula, double xMin, double xMax) {
  if (!AskToPlot(ctx.dialogs)) return false;
  if (ctx.plot) {
    ctx.plot->formula = formula;
    ctx.plot->xMin = xMin;
    ctx.plot->xMax = xMax;
    ctx.plot->kind = 1;
  }
  if (ctx.showPlot) ctx.showPlot();
  return true;
}

bool OfferPiecesPlot(MethodContext& ctx, const std::vector<std::string>& pieces,
                     const std::vector<double>& nodes, uint8_t kind) {
  if (!AskToPlot(ctx.dialogs)) return false;
  if (ctx.plot) {
    ctx.plot->pieces = pieces;
    ctx.plot->nodes = nodes;
    ctx.plot->kind = kind;
  }
  if (ctx.showPlot) ctx.showPlot();
  return true;
}

bool SquareTableFitsOrTell(MethodContext& ctx, size_t points) {
  if (points <= static_cast<size_t>(kMaxSquareTablePoints)) return true;
  ctx.dialogs.MsgBox(kTableTooLargeMessage);
  return false;
}

}  // namespace tessaly
