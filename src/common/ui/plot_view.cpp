#include "common/ui/plot_view.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "common/ui/plot_painter.h"
#include "common/ui/qt_dialogs.h"
#include "pictures/chart.h"
#include "pictures/ticks.h"

namespace tessaly {
namespace {

bool Usable(const ViewBox& v) {
  const double w = v.right - v.left, h = v.bottom - v.top;
  return std::isfinite(w) && std::isfinite(h) && w != 0 && h != 0;
}

}  // namespace

PlotView::PlotView(QWidget* parent, Choosers* choosers, Dialogs* dialogs)
    : QWidget(parent), choosers_(choosers), dialogs_(dialogs) {
  setObjectName("Picture1");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
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
  source_ = nullptr;
  fixed_ = std::move(drawing);
  view_.reset();
  Refresh();
}

void PlotView::SetSource(PictureSource source, bool keepView) {
  source_ = std::move(source);
  fixed_ = DisplayList{};
  if (!keepView) view_.reset();
  Refresh();
}

void PlotView::SetGridShown(bool on) {
  grid_ = on;
  Refresh();
}

void PlotView::Refresh() {
  if (source_) {
    shown_ = source_(view_ ? &*view_ : nullptr, grid_, width(), height());
  } else {
    shown_ = fixed_;
    if (view_) shown_.SetView(*view_);
    if (grid_) {
      std::vector<PlotLine> lines = GridLines(shown_, width(), height());
      lines.insert(lines.end(), shown_.lines.begin(), shown_.lines.end());
      shown_.lines = std::move(lines);
    }
  }
  update();
}

void PlotView::SetView(const ViewBox& view) {
  if (!Usable(view)) return;
  view_ = view;
  Refresh();
}

void PlotView::ZoomAt(QPointF px, double factor) {
  if (!shown_.hasView || width() <= 0 || height() <= 0) return;
  const ViewBox v = shown_.View();
  const double fx = px.x() / width(), fy = px.y() / height();
  const double x = v.left + fx * (v.right - v.left), y = v.top + fy * (v.bottom - v.top);
  const double w = (v.right - v.left) * factor, h = (v.bottom - v.top) * factor;
  // Not deeper than about twelve digits of the values shown, nor wider than they can be.
  const double scale = std::max({std::fabs(x), std::fabs(y), 1e-290});
  if (std::fabs(w) < scale * 1e-12 || std::fabs(h) < scale * 1e-12 || std::fabs(w) > 1e300)
    return;
  SetView({x - fx * w, y - fy * h, x + (1 - fx) * w, y + (1 - fy) * h});
}

void PlotView::PanBy(QPointF deltaPx) {
  if (!shown_.hasView || width() <= 0 || height() <= 0) return;
  const ViewBox v = shown_.View();
  const double dx = deltaPx.x() / width() * (v.right - v.left);
  const double dy = deltaPx.y() / height() * (v.bottom - v.top);
  SetView({v.left - dx, v.top - dy, v.right - dx, v.bottom - dy});
}

void PlotView::FitView() {
  view_.reset();
  Refresh();
}

QString PlotView::CoordinatesText(QPointF px) const {
  if (!shown_.hasView || width() <= 0 || height() <= 0) return {};
  const ViewBox v = shown_.View();
  const double ux = (v.right - v.left) / width(), uy = (v.bottom - v.top) / height();
  const double x = v.left + px.x() * ux, y = v.top + px.y() * uy;
  // As many digits as a pixel tells apart.
  auto text = [](double value, double unit) {
    const double step = std::pow(10.0, std::floor(std::log10(std::fabs(unit))));
    return QString::fromStdString(TickText(value, std::isfinite(step) ? step : 0));
  };
  return "x = " + text(x, ux) + "   y = " + text(y, uy);
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintDisplayList(painter, shown_, QRectF(rect()));
  if (cornerCoordinates_ && !cursorText_.isEmpty()) {
    const QFont font = PictureFont();
    painter.setFont(font);
    const QRectF box = QFontMetricsF(font).boundingRect(cursorText_).adjusted(-4, -2, 4, 2);
    const QRectF at(width() - box.width() - 2, height() - box.height() - 2, box.width(),
                    box.height());
    painter.fillRect(at, QColor(255, 255, 255, 220));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(at, Qt::AlignCenter, cursorText_);
  }
}

void PlotView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* grid = menu.addAction("网格", this, [this] { SetGridShown(!grid_); });
  grid->setCheckable(true);
  grid->setChecked(grid_);
  menu.addAction("适合窗口", this, &PlotView::FitView)->setEnabled(Zoomed());
  menu.addSeparator();
  menu.addAction("保存为PNG图片...", this, &PlotView::SaveAsPng);
  menu.addAction("保存为SVG图片...", this, &PlotView::SaveAsSvg);
  menu.exec(event->globalPos());
}

void PlotView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) ZoomAt(event->position(), std::pow(0.8, notches));
  event->accept();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  }
  QWidget::mousePressEvent(event);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
    PanBy(event->position() - *dragFrom_);
    dragFrom_ = event->position();
  }
  cursorText_ = CoordinatesText(event->position());
  emit CursorMoved(cursorText_);
  if (cornerCoordinates_) update();
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_.reset();
    unsetCursor();
  }
  QWidget::mouseReleaseEvent(event);
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FitView();
}

void PlotView::leaveEvent(QEvent*) {
  cursorText_.clear();
  emit CursorMoved(cursorText_);
  update();
}

void PlotView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A drawn-afresh picture is sampled and ticked for the box's size.
  if (source_ || grid_) Refresh();
}

bool PlotView::SaveAsPng() { return SaveAs("PNG图片(*.png)", "png"); }
bool PlotView::SaveAsSvg() { return SaveAs("SVG图片(*.svg)", "svg"); }

bool PlotView::SaveAs(const QString& filter, const QString& suffix) {
  QString name = choosers_->SaveFileName(this, filter, QString());
  if (name.isEmpty()) return false;  // Cancel: nothing to say
  if (QFileInfo(name).suffix().compare(suffix, Qt::CaseInsensitive) != 0) name += "." + suffix;
  QString error;
  if (!SavePicture(shown_, name, size(), &error)) {
    dialogs_->MsgBox("图片没有保存：文件无法写入！", MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return true;
}

}  // namespace tessaly
