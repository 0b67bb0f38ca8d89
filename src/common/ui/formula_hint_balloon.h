// The hint balloon of a formula field: a tooltip at the field's caret for a few seconds.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace tessaly {

// Shows the hint for the formula typed in `field` (FormulaHint) at the field's caret and
// returns it; shows nothing and returns the empty text when the formula needs none.
QString ShowFormulaHint(QWidget* field, std::string_view typed);

}  // namespace tessaly
