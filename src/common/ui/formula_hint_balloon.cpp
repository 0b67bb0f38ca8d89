#include "common/ui/formula_hint_balloon.h"

#include <QToolTip>
#include <QWidget>

#include "expr/formula_hints.h"

namespace tessaly {
namespace {
constexpr int kShownMs = 6000;
}  // namespace

QString ShowFormulaHint(QWidget* field, std::string_view typed) {
  const QString hint = QString::fromStdString(FormulaHint(typed));
  if (hint.isEmpty() || !field) return hint;
  // Both the one-line boxes and the text panes give their caret this way, in their own
  // coordinates.
  const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  QToolTip::showText(field->mapToGlobal(caret.bottomLeft()), hint, field, QRect(), kShownMs);
  return hint;
}

}  // namespace tessaly
