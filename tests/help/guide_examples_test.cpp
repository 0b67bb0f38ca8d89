// The user guide's worked examples stay true: every example's command runs through
// tessaly-cli's runner on the example's input, and what it prints must be the report the
// guide shows. (scripts/refresh-guide-examples.py brings the guide up to date after a
// deliberate change to a method.)
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "common/help_pages.h"
#include "common/text_util.h"

namespace tessaly {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string HelpFolder() { return std::string(TESSALY_SOURCE_DIR) + "/help/"; }

std::string Unescape(std::string s) {
  for (auto [entity, ch] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}})
    s = ReplaceAll(s, entity, ch);
  return s;
}

// The words of a command line: blanks separate them, single quotes group.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (char c : line) {
    if (c == '\'') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) words.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

struct Example {
  std::string command, input, report;
};

std::vector<Example> Examples(const std::string& html) {
  static const std::regex block(R"(<div class="example">([\s\S]*?)</div>)");
  static const std::regex command(R"(<p class="command">([\s\S]*?)</p>)");
  static const std::regex input(R"(<pre class="input">([\s\S]*?)</pre>)");
  static const std::regex report(R"(<pre class="report">([\s\S]*?)</pre>)");
  std::vector<Example> examples;
  for (std::sregex_iterator it(html.begin(), html.end(), block), end; it != end; ++it) {
    const std::string body = (*it)[1];
    std::smatch m;
    Example e;
    if (std::regex_search(body, m, command)) e.command = Unescape(m[1]);
    if (std::regex_search(body, m, input)) e.input = Unescape(m[1]);
    if (std::regex_search(body, m, report)) e.report = Unescape(m[1]);
    examples.push_back(e);
  }
  return examples;
}

TEST(Guide, EveryPageIsCompiledInAndEveryTopicPageHasExamples) {
  const std::string qrc = ReadFile(HelpFolder() + "help.qrc");
  for (const HelpPage& page : HelpPages()) {
    const std::string file(page.file);
    EXPECT_NE(qrc.find("<file>" + file + "</file>"), std::string::npos) << file;
    const std::string html = ReadFile(HelpFolder() + file);
    ASSERT_FALSE(html.empty()) << file;
    if (!page.window.empty()) {
      EXPECT_GE(Examples(html).size(), 3u) << file;
    }
  }
}

TEST(Guide, WorkedExamplesPrintWhatTheGuideShows) {
  int checked = 0;
  for (const HelpPage& page : HelpPages()) {
    const std::string file(page.file);
    for (const Example& e : Examples(ReadFile(HelpFolder() + file))) {
      std::vector<std::string> args = Words(e.command);
      ASSERT_FALSE(args.empty()) << file;
      ASSERT_EQ(args.front(), "tessaly-cli") << file << ": " << e.command;
      args.erase(args.begin());
      args.push_back("--lf");
      std::istringstream in(e.input);
      std::ostringstream out, err;
      EXPECT_EQ(RunCli(args, in, out, err), 0) << file << ": " << e.command << "\n" << err.str();
      EXPECT_EQ(out.str(), e.report) << file << ": " << e.command;
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace tessaly
