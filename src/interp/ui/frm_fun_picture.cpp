#include "interp/ui/frm_fun_picture.h"

#include <QEvent>
#include <QMetaObject>
#include <QVBoxLayout>

#include "common/ui/plot_view.h"
#include "common/ui/qt_dialogs.h"
#include "interp/scatter_plot.h"

namespace tessaly {

FrmFunPicture::FrmFunPicture(WindowServices services, QWidget* parent)
    : QWidget(parent), services_(services), dialogs_(services.dialogs) {
  setObjectName("FrmFunPicture");
  setWindowTitle("散点图");
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  picture_ = new PlotView(this, services.choosers, dialogs_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  resize(kScatterPlotWidth, kScatterPlotHeight);
}

FrmFunPicture::~FrmFunPicture() = default;

void FrmFunPicture::Form_Activate() {
  if (!services_.app || services_.app->plot.kind == 0) return;
  const ScatterPlot plot = DrawScatterPlot(services_.app->plot, services_.app->scatterColour,
                                           picture_->width(), picture_->height());
  if (plot.drawn) picture_->SetDrawing(plot.picture);
  if (!plot.message.empty()) dialogs_->MsgBox(plot.message);
}

// Drawn once the window is up, so that a message about the drawing stands in front of it.
void FrmFunPicture::ActivateLater() {
  QMetaObject::invokeMethod(
      this, [this] { Form_Activate(); }, Qt::QueuedConnection);
}

void FrmFunPicture::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ActivateLater();
}

void FrmFunPicture::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ActivateLater();
}

}  // namespace tessaly
