#include "common/ui/plot_view.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>

#include "common/ui/plot_painter.h"
#include "common/ui/qt_dialogs.h"

namespace tessaly {

PlotView::PlotView(QWidget* parent, Choosers* choosers, Dialogs* dialogs)
    : QWidget(parent), choosers_(choosers), dialogs_(dialogs) {
  setObjectName("Picture1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (!choosers_) {
    ownChoosers_ = std::make_unique<QtChoosers>();
    choosers_ = ownChoosers_.get();
  }
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
}

void PlotView::SetDrawing(DisplayList drawing) {
  drawing_ = std::move(drawing);
  update();
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDisplayList(painter, drawing_, QRectF(rect()));
}

void PlotView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction("保存为PNG图片...", this, &PlotView::SaveAsPng);
  menu.addAction("保存为SVG图片...", this, &PlotView::SaveAsSvg);
  menu.exec(event->globalPos());
}

bool PlotView::SaveAsPng() { return SaveAs("PNG图片(*.png)", "png"); }
bool PlotView::SaveAsSvg() { return SaveAs("SVG图片(*.svg)", "svg"); }

bool PlotView::SaveAs(const QString& filter, const QString& suffix) {
  QString name = choosers_->SaveFileName(this, filter, QString());
  if (name.isEmpty()) return false;  // Cancel: nothing to say
  if (QFileInfo(name).suffix().compare(suffix, Qt::CaseInsensitive) != 0) name += "." + suffix;
  QString error;
  if (!SavePicture(drawing_, name, size(), &error)) {
    dialogs_->MsgBox("图片没有保存：文件无法写入！", MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return true;
}

}  // namespace tessaly
