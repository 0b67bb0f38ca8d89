#include "shell/ui/frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/fonts.h"
#include "common/ui/twips.h"

namespace tessaly {

FrmAbout::FrmAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FrmAbout");
  setWindowTitle("关于Tessaly");

  auto* label1 = new QLabel("Tessaly", this);
  label1->setObjectName("Label1");
  label1->setFont(CaptionFont(28, true));
  label1->setAlignment(Qt::AlignCenter);

  auto* lblVersion = new QLabel("1.2", this);
  lblVersion->setObjectName("lblVersion");
  lblVersion->setAlignment(Qt::AlignCenter);

  auto* ok = new QPushButton("确定", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(TwipsToPx(600, this), TwipsToPx(360, this), TwipsToPx(600, this),
                             TwipsToPx(240, this));
  layout->addWidget(label1);
  layout->addWidget(lblVersion);
  layout->addSpacing(TwipsToPx(240, this));
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedSize(sizeHint().expandedTo(QSize(TwipsToPx(4800, this), TwipsToPx(2400, this))));
}

}  // namespace tessaly
