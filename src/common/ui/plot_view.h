// The one picture box: shows a display list scaled to the box; the wheel zooms around the
// cursor, dragging pans, a double click fits the view again; the coordinates under the
// cursor are reported (and shown in the box's corner unless the window shows them itself);
// the context menu turns the grid on and off and saves what is shown as PNG or SVG.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "common/display_list.h"
#include "common/ui/qt_dialogs.h"

namespace tessaly {

// A picture drawn afresh for every view: `view` is the view box to show (null: the
// picture's own, fitted view), `grid` whether to draw the grid, `size` the box in pixels.
using PictureSource =
    std::function<DisplayList(const ViewBox* view, bool grid, int widthPx, int heightPx)>;

class PlotView : public QWidget {
  Q_OBJECT
 public:
  // `choosers` and `dialogs` (the save dialog and the failure message) may be null: the
  // real dialogs are used then.
  explicit PlotView(QWidget* parent = nullptr, Choosers* choosers = nullptr,
                    Dialogs* dialogs = nullptr);

  // A fixed picture: zooming shows a part of it; the grid is laid over its own view.
  void SetDrawing(DisplayList drawing);
  // A picture drawn by `source` for every view (re-sampled when zoomed). Keeps the current
  // zoom when `keepView`.
  void SetSource(PictureSource source, bool keepView = false);
  void Clear() { SetDrawing(DisplayList{}); }
  // The picture as shown: the current view, with the grid when it is on.
  const DisplayList& Drawing() const { return shown_; }

  bool GridShown() const { return grid_; }
  void SetGridShown(bool on);
  // Whether the box prints the coordinates under the cursor in its own corner (default on).
  void SetCornerCoordinates(bool on) { cornerCoordinates_ = on; }

  // The mouse commands, also for tests: zoom by `factor` (< 1 zooms in) around a point of
  // the box, pan by a distance in pixels, fit the view to the picture again.
  void ZoomAt(QPointF px, double factor);
  void PanBy(QPointF deltaPx);
  void FitView();
  bool Zoomed() const { return view_.has_value(); }
  // The user coordinates of a point of the box, as the status line shows them.
  QString CoordinatesText(QPointF px) const;

  // The context menu's commands: asks for a file name and saves the picture at the box's
  // size; a failure says so. Returns whether a file was written.
  bool SaveAsPng();
  bool SaveAsSvg();

 signals:
  // The coordinates under the cursor ("x = 1.25   y = -0.4"), empty when it leaves the box.
  void CursorMoved(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool SaveAs(const QString& filter, const QString& suffix);
  void Refresh();
  void SetView(const ViewBox& view);

  DisplayList fixed_;
  PictureSource source_;
  std::optional<ViewBox> view_;
  bool grid_ = false;
  bool cornerCoordinates_ = true;
  DisplayList shown_;
  std::optional<QPointF> dragFrom_;
  QString cursorText_;
  std::unique_ptr<Choosers> ownChoosers_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Choosers* choosers_;
  Dialogs* dialogs_;
};

}  // namespace tessaly
