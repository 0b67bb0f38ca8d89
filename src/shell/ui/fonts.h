// The product caption's font: 隶书 where it is installed, otherwise an installed CJK font.
#pragma once

#include <QFont>

namespace tessaly {

inline QFont CaptionFont(int pointSize, bool bold = false) {
  QFont f;
  f.setFamilies({"隶书", "LiSu", "AR PL UKai CN", "Noto Serif CJK SC", "WenQuanYi Micro Hei",
                 "Noto Sans CJK SC"});
  f.setPointSize(pointSize);
  f.setBold(bold);
  return f;
}

}  // namespace tessaly
