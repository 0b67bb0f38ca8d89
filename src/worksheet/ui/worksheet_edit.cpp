// Edit commands, font, back colour, default look and Decimal digits of the worksheet windows.
// Every edit command acts on the input pane, whichever pane has the focus.
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QTextCursor>

#include "common/number_text.h"
#include "common/ui/fonts.h"
#include "worksheet/ui/worksheet_window.h"
#include "worksheet/worksheet_rules.h"

namespace tessaly {

void Worksheet::SelectAll() {
  if (text1Line_) text1Line_->selectAll();
  else text1Multi_->selectAll();
}

QString Worksheet::SelectedInput() const {
  if (text1Line_) return text1Line_->selectedText();
  // The document marks line breaks with the paragraph separator; the clipboard gets LF.
  QString s = text1Multi_->textCursor().selectedText();
  s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return s;
}

void Worksheet::ReplaceInputSelection(const QString& text) {
  if (text1Line_) {
    text1Line_->insert(text);
    return;
  }
  QTextCursor c = text1Multi_->textCursor();
  c.insertText(text);
  text1Multi_->setTextCursor(c);
}

void Worksheet::Copy() {
  const QString s = SelectedInput();
  if (!s.isEmpty()) QApplication::clipboard()->setText(s);
}

void Worksheet::Cut() {
  Copy();
  ReplaceInputSelection(QString());
}

void Worksheet::Paste() { ReplaceInputSelection(QApplication::clipboard()->text()); }

void Worksheet::Delete() {
  QString text;
  int start = 0;
  int length = 0;
  if (text1Line_) {
    text = text1Line_->text();
    start = text1Line_->hasSelectedText() ? text1Line_->selectionStart() : text1Line_->cursorPosition();
    length = static_cast<int>(text1Line_->selectedText().size());
  } else {
    text = text1Multi_->toPlainText();
    const QTextCursor c = text1Multi_->textCursor();
    start = c.selectionStart();
    length = c.selectionEnd() - c.selectionStart();
  }
  // Nothing happens when the caret stands at the end of the focused pane's text.
  const QWidget* focused = QApplication::focusWidget();
  const int focusedLength = focused == text2_ ? static_cast<int>(text2_->toPlainText().size())
                                              : static_cast<int>(text.size());
  const auto range = DeleteRange(text.toStdU16String(), start, length, focusedLength);
  if (!range) return;
  if (text1Line_) {
    text1Line_->setSelection(range->start, range->length);
    text1Line_->insert(QString());
    return;
  }
  QTextCursor c = text1Multi_->textCursor();
  c.setPosition(range->start);
  c.setPosition(range->start + range->length, QTextCursor::KeepAnchor);
  c.removeSelectedText();
  text1Multi_->setTextCursor(c);
}

void Worksheet::ChooseFont() {
  // The dialog starts on the font the input pane shows: the family the pane's list of
  // families resolved to (a family that is not installed would leave the dialog on its own
  // default), with the pane's size, style and colour.
  const QFont paneFont = Text1()->font();
  const QFontInfo shown(paneFont);
  QFont start(shown.family());
  // The style by the name the family gives it ("Regular"): a weight alone can miss every
  // style of the family, and the dialog then starts on its first style (often Bold).
  start.setStyleName(shown.styleName());
  start.setPointSizeF(shown.pointSizeF());
  start.setWeight(paneFont.weight());
  start.setItalic(paneFont.italic());
  start.setUnderline(paneFont.underline());
  start.setStrikeOut(paneFont.strikeOut());
  FontChoice current{start, Text1()->palette().color(QPalette::Text)};
  const auto choice = choosers_->ChooseFont(this, current);
  if (!choice) return;
  for (QWidget* pane : {Text1(), static_cast<QWidget*>(text2_)}) {
    QFont f = pane->font();
    if (choice->font.family() > QString(" ")) f.setFamily(choice->font.family());
    if (choice->font.pointSizeF() > 0) f.setPointSizeF(choice->font.pointSizeF());
    f.setBold(choice->font.bold());
    f.setItalic(choice->font.italic());
    f.setStrikeOut(choice->font.strikeOut());
    f.setUnderline(choice->font.underline());
    pane->setFont(f);
    if (choice->color.isValid()) {
      QPalette p = pane->palette();
      p.setColor(QPalette::Text, choice->color);
      pane->setPalette(p);
    }
  }
}

void Worksheet::ChooseBackColor() {
  const auto color = choosers_->ChooseColor(this, Text1()->palette().color(QPalette::Base));
  if (!color) return;
  for (QWidget* pane : {Text1(), static_cast<QWidget*>(text2_)}) {
    QPalette p = pane->palette();
    p.setColor(QPalette::Base, *color);
    pane->setPalette(p);
  }
}

void Worksheet::DefaultLook() {
  const QPalette system = QApplication::palette();
  for (QWidget* pane : {Text1(), static_cast<QWidget*>(text2_)}) {
    QFont f = pane->font();
    if (description_.defaultSetsFontName) f.setFamilies(PaneFontFamilies());
    f.setPointSize(9);
    f.setBold(false);
    f.setItalic(false);
    f.setStrikeOut(false);
    f.setUnderline(false);
    pane->setFont(f);
    QPalette p = pane->palette();
    p.setColor(QPalette::Text, system.color(QPalette::Text));
    p.setColor(QPalette::Base, system.color(QPalette::Base));
    pane->setPalette(p);
  }
  if (description_.digitsMax > 0) digits_ = kDefaultDigits;
}

void Worksheet::SetDecimalDigits() {
  if (description_.digitsMax <= 0) return;
  const std::string answer = dialogs_->InputBox(description_.digitsPrompt.toStdString(), "设置小数数位",
                                                PlainIntegerText(digits_));
  digits_ = ParseDecimalDigits(answer, description_.digitsMax);
}

}  // namespace tessaly
