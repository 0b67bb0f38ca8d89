// The user guide's pages, compiled in as Qt resources under ":/help/".
#pragma once

#include <QString>

namespace tessaly {

// Registers the guide's resources (they live in a static library); safe to call often.
void EnsureHelpResources();

// The HTML of a page of the guide ("index.html", "linear.html", …); empty when there is none.
QString HelpPageHtml(const QString& page);

}  // namespace tessaly
