// A picture box that shows a display list, scaled to the box, and whose context menu saves
// the picture as PNG or SVG (users put plots into their reports).
#pragma once

#include <QWidget>
#include <memory>

#include "common/display_list.h"
#include "common/ui/qt_dialogs.h"

namespace tessaly {

class PlotView : public QWidget {
  Q_OBJECT
 public:
  // `choosers` and `dialogs` (the save dialog and the failure message) may be null: the
  // real dialogs are used then.
  explicit PlotView(QWidget* parent = nullptr, Choosers* choosers = nullptr,
                    Dialogs* dialogs = nullptr);

  void SetDrawing(DisplayList drawing);
  void Clear() { SetDrawing(DisplayList{}); }
  const DisplayList& Drawing() const { return drawing_; }

  // The context menu's commands: asks for a file name and saves the picture at the box's
  // size; a failure says so. Returns whether a file was written.
  bool SaveAsPng();
  bool SaveAsSvg();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool SaveAs(const QString& filter, const QString& suffix);

  DisplayList drawing_;
  std::unique_ptr<Choosers> ownChoosers_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Choosers* choosers_;
  Dialogs* dialogs_;
};

}  // namespace tessaly
