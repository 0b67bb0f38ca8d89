// tessaly-cli's picture files: the same painter as the windows, without a display.
#pragma once

#include "cli/cli.h"

namespace tessaly {

// A writer of PNG and SVG files for --plot. Starts Qt's offscreen platform on first use,
// so no display is needed.
PlotFileWriter PictureFileWriter();

// A writer of text files (--csv) through the program's atomic writer: a failed write, or a
// target that is not a regular file, leaves what was there untouched.
TextFileWriter AtomicTextFileWriter();

}  // namespace tessaly
