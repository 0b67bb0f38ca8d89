// libFuzzer target of the function table readers: ParseFunctionTable, ParseHermiteTable
// and linear interpolation's two-point reading must not crash, hang or blow up on any
// text, and the echo must match the arrays read. Short inputs also run one interpolation,
// spline or fitting method on the table (answering its boxes and Yes to the plot question)
// and draw the plot it hands over; the report must end its lines with CR LF.
//
// The first byte picks the method; the rest is the input pane's text. When that text holds
// a "|", the part before the first "|" is the input pane's text and the parts after it,
// separated by "|", answer the boxes in order (the end values of a spline, the degree of a
// fit, the evaluation prompt, Yes or No); otherwise the first byte also picks one answer
// from a short list.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/method_context.h"
#include "common/scripted_dialogs.h"
#include "interp/function_table.h"
#include "interp/interpolation.h"
#include "interp/scatter_plot.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "table fuzz: %s\n", what);
  std::abort();
}

size_t Count(std::string_view s, std::string_view piece) {
  size_t n = 0;
  for (size_t p = s.find(piece); p != std::string_view::npos; p = s.find(piece, p + 1)) ++n;
  return n;
}

// The echo has one line per row and the closing line, and no field is narrower than 24.
void CheckEcho(const tessaly::FunctionTable& t, size_t rows) {
  constexpr std::string_view kClosing = "此为所输入的函数表。\r\n";
  Check(t.echo.size() >= kClosing.size() &&
            t.echo.compare(t.echo.size() - kClosing.size(), kClosing.size(), kClosing) == 0,
        "echo does not end with its closing line");
  Check(Count(t.echo, "\r\n") == rows + 1, "echo has the wrong number of lines");
  const size_t entries = t.x.size() + t.y.size() + t.d.size();
  Check(t.echo.size() - kClosing.size() - 2 * rows >= 24 * entries, "echo field too narrow");
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * 8) == 0);
}

using Method = void (*)(tessaly::MethodContext&);
constexpr Method kMethods[] = {
    tessaly::cLinerInsert,    tessaly::cParabolaInsert, tessaly::cSubsectionLInS,
    tessaly::cSubsectionPInS, tessaly::cLagrangeInsert, tessaly::cNewtonInsert,
    tessaly::cHermite,        tessaly::cINPreNewton,    tessaly::cINPostNewton,
    tessaly::cTBRORankOne,    tessaly::cTBRORankTwo,    tessaly::cTBRTRankOne,
    tessaly::cTBRTRankTwo,    tessaly::CMinRideCurve};
const char* const kAnswers[] = {"", "1.5", "-2", "1e300", "0", "   "};

// The points the plot's sweeps visit: about 500 for one formula; for pieces, each swept
// from its left node by the fine step. Nodes far out of order ask for up to a million,
// which the plot draws in about a second but this instrumented build needs minutes for:
// such hand-overs are not drawn here.
double SweepPoints(const tessaly::PlotHandOver& p) {
  if (p.kind == 1 || p.nodes.empty()) return 500;
  const double a = p.nodes.front(), b = p.nodes.back();
  if (!(a < b)) return 0;
  const double fine = (b - a) / 400;
  const size_t span = p.kind == 2 ? 1 : 2;
  double total = 0;
  for (size_t i = 1; i < p.pieces.size() && i - 1 + span < p.nodes.size(); ++i) {
    const double from = p.nodes[i - 1], to = p.nodes[i - 1 + span];
    if (to >= from) total += (to - from) / fine + 1;
  }
  return total;
}
constexpr double kMaxDrawnPoints = 50000;

// Every line break of the report is CR LF.
bool CrLfOnly(std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n')) return false;
    if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const tessaly::FunctionTable two = tessaly::ParseFunctionTable(text);
  CheckEcho(two, 2);
  const tessaly::FunctionTable three = tessaly::ParseHermiteTable(text);
  CheckEcho(three, 3);
  // The three-row reader reads the first two rows as the two-row reader does.
  Check(SameBits(three.x, two.x) && SameBits(three.y, two.y), "rows read differently");
  tessaly::ReadTwoPointTable(text);

  // The methods' work grows with the square of the table: run them on short texts only.
  if (text.size() > 256) return 0;
  const Method method = kMethods[data[0] % (sizeof kMethods / sizeof kMethods[0])];
  std::string_view input = text;
  std::vector<std::string> answers;
  if (const size_t bar = text.find('|'); bar != std::string_view::npos) {
    input = text.substr(0, bar);
    std::string_view rest = text.substr(bar + 1);
    while (true) {
      const size_t next = rest.find('|');
      answers.emplace_back(rest.substr(0, next));
      if (next == std::string_view::npos) break;
      rest.remove_prefix(next + 1);
    }
  } else {
    answers.emplace_back(kAnswers[(data[0] / 16) % (sizeof kAnswers / sizeof kAnswers[0])]);
  }
  answers.emplace_back("yes");
  tessaly::ResultPane pane;
  tessaly::ScriptedDialogs dialogs(std::move(answers));
  tessaly::MethodContext ctx{std::string(input), pane, dialogs};
  tessaly::AppState app;
  int requests = 0;
  ctx.plot = &app.plot;
  ctx.showPlot = [&requests] { ++requests; };
  try {
    method(ctx);
  } catch (const tessaly::ScriptError&) {
    // A Yes/No box answered with neither yes nor no: the script's fault, not the method's.
    return 0;
  }
  Check(CrLfOnly(pane.Text()), "report line break other than CR LF");
  Check(requests <= 1, "plot asked for more than once");
  if (requests == 1) {
    Check(app.plot.kind >= 1 && app.plot.kind <= 3, "plot handed over without a kind");
    if (SweepPoints(app.plot) > kMaxDrawnPoints) return 0;
    const tessaly::ScatterPlot plot = tessaly::DrawScatterPlot(app.plot, 0xff0000);
    Check(plot.drawn, "handed-over plot not drawn");
    Check(app.plot.kind == 0, "plot kind not spent");
    Check(plot.picture.points.size() <= 2000000, "too many points");
  }
  return 0;
}
