// tessaly-cli's reading of the user guide: a page's plain text.
#pragma once

#include "cli/cli.h"

namespace tessaly {

HelpTextReader GuideTextReader();

}  // namespace tessaly
