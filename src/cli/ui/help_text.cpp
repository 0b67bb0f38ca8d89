#include "cli/ui/help_text.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include "cli/ui/gui_application.h"
#include "common/ui/help_resources.h"

namespace tessaly {
namespace {

// The page as terminal text: headings stand apart (the first one underlined), list items
// get a bullet, trailing blanks go.
std::string PlainText(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  QString text;
  bool firstHeading = true;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QString line = block.text();
    line.replace(QChar::Nbsp, QLatin1Char(' '));
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    const int level = block.blockFormat().headingLevel();
    if (level > 0) {
      if (!text.isEmpty()) text += "\n";
      text += line + "\n";
      if (firstHeading) text += QString(line.size() * 2, QLatin1Char('=')) + "\n";
      firstHeading = false;
      continue;
    }
    if (block.textList()) line = "  • " + line;
    text += line + "\n";
  }
  return text.toStdString();
}

}  // namespace

HelpTextReader GuideTextReader() {
  return [](std::string_view page) -> std::optional<std::string> {
    EnsureGuiApplication();
    const QString html =
        HelpPageHtml(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
    if (html.isEmpty()) return std::nullopt;
    return PlainText(html);
  };
}

}  // namespace tessaly
