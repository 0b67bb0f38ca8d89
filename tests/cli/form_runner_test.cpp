#include "cli/form_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace tessaly {
namespace {

// A form like the calculus windows': a formula, a range-held count, a drop-down list; the
// command writes what it read and asks one box, and draws only for the formula "draw".
FormCommand DemoCommand() {
  FormCommand c;
  c.window = "Demo";
  c.control = "Command1";
  c.caption = "计算";
  c.controls = {{"Text1", ""}, {"Text4", "2", {}, 2, 32767}, {"Combo1", "甲", {"甲", "2 "}}};
  c.enabled = [](const FormFields& f) { return AllFilled(f, {"Text1"}); };
  c.run = [](FormContext& ctx) {
    FormOutcome o;
    const std::string answer = ctx.dialogs.InputBox("初值：", "输入", "1");
    o.result = ctx.fields.Text("Text1") + "|" + ctx.fields.Text("Text4") + "|" +
               ctx.fields.Text("Combo1") + "|" + answer + "\r\n";
    if (ctx.fields.Text("Text1") == "draw") {
      DisplayList d;
      d.SetView(-1, 1, 1, -1);
      d.points.push_back({0, 0, ctx.app.plotColour});
      o.picture = d;
    }
    return o;
  };
  return c;
}

struct FormRun {
  int code;
  std::string out, err;
  std::vector<std::string> written;  // the files the writer was asked for
};

FormRun RunDemo(std::vector<std::string> options, bool withWriter = true, bool writerFails = false) {
  static const FormCommand command = DemoCommand();
  std::vector<std::string> args = {"run", "Demo.Command1"};
  args.insert(args.end(), options.begin(), options.end());
  FormRun r;
  PlotFileWriter writer;
  if (withWriter)
    writer = [&r, writerFails](const DisplayList& d, const std::string& path, std::string& error) {
      r.written.push_back(path + ":" + std::to_string(d.points.size()) + ":" +
                          std::to_string(d.points[0].colour));
      error = "disk full";
      return !writerFails;
    };
  std::ostringstream out, err;
  r.code = RunFormCommand(command, args, 2, out, err, writer);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(FormRunner, SetsControlsAsTheWindowWouldAndPrintsTheResultBox) {
  FormRun r = RunDemo({"--field", "Text1=x^2", "--field", "Combo1=2", "--answer", "5"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "x^2|2|2 |5\r\n");  // Text4 keeps its initial text; "2" names the item "2 "
  EXPECT_EQ(r.err, "input: [输入] 初值： -> 5\n");

  // A range-held box takes the text the window would show after typing.
  EXPECT_EQ(RunDemo({"--field", "Text1=a", "--field", "Text4=1", "--lf"}).out, "a|2|甲|\n");
  EXPECT_EQ(RunDemo({"--field", "Text1=a", "--field", "Text4=40000", "--lf"}).out,
            "a|32767|甲|\n");
  EXPECT_EQ(RunDemo({"--field", "Text1=a", "--field", "Text4=17.5x", "--lf"}).out,
            "a|17.5x|甲|\n");
}

TEST(FormRunner, RefusesWhatTheWindowWouldNotTake) {
  for (const auto& options : std::vector<std::vector<std::string>>{
           {"--field", "Text9=1"},                       // no such control
           {"--field", "Text1=a", "--field", "Combo1=乙"},  // not an item of the list
           {"--field", "Text1"},                         // not NAME=VALUE
           {"--field", "Text1=  "},                      // the button stays disabled
           {},                                           // Text1 is blank when the window opens
           {"--field", "Text1=a", "--input", "f.txt"},
           {"--field", "Text1=a", "--digits", "3"},
           {"--field", "Text1=a", "--colour", "blue"},
           {"--field", "Text1=a", "--colour", "12345"},
           {"--field", "Text1=a", "--bogus"}}) {
    FormRun r = RunDemo(options);
    EXPECT_EQ(r.code, 2) << options.size();
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  FormRun r = RunDemo({"--field", "Text1=draw", "--plot", "p.png"}, false);
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("--plot"), std::string::npos);
}

TEST(FormRunner, WritesThePictureOnlyWhenOneWasDrawn) {
  FormRun r = RunDemo({"--field", "Text1=draw", "--plot", "p.svg"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.written, std::vector<std::string>{"p.svg:1:0"});  // black unless --colour
  EXPECT_EQ(r.out, "draw|2|甲|\r\n");
  r = RunDemo({"--field", "Text1=draw", "--colour", "#00ff7F", "--plot", "p.png"});
  EXPECT_EQ(r.written, std::vector<std::string>{"p.png:1:65407"});

  r = RunDemo({"--field", "Text1=a", "--plot", "p.svg"});
  EXPECT_EQ(r.code, 0);
  EXPECT_TRUE(r.written.empty());
  EXPECT_NE(r.err.find("nothing was drawn; p.svg was not written"), std::string::npos);

  r = RunDemo({"--field", "Text1=draw", "--plot", "p.svg"}, true, true);
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("cannot write p.svg: disk full"), std::string::npos);
}

}  // namespace
}  // namespace tessaly
