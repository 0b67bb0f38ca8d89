#include "common/ui/form_window.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "common/number_text.h"
#include "common/text_encoding.h"
#include "common/ui/atomic_file.h"
#include "common/ui/fonts.h"
#include "common/ui/formula_hint_balloon.h"
#include "common/ui/plot_view.h"
#include "common/ui/twips.h"
#include "common/file_text.h"

namespace tessaly {

FormWindow::FormWindow(FormWindowDescription description, WindowServices services,
                       const FormCommand* command)
    : FixedSizeWindow(description.outerWidthTwips, description.outerHeightTwips),
      description_(std::move(description)),
      command_(command ? command : AllFormCommands().Find(description_.command)),
      services_(services) {
  setObjectName(description_.name);
  setWindowTitle(description_.caption);
  if (services_.dialogs) {
    dialogs_ = services_.dialogs;
  } else {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  if (services_.choosers) {
    choosers_ = services_.choosers;
  } else {
    ownChoosers_ = std::make_unique<QtChoosers>();
    choosers_ = ownChoosers_.get();
  }
  if (services_.app) {
    app_ = services_.app;
  } else {
    ownApp_ = std::make_unique<AppState>();
    app_ = ownApp_.get();
  }
  static const FormCommand kNone;
  if (!command_) command_ = &kNone;

  for (const FormLabel& l : description_.labels) {
    auto* label = new QLabel(l.caption, this);
    label->setObjectName(l.name);
    labels_[l.control] = label;
  }
  auto labelFor = [this](const QString& control) -> QWidget* {
    auto it = labels_.find(control);
    return it == labels_.end() ? nullptr : it->second;
  };

  // The controls, one row each: its label, then the control.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(TwipsToPx(120, this));
  grid->setVerticalSpacing(TwipsToPx(120, this));
  int row = 0;
  for (const FormControl& c : command_->controls) {
    if (QWidget* label = labelFor(QString::fromStdString(c.name))) grid->addWidget(label, row, 0);
    grid->addWidget(BuildControl(c), row, 1);
    ++row;
  }
  button_ = new QPushButton(QString::fromStdString(command_->caption), this);
  button_->setObjectName(QString::fromStdString(command_->control));
  connect(button_, &QPushButton::clicked, this, &FormWindow::Press);

  auto* form = new QVBoxLayout;
  form->addLayout(grid);
  buttonRow_ = new QHBoxLayout;
  buttonRow_->addWidget(button_);
  // The progress of a long command and its 取消 button (see WorkerRun).
  runBar_ = new QProgressBar(this);
  runBar_->setObjectName("MethodProgress");
  runBar_->setTextVisible(false);
  runBar_->hide();
  cancelButton_ = new QPushButton("取消", this);
  cancelButton_->setObjectName("CancelMethod");
  cancelButton_->hide();
  buttonRow_->addWidget(runBar_, 1);
  buttonRow_->addWidget(cancelButton_);
  run_ = new WorkerRun(this, runBar_, cancelButton_);
  form->addLayout(buttonRow_);
  if (!description_.resultBox.isEmpty()) {
    result_ = new QPlainTextEdit(this);
    result_->setObjectName(description_.resultBox);
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    result_->setReadOnly(description_.resultDiscardsKeys);
    QFont f = result_->font();
    f.setFamilies(PaneFontFamilies());
    result_->setFont(f);
    result_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(result_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
      std::unique_ptr<QMenu> menu(BuildResultMenu());
      menu->exec(result_->mapToGlobal(at));
    });
    if (QWidget* label = labelFor(description_.resultBox)) form->addWidget(label);
    if (description_.picture)
      result_->setFixedHeight(result_->fontMetrics().lineSpacing() * description_.resultLines +
                              2 * result_->frameWidth() + 8);
    form->addWidget(result_, description_.picture ? 0 : 1);
  }
  if (description_.picture) form->addStretch(1);

  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(TwipsToPx(180, this), TwipsToPx(180, this), TwipsToPx(180, this),
                            TwipsToPx(180, this));
  outer->setSpacing(TwipsToPx(180, this));
  if (description_.picture) {
    auto* left = new QWidget(this);
    left->setLayout(form);
    left->setFixedWidth(TwipsToPx(description_.outerWidthTwips * 0.36, this));
    form->setContentsMargins(0, 0, 0, 0);
    picture_ = new PlotView(this, choosers_, dialogs_);
    outer->addWidget(left);
    outer->addWidget(picture_, 1);
  } else {
    outer->addLayout(form, 1);
  }
  UpdateEnabled();
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::BuildControl(const FormControl& c) {
  const QString name = QString::fromStdString(c.name);
  if (c.IsList()) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->setEditable(false);  // picked from the list only
    for (const std::string& item : c.items) list->addItem(QString::fromStdString(item));
    list->setCurrentText(QString::fromStdString(c.initial));
    // Typed characters are discarded (see eventFilter); also watches the focus.
    list->installEventFilter(this);
    lists_[name] = list;
    return list;
  }
  auto* box = new QLineEdit(QString::fromStdString(c.initial), this);
  box->setObjectName(name);
  texts_[name] = box;
  const int min = c.min, max = c.max;
  connect(box, &QLineEdit::textChanged, this, [this, box, min, max](const QString& text) {
    if (max > 0) {
      // Held in range while the user types.
      const std::string held = HeldInRange(text.toStdString(), min, max);
      if (held != text.toStdString()) {
        box->setText(QString::fromStdString(held));
        return;
      }
    }
    UpdateEnabled();
  });
  if (c.max > 0 && !description_.spinner.isEmpty()) return BuildSpinner(box, c);
  return box;
}

QWidget* FormWindow::BuildSpinner(QLineEdit* box, const FormControl& c) {
  // The up-down spinner beside the box: one step up or down, within the box's range.
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(box, 1);
  auto* arrows = new QWidget(holder);
  arrows->setObjectName(description_.spinner);
  auto* column = new QVBoxLayout(arrows);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  const int min = c.min, max = c.max;
  for (int step : {+1, -1}) {
    auto* b = new QToolButton(arrows);
    b->setObjectName(step > 0 ? "Up" : "Down");
    b->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
    b->setAutoRepeat(true);
    b->setFixedSize(TwipsToPx(255, this), box->sizeHint().height() / 2);
    connect(b, &QToolButton::clicked, this, [box, step, min, max] {
      const double v = std::nearbyint(LeadingNumber(box->text().toStdString())) + step;
      const double held = v < min ? min : (v > max ? max : v);
      box->setText(QString::fromStdString(PlainIntegerText(static_cast<long long>(held))));
    });
    column->addWidget(b);
  }
  row->addWidget(arrows);
  return holder;
}

QLineEdit* FormWindow::TextBox(const QString& name) const {
  auto it = texts_.find(name);
  return it == texts_.end() ? nullptr : it->second;
}

QComboBox* FormWindow::List(const QString& name) const {
  auto it = lists_.find(name);
  return it == lists_.end() ? nullptr : it->second;
}

QLabel* FormWindow::Label(const QString& name) const {
  for (const auto& [control, label] : labels_)
    if (label->objectName() == name) return label;
  return nullptr;
}

FormFields FormWindow::Fields() const {
  FormFields fields(command_->controls);
  for (const auto& [name, box] : texts_) fields.Set(name.toStdString(), box->text().toStdString());
  for (const auto& [name, list] : lists_)
    fields.Set(name.toStdString(), list->currentText().toStdString());
  return fields;
}

std::string FormWindow::ResultText() const {
  if (!result_) return {};
  // An edited box gives its text with CR LF line breaks; an untouched one the text as written.
  if (resultLoading_) return resultText_;
  const QString shown = result_->toPlainText();
  return shown == shownResult_ ? resultText_ : ToCrLf(shown.toStdString());
}

void FormWindow::UpdateEnabled() {
  button_->setEnabled(!(run_ && run_->Running()) && command_->Enabled(Fields()));
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (qobject_cast<QComboBox*>(watched)) {
    if (event->type() == QEvent::FocusIn && description_.enableOnListFocus) UpdateEnabled();
    // A list is picked from, not typed into: a typed character (which would pick the item
    // it starts) is discarded; the arrow keys still move through the items.
    if (event->type() == QEvent::KeyPress) {
      const QString typed = static_cast<QKeyEvent*>(event)->text();
      if (!typed.isEmpty() && typed.at(0).isPrint()) return true;
    }
  }
  return FixedSizeWindow::eventFilter(watched, event);
}

void FormWindow::Press() {
  if (run_->Running()) return;  // one command at a time in a window
  UpdateEnabled();
  if (!button_->isEnabled() || !command_->run) return;
  // The command reads a copy of the fields on the worker thread; its boxes are shown by the
  // window's thread, and its outcome is applied there once it has ended.
  auto fields = std::make_shared<const FormFields>(Fields());
  auto boxes = std::make_shared<WindowThreadDialogs>(*run_, *dialogs_);
  // The command reads the plot colours from a copy taken now: the colour commands of other
  // windows may change them while it runs.
  auto app = std::make_shared<AppState>(*app_);
  auto ctx = std::make_shared<FormContext>(FormContext{*fields, *boxes, *app});
  ctx->progress = &run_->RunProgress();
  PrepareCommand(*ctx);
  auto outcome = std::make_shared<FormOutcome>();
  SetRunning(true);
  auto work = [command = command_, ctx, outcome, fields, boxes, app] { *outcome = command->run(*ctx); };
  auto done = [this, fields, ctx, outcome, boxes](std::exception_ptr failure) {
    SetRunning(false);
    try {
      if (failure) std::rethrow_exception(failure);
      Apply(std::move(*outcome));
      for (const FormControl& c : command_->controls)
        if (c.formula)
          ShowFormulaHint(TextBox(QString::fromStdString(c.name)), fields->Text(c.name));
    } catch (const MethodCancelled&) {
      // The result box says so; it held nothing of the cancelled run.
      if (result_) {
        FormOutcome cancelled;
        cancelled.result = std::string(kCancelledResult);
        Apply(std::move(cancelled));
      }
    } catch (const std::bad_alloc&) {
      dialogs_->MsgBox("内存不足，计算没有完成。");
    } catch (const std::exception& e) {
      dialogs_->MsgBox(std::string("计算没有完成：") + e.what());
    }
    CommandFinished();
  };
  run_->Run(std::move(work), std::move(done));
}

void FormWindow::SetRunning(bool running) {
  button_->setEnabled(!running && command_->Enabled(Fields()));
  if (result_) result_->setReadOnly(running || resultLoading_ || description_.resultDiscardsKeys);
}

bool FormWindow::CommandRunning() const { return run_->Running(); }

void FormWindow::CancelCommand() { run_->Cancel(); }

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Esc, unused by the panes, reaches the window: it cancels a running method.
  if (run_->TakeEscape(event)) event->accept();
  else FixedSizeWindow::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  run_->CancelAndWait();  // the window closes once its command has ended
  FixedSizeWindow::closeEvent(event);
}

void FormWindow::Apply(FormOutcome outcome) {
  if (outcome.result && result_) {
    resultText_ = std::move(*outcome.result);
    resultCsv_ = std::move(outcome.csv);
    shownResult_ = QString::fromStdString(PaneTextFromReport(resultText_));
    ShowResultText(shownResult_);
  }
  if (outcome.picture && picture_) picture_->SetDrawing(std::move(*outcome.picture));
  if (!outcome.focus.empty()) {
    const QString name = QString::fromStdString(outcome.focus);
    if (QLineEdit* box = TextBox(name)) box->setFocus();
    else if (QComboBox* list = List(name)) list->setFocus();
  }
  if (!outcome.warning.empty())
    dialogs_->MsgBox(outcome.warning, MsgButtons::Ok, MsgIcon::Exclamation);
}

// A long text (an ODE table has up to 32 769 lines) would hold the window while the box builds
// a block for every line. The box shows the first part at once and takes in the rest in
// parts of about two thousand lines between events, so the window paints, scrolls and
// answers all along; the box is read-only until the whole text is in. A newer text stops
// the appending of an older one.
namespace {
constexpr qsizetype kResultPart = 128 * 1024;  // characters per part, cut at a line break
}  // namespace

void FormWindow::ShowResultText(const QString& text) {
  const int generation = ++resultGeneration_;
  const qsizetype cut = text.size() > kResultPart ? text.indexOf('\n', kResultPart) : -1;
  if (cut < 0) {
    resultLoading_ = false;
    result_->setReadOnly(description_.resultDiscardsKeys);
    result_->setPlainText(text);
    return;
  }
  resultLoading_ = true;
  result_->setReadOnly(true);
  result_->setPlainText(text.left(cut));
  result_->document()->setUndoRedoEnabled(false);
  AppendResultText(cut, generation);
}

void FormWindow::AppendResultText(qsizetype from, int generation) {
  QTimer::singleShot(0, this, [this, from, generation] {
    if (generation != resultGeneration_) return;
    qsizetype to = shownResult_.indexOf('\n', from + kResultPart);
    if (to < 0) to = shownResult_.size();
    QTextCursor end(result_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shownResult_.mid(from, to - from));
    if (to < shownResult_.size()) {
      AppendResultText(to, generation);
      return;
    }
    result_->document()->setUndoRedoEnabled(true);
    result_->setReadOnly(description_.resultDiscardsKeys);
    resultLoading_ = false;
  });
}

QMenu* FormWindow::BuildResultMenu() {
  QMenu* menu = result_->createStandardContextMenu();
  menu->addSeparator();
  const bool any = !ResultText().empty() && !run_->Running();
  QAction* copy = menu->addAction("复制全部", this, &FormWindow::CopyWholeResult);
  copy->setObjectName("CopyWholeResult");
  copy->setEnabled(any);
  QAction* save = menu->addAction("另存为…", this, &FormWindow::SaveResultAs);
  save->setObjectName("SaveResultAs");
  save->setEnabled(any);
  if (command_->csvTable) {
    QAction* csv = menu->addAction("导出为CSV…", this, &FormWindow::ExportResultCsv);
    csv->setObjectName("ExportResultCsv");
    csv->setEnabled(static_cast<bool>(resultCsv_));
  }
  return menu;
}

void FormWindow::CopyWholeResult() {
  // The whole text, also while the box is still taking in a long one.
  QApplication::clipboard()->setText(QString::fromStdString(PaneTextFromReport(ResultText())));
}

void FormWindow::SaveResultAs() { SaveResultFile(kFileFilter, ResultText()); }

void FormWindow::ExportResultCsv() {
  if (resultCsv_) SaveResultFile("CSV文件(*.csv);;所有文件(*.*)", resultCsv_());
}

void FormWindow::SaveResultFile(const QString& filter, const std::string& bytes) {
  const QString name = choosers_->SaveFileName(this, filter, QString());
  if (name.isEmpty()) return;  // Cancel: nothing to say
  if (!WriteFileAtomically(name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))))
    dialogs_->MsgBox("结果没有保存：文件无法写入！", MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace tessaly
