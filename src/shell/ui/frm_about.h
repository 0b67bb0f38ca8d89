// The about window: the product caption and the version.
#pragma once

#include <QWidget>

namespace tessaly {

class FrmAbout : public QWidget {
  Q_OBJECT
 public:
  explicit FrmAbout(QWidget* parent = nullptr);
};

}  // namespace tessaly
