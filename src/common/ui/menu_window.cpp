#include "common/ui/menu_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "common/ui/app_windows.h"
#include "common/ui/twips.h"

namespace tessaly {

MenuWindow::MenuWindow(const QString& name, const QString& caption, double outerWidthTwips,
                       double outerHeightTwips, std::vector<MenuButton> buttons,
                       QStringList children, AppWindows* windows)
    : FixedSizeWindow(outerWidthTwips, outerHeightTwips),
      children_(std::move(children)),
      windows_(windows) {
  setObjectName(name);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(TwipsToPx(600, this), TwipsToPx(360, this), TwipsToPx(600, this),
                             TwipsToPx(360, this));
  layout->setSpacing(TwipsToPx(180, this));
  for (MenuButton& b : buttons) {
    auto* button = new QPushButton(b.caption, this);
    button->setObjectName(b.name);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QFont f = button->font();
    f.setPointSize(11);
    button->setFont(f);
    if (b.action) connect(button, &QPushButton::clicked, this, std::move(b.action));
    layout->addWidget(button);
    buttons_.push_back(button);
  }
}

QPushButton* MenuWindow::Button(const QString& name) const {
  for (QPushButton* b : buttons_)
    if (b->objectName() == name) return b;
  return nullptr;
}

void MenuWindow::closeEvent(QCloseEvent* event) {
  if (windows_) windows_->CloseInOrder(children_);
  event->accept();
}

}  // namespace tessaly
