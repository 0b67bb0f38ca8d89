// tessaly-cli's Qt Gui application, started on first use on the offscreen platform so that
// painting and reading the guide need no display.
#pragma once

namespace tessaly {

void EnsureGuiApplication();

}  // namespace tessaly
