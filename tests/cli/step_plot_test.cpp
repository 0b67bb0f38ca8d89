// tessaly-cli --plot for the root finders writes the step picture the window shows.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "pictures/root_pictures.h"
#include "roots/roots_test_support.h"

namespace tessaly {
namespace {

TEST(CliStepPlot, WritesTheStepsPictureUpToTheStepAsked) {
  std::vector<DisplayList> written;
  CliServices services;
  services.writePlot = [&written](const DisplayList& d, const std::string&, std::string&) {
    written.push_back(d);
    return true;
  };
  auto run = [&](std::vector<std::string> extra, const char* answer = "0.001") {
    std::vector<std::string> args = {"run", "Ultra.CalculateDichotomy", "--answer", "1",
                                      "--answer", "2", "--answer", answer};
    args.insert(args.end(), extra.begin(), extra.end());
    std::istringstream in("x^2-2");
    std::ostringstream out, err;
    const int code = RunCli(args, in, out, err, services);
    return std::pair{code, err.str()};
  };
  StepRecord record;
  testing::RunUltra("CalculateDichotomy", "x^2-2", {"1", "2", "0.001"}, {}, &record);
  ASSERT_EQ(record.steps.size(), 7u);

  EXPECT_EQ(run({"--plot", "a.png", "--step", "4"}).first, 0);
  EXPECT_EQ(run({"--plot", "a.svg"}).first, 0);
  const auto beyond = run({"--plot", "a.png", "--step", "8"});
  EXPECT_NE(beyond.second.find("note: the run has 7 steps; the picture shows all of them\n"),
            std::string::npos);
  ASSERT_EQ(written.size(), 3u);
  auto texts = [](const DisplayList& d) {
    std::vector<std::string> t;
    for (const PlotText& p : d.texts) t.push_back(p.text);
    return t;
  };
  EXPECT_EQ(written[0].rects.size(), 4u);
  EXPECT_EQ(texts(written[0]), texts(DrawStepPicture(record, {.shown = 4})));
  EXPECT_EQ(texts(written[1]), texts(DrawStepPicture(record, {.shown = 7})));
  EXPECT_EQ(written[2].rects.size(), 7u);

  EXPECT_EQ(run({"--step", "2"}).second, "tessaly-cli: --step needs --plot\n");
  EXPECT_EQ(run({"--plot", "a.png", "--step", "0"}).first, 2);
  const auto cancelled = run({"--plot", "a.png"}, "");
  EXPECT_EQ(cancelled.first, 0);
  EXPECT_NE(cancelled.second.find("a.png was not written"), std::string::npos);
  EXPECT_EQ(written.size(), 3u);

  // --convergence writes the chart of |f(x_k)| instead: one point a step, no bracket bars.
  EXPECT_EQ(run({"--plot", "a.png", "--convergence"}).first, 0);
  ASSERT_EQ(written.size(), 4u);
  EXPECT_TRUE(written[3].rects.empty());
  EXPECT_EQ(written[3].marks.size(), 7u + 1u);  // the points and the legend's square
  EXPECT_EQ(run({"--plot", "a.png", "--convergence", "--step", "2"}).first, 2);
  EXPECT_EQ(run({"--convergence"}).second, "tessaly-cli: --convergence needs --plot\n");
}

}  // namespace
}  // namespace tessaly
