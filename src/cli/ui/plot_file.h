// tessaly-cli's picture files: the same painter as the windows, without a display.
#pragma once

#include "cli/cli.h"

namespace tessaly {

// A writer of PNG and SVG files for --plot. Starts Qt's offscreen platform on first use,
// so no display is needed.
PlotFileWriter PictureFileWriter();

}  // namespace tessaly
