#include "common/ui/app_windows.h"

#include "common/ui/screen_fit.h"

namespace tessaly {

const QStringList& AppWindows::UnloadOrder() {
  static const QStringList order = {"FrmFunPicture", "InsertValue",       "LinearFrm",
                                    "MatrixCValueCVector", "Ultra",       "UsualDiffEquation",
                                    "ValueCalculus", "FrmAbout"};
  return order;
}

void AppWindows::Register(const QString& name, Factory factory) {
  factories_[name] = std::move(factory);
}

bool AppWindows::CanOpen(const QString& name) const {
  auto it = factories_.find(name);
  return it != factories_.end() && it->second;
}

QWidget* AppWindows::Find(const QString& name) const {
  auto it = open_.find(name);
  return it == open_.end() ? nullptr : it->second.data();
}

QWidget* AppWindows::Show(const QString& name) {
  QWidget* w = Find(name);
  if (!w) {
    if (!CanOpen(name)) return nullptr;
    w = factories_[name](*this);
    if (!w) return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    KeepOnScreen(w);
    open_[name] = w;
  }
  if (w->isMinimized()) w->showNormal();
  w->show();
  w->raise();
  w->activateWindow();
  return w;
}

void AppWindows::Adopt(const QString& name, QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  KeepOnScreen(window);
  open_[name] = window;
}

void AppWindows::CloseInOrder(const QStringList& names) {
  for (const QString& name : names) {
    if (QWidget* w = Find(name)) {
      w->close();
      open_.erase(name);
    }
  }
}

}  // namespace tessaly
