#include <iostream>

#include "cli/cli.h"
#ifdef TESSALY_PICTURE_FILES
#include "cli/ui/plot_file.h"
#endif

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TESSALY_PICTURE_FILES
  return tessaly::RunCli(args, std::cin, std::cout, std::cerr, tessaly::PictureFileWriter());
#else
  return tessaly::RunCli(args, std::cin, std::cout, std::cerr);
#endif
}
