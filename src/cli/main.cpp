#include <iostream>

#include "cli/cli.h"
#ifdef TESSALY_GUI_SERVICES
#include "cli/ui/help_text.h"
#include "cli/ui/plot_file.h"
#endif

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TESSALY_GUI_SERVICES
  return tessaly::RunCli(args, std::cin, std::cout, std::cerr,
                         {tessaly::PictureFileWriter(), tessaly::GuideTextReader(),
                          tessaly::AtomicTextFileWriter()});
#else
  return tessaly::RunCli(args, std::cin, std::cout, std::cerr);
#endif
}
