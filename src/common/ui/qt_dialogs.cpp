#include "common/ui/qt_dialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "worksheet/file_text.h"

namespace tessaly {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A short message would make the box narrower than its title: keep room for the title and
// the title bar's buttons.
void WidenForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString DisplayText(std::string_view text) { return Q(PaneTextFromReport(text)); }

std::string QtDialogs::InputBox(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
  QInputDialog box(parent_);
  box.setWindowTitle(Q(EffectiveTitle(title)));
  box.setLabelText(DisplayText(prompt));
  box.setTextValue(Q(defaultText));
  box.setOkButtonText("确定");
  box.setCancelButtonText("取消");
  box.resize(std::max(box.sizeHint().width(), 360), box.sizeHint().height());
  if (box.exec() != QDialog::Accepted) return {};
  return box.textValue().toStdString();
}

MsgResult QtDialogs::MsgBox(std::string_view text, MsgButtons buttons, MsgIcon icon,
                            std::string_view title, MsgDefault defaultButton) {
  QMessageBox box(parent_);
  box.setWindowTitle(Q(EffectiveTitle(title)));
  box.setText(DisplayText(text));
  box.setTextFormat(Qt::PlainText);
  switch (icon) {
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  if (buttons == MsgButtons::YesNo) {
    QPushButton* yes = box.addButton("是(&Y)", QMessageBox::YesRole);
    QPushButton* no = box.addButton("否(&N)", QMessageBox::NoRole);
    box.setDefaultButton(defaultButton == MsgDefault::First ? yes : no);
    box.setEscapeButton(no);
    WidenForTitle(box);
    box.exec();
    return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
  }
  WidenForTitle(box);
  QPushButton* ok = box.addButton("确定", QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return MsgResult::Ok;
}

QString QtChoosers::OpenFileName(QWidget* parent, const QString& filter) {
  QString name = QFileDialog::getOpenFileName(parent, "打开", lastFolder_, filter);
  if (!name.isEmpty()) lastFolder_ = QFileInfo(name).absolutePath();
  return name;
}

QString QtChoosers::SaveFileName(QWidget* parent, const QString& filter,
                                 const QString& startName) {
  QString start = startName.isEmpty() ? lastFolder_ : startName;
  QString name = QFileDialog::getSaveFileName(parent, "保存", start, filter);
  if (!name.isEmpty()) lastFolder_ = QFileInfo(name).absolutePath();
  return name;
}

std::optional<FontChoice> QtChoosers::ChooseFont(QWidget* parent, const FontChoice& current) {
  // The font dialog with a colour button beside it: the font, its effects and its colour
  // are chosen together.
  QDialog dialog(parent);
  dialog.setWindowTitle("字体");
  auto* fonts = new QFontDialog(current.font, &dialog);
  fonts->setWindowFlags(Qt::Widget);
  fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  QColor color = current.color;
  auto* colorButton = new QPushButton("颜色...", &dialog);
  auto* swatch = new QLabel(&dialog);
  swatch->setFixedSize(40, 20);
  auto paintSwatch = [&] {
    swatch->setStyleSheet(QString("background:%1; border:1px solid gray;").arg(color.name()));
  };
  paintSwatch();
  QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
    QColor c = QColorDialog::getColor(color, &dialog, "颜色");
    if (c.isValid()) {
      color = c;
      paintSwatch();
    }
  });
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole);
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(colorButton);
  row->addWidget(swatch);
  row->addStretch(1);
  row->addWidget(buttons);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(fonts);
  layout->addLayout(row);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FontChoice{fonts->currentFont(), color};
}

std::optional<QColor> QtChoosers::ChooseColor(QWidget* parent, const QColor& current) {
  QColor c = QColorDialog::getColor(current, parent, "颜色");
  if (!c.isValid()) return std::nullopt;
  return c;
}

}  // namespace tessaly
