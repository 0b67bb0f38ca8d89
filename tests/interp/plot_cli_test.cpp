// tessaly-cli run WINDOW.ITEM --plot FILE: the plot a method hands over is drawn and
// written; nothing handed over writes nothing and says so.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace tessaly {
namespace {

struct Written {
  std::vector<std::string> paths;
  DisplayList drawing;
};

struct CliRun {
  int code = 0;
  std::string out, err;
};

CliRun RunTool(std::vector<std::string> args, const PlotFileWriter& writer) {
  std::istringstream in("0 1 2\r\n0 1 4\r\n");
  std::ostringstream out, err;
  CliRun r;
  r.code = RunCli(args, in, out, err, {writer, {}, {}});
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(CliPlot, WritesTheHandedOverPlotOrSaysWhyNot) {
  Written written;
  bool fail = false;
  PlotFileWriter writer = [&](const DisplayList& d, const std::string& path, std::string& error) {
    written.paths.push_back(path);
    written.drawing = d;
    if (fail) error = "disk full";
    return !fail;
  };

  // Yes to the plot question: the drawing at the plot window's size.
  CliRun yes = RunTool({"run", "InsertValue.cLagrangeInsert", "--answer", "3", "--answer", "yes",
                        "--plot", "out.svg"},
                       writer);
  EXPECT_EQ(yes.code, 0);
  EXPECT_EQ(written.paths, std::vector<std::string>{"out.svg"});
  EXPECT_EQ(written.drawing.width, 640);
  EXPECT_EQ(written.drawing.height, 480);
  EXPECT_TRUE(written.drawing.hasView);
  EXPECT_GE(written.drawing.points.size(), 400u);
  EXPECT_NE(yes.out.find(" L(3)=9\r\n"), std::string::npos);

  // No: nothing written, one line on standard error, the report as usual.
  written.paths.clear();
  CliRun no = RunTool(
      {"run", "InsertValue.cLagrangeInsert", "--answer", "", "--answer", "no", "--plot", "out.png"},
      writer);
  EXPECT_EQ(no.code, 0);
  EXPECT_TRUE(written.paths.empty());
  EXPECT_NE(no.err.find("tessaly-cli: no plot was handed over; out.png was not written\n"),
            std::string::npos);
  EXPECT_NE(no.out.find("得出 2 次拉格朗日插值多项式为："), std::string::npos);

  // A writer that fails: exit 1 with the reason.
  fail = true;
  CliRun failed = RunTool(
      {"run", "InsertValue.cNewtonInsert", "--answer", "", "--answer", "yes", "--plot", "out.png"},
      writer);
  EXPECT_EQ(failed.code, 1);
  EXPECT_NE(failed.err.find("tessaly-cli: cannot write out.png: disk full\n"), std::string::npos);

  // Without pictures --plot is a usage error, found before the method runs.
  CliRun bare = RunTool({"run", "InsertValue.cNewtonInsert", "--plot", "out.png"}, {});
  EXPECT_EQ(bare.code, 2);
  EXPECT_EQ(bare.out, "");
}

}  // namespace
}  // namespace tessaly
