// libFuzzer target of the function table readers: ParseFunctionTable, ParseHermiteTable
// and linear interpolation's two-point reading must not crash, hang or blow up on any
// text, and the echo must match the arrays read. Short inputs also run one interpolation
// method on the table (answering the evaluation prompt and Yes to the plot question) and
// draw the plot it hands over.
//
// The first byte picks the method and the answer to the evaluation prompt; the rest is the
// input pane's text.
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
    tessaly::cHermite,        tessaly::cINPreNewton,    tessaly::cINPostNewton};
const char* const kAnswers[] = {"", "1.5", "-2", "1e300", "0", "   "};

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
  const char* answer = kAnswers[(data[0] / 16) % (sizeof kAnswers / sizeof kAnswers[0])];
  tessaly::ResultPane pane;
  tessaly::ScriptedDialogs dialogs({answer, "yes"});
  tessaly::MethodContext ctx{std::string(text), pane, dialogs};
  tessaly::AppState app;
  int requests = 0;
  ctx.plot = &app.plot;
  ctx.showPlot = [&requests] { ++requests; };
  method(ctx);
  Check(requests <= 1, "plot asked for more than once");
  if (requests == 1) {
    Check(app.plot.kind >= 1 && app.plot.kind <= 3, "plot handed over without a kind");
    const tessaly::ScatterPlot plot = tessaly::DrawScatterPlot(app.plot, 0xff0000);
    Check(plot.drawn, "handed-over plot not drawn");
    Check(app.plot.kind == 0, "plot kind not spent");
    Check(plot.picture.points.size() <= 2000000, "too many points");
  }
  return 0;
}
