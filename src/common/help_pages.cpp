#include "common/help_pages.h"

#include <array>

namespace tessaly {

const std::vector<HelpPage>& HelpPages() {
  static const std::vector<HelpPage> pages = {
      {"", "index.html", "Tessaly 使用指南"},
      {"LinearFrm", "linear.html", "线性方程组的数值解法"},
      {"Ultra", "nonlinear.html", "非线性方程的数值解法"},
      {"InsertValue", "interpolation.html", "插值法与最小二乘法曲线拟合"},
      {"MatrixCValueCVector", "eigen.html", "矩阵的特征值及特征向量的计算"},
      {"ValueCalculus", "calculus.html", "数值微积分"},
      {"UsualDiffEquation", "ode.html", "常微分方程的数值解法"},
  };
  return pages;
}

std::optional<HelpPage> TopicHelpPage(std::string_view window) {
  if (window.empty()) return std::nullopt;
  for (const HelpPage& p : HelpPages())
    if (p.window == window) return p;
  return std::nullopt;
}

const HelpPage& HelpPageForWindow(std::string_view window) {
  // Child windows open the page of the topic they belong to.
  struct Child {
    std::string_view child, topic;
  };
  static constexpr std::array<Child, 8> kChildren = {{
      {"FrmFunPicture", "InsertValue"},
      {"NewtonCotes", "ValueCalculus"},
      {"CompFormual", "ValueCalculus"},
      {"GauseIntegral", "ValueCalculus"},
      {"FrmGeneralFunPaint", "ValueCalculus"},
      {"UsDi_Euler", "UsualDiffEquation"},
      {"UsDi_RungeKutta", "UsualDiffEquation"},
      {"UsDi_Adams", "UsualDiffEquation"},
  }};
  for (const Child& c : kChildren)
    if (c.child == window) window = c.topic;
  for (const HelpPage& p : HelpPages())
    if (!window.empty() && p.window == window) return p;
  return HelpPages().front();
}

}  // namespace tessaly
