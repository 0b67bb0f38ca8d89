// The program's fonts: the product caption's (隶书 where it is installed, otherwise an
// installed CJK font) and the text panes' (宋体 or its nearest installed match).
#pragma once

#include <QFont>
#include <QStringList>

namespace tessaly {

inline QFont CaptionFont(int pointSize, bool bold = false) {
  QFont f;
  f.setFamilies({"隶书", "LiSu", "AR PL UKai CN", "Noto Serif CJK SC", "WenQuanYi Micro Hei",
                 "Noto Sans CJK SC"});
  f.setPointSize(pointSize);
  f.setBold(bold);
  return f;
}

// The font families of the text panes: 宋体 where it is installed; otherwise a CJK font
// whose Latin letters have one width, as 宋体's do, so that the columns of a report line up.
inline QStringList PaneFontFamilies() {
  return {"宋体", "SimSun", "NSimSun", "Noto Sans Mono CJK SC", "WenQuanYi Micro Hei Mono"};
}

}  // namespace tessaly
