#include "common/ui/help_resources.h"

#include <QFile>

// Resource initialisers live in the global namespace.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace tessaly {

void EnsureHelpResources() {
  static const bool done = [] {
    InitHelpResources();
    return true;
  }();
  (void)done;
}

QString HelpPageHtml(const QString& page) {
  EnsureHelpResources();
  QFile file(":/help/" + page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace tessaly
