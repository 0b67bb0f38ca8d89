#include "common/ui/qt_dialogs.h"

#include <algorithm>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include "common/file_text.h"
#include "common/ui/services.h"

namespace tessaly {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A question or message box has a title and a close button, but nothing to minimise or
// maximise (window managers otherwise add both to any top-level window).
void BoxFrame(QDialog& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
}

// A short message would make the box narrower than its title: keep room for the title and
// the title bar's buttons.
void WidenForTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// Icons and types from the entry's kind and name only: nothing is opened or read.
class NameOnlyIcons : public QFileIconProvider {
 public:
  NameOnlyIcons() { setOptions(DontUseCustomDirectoryIcons); }

  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override {
    if (info.isDir()) return QFileIconProvider::icon(Folder);
    const QMimeType type = ByName(info);
    QIcon themed = QIcon::fromTheme(type.iconName());
    if (themed.isNull()) themed = QIcon::fromTheme(type.genericIconName());
    return themed.isNull() ? QFileIconProvider::icon(File) : themed;
  }

  QString type(const QFileInfo& info) const override {
    // Qt's type of a folder, a device, a pipe or a link reads nothing; that of a regular
    // file would.
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType type = ByName(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
  }

 private:
  QMimeType ByName(const QFileInfo& info) const {
    return mimes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
  }
  QMimeDatabase mimes_;
};

}  // namespace

QString DisplayText(std::string_view text) { return Q(PaneTextFromReport(text)); }

QAbstractFileIconProvider* NameOnlyIconProvider() {
  // Never destroyed: a dialog's file system model may still ask it from its own thread
  // while the program ends.
  static auto* provider = new NameOnlyIcons;
  return provider;
}

QString DefaultSuffixOf(const QString& nameFilter) {
  static const QRegularExpression kOnePattern(R"(\(\s*\*\.([^*?\[\]\s.()]+)\s*\)\s*$)");
  const QRegularExpressionMatch m = kOnePattern.match(nameFilter);
  return m.hasMatch() ? m.captured(1) : QString();
}

void SetUpFileDialog(QFileDialog& dialog, const QString& filter, bool save) {
  // Qt's own dialog, so that the icon provider below is the one that is asked.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(NameOnlyIconProvider());
  dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
  // Wide enough for the name, type, size and date columns and the places on the left.
  dialog.resize(std::max(dialog.width(), 820), std::max(dialog.height(), 520));
  if (auto* splitter = dialog.findChild<QSplitter*>("splitter")) splitter->setSizes({150, 670});
  // The sample problems the program ships are one of the places on the left.
  const QString examples = ShippedFile("examples");
  const QUrl examplesUrl = QUrl::fromLocalFile(examples);
  if (!examples.isEmpty() && !dialog.sidebarUrls().contains(examplesUrl))
    dialog.setSidebarUrls(dialog.sidebarUrls() << examplesUrl);
  if (auto* details = dialog.findChild<QTreeView*>("treeView")) {
    QHeaderView* header = details->header();
    const int widths[] = {240, 90, 130, 165};  // name, size, type, date
    for (int i = 0; i < 4 && i < header->count(); ++i) header->resizeSection(i, widths[i]);
  }
  // "*.*" means every file, as the filter's name says; this dialog would read it as "names
  // with a dot" (hiding files without an extension, and turning a typed name's extension
  // into ".*" when the filter is picked), so it gets "*".
  QString forThisDialog = filter;
  forThisDialog.replace("(*.*)", "(*)");
  dialog.setNameFilter(forThisDialog);
  const QStringList filters = dialog.nameFilters();
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultSuffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(DefaultSuffixOf(f)); });
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
}

std::string QtDialogs::InputBox(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
  QInputDialog box(parent_);
  BoxFrame(box);
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
  BoxFrame(box);
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

namespace {

// Shows the dialog; the chosen file, or the empty name on Cancel.
QString ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString QtChoosers::OpenFileName(QWidget* parent, const QString& filter) {
  QFileDialog dialog(parent, "打开", lastFolder_);
  SetUpFileDialog(dialog, filter, false);
  QString name = ChosenFile(dialog);
  if (!name.isEmpty()) lastFolder_ = QFileInfo(name).absolutePath();
  return name;
}

QString QtChoosers::SaveFileName(QWidget* parent, const QString& filter,
                                 const QString& startName) {
  QFileDialog dialog(parent, "保存", lastFolder_);
  SetUpFileDialog(dialog, filter, true);
  // The dialog opens in the folder of the name it is given, with the name filled in.
  const QFileInfo start(startName);
  if (!startName.isEmpty() && !start.isDir()) {
    dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
  }
  QString name = ChosenFile(dialog);
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
