#include "calculus/ui/calculus_windows.h"

#include <QPointer>
#include <memory>

#include "common/ui/app_windows.h"
#include "common/ui/menu_window.h"
#include "common/ui/qt_dialogs.h"
#include "common/ui/services.h"

namespace tessaly {
namespace {

std::vector<FormLabel> FormulaAndBoundLabels(const QString& formulaCaption) {
  return {{"Label1", formulaCaption, "Text1"},
          {"Label2", "下界", "Text2"},
          {"Label3", "上界", "Text3"}};
}

FormWindowDescription Quadrature(const QString& name, const QString& caption, double width,
                                 double height, const QString& resultBox) {
  FormWindowDescription d;
  d.name = name;
  d.caption = caption;
  d.outerWidthTwips = width;
  d.outerHeightTwips = height;
  d.command = name.toStdString() + ".Command1";
  d.labels = FormulaAndBoundLabels("函数式");
  d.resultBox = resultBox;
  d.picture = true;
  d.enableOnListFocus = true;
  return d;
}

}  // namespace

FormWindowDescription CalculusWindowDescription(const QString& name) {
  if (name == "CompFormual") {
    FormWindowDescription d = Quadrature(name, "数值微积分—复化求积公式", 12255, 8205, "Text5");
    d.labels.push_back({"Label4", "等分", "Text4"});
    d.labels.push_back({"Label5", "积分结果如下", "Text5"});
    d.resultDiscardsKeys = true;
    d.spinner = "UpDown1";
    return d;
  }
  if (name == "NewtonCotes") {
    FormWindowDescription d =
        Quadrature(name, "数值微积分—牛顿-柯特斯（Newton-Cotes）公式", 11955, 8295, "Text4");
    d.labels.push_back({"Label4", "等分", "Combo1"});
    d.labels.push_back({"Label5", "积分结果如下", "Text4"});
    d.resultDiscardsKeys = true;
    return d;
  }
  if (name == "GauseIntegral") {
    FormWindowDescription d = Quadrature(name, "数值微积分—高斯求积公式", 12255, 8250, "Text4");
    d.labels.push_back({"Label5", "积分结果如下", "Text4"});
    return d;
  }
  FormWindowDescription d;  // FrmGeneralFunPaint
  d.name = "FrmGeneralFunPaint";
  d.caption = "普通函数式f(x)绘图";
  d.outerWidthTwips = 11955;
  d.outerHeightTwips = 8205;
  d.command = "FrmGeneralFunPaint.cmdPaint";
  d.labels = FormulaAndBoundLabels("f(x)=");
  d.picture = true;
  return d;
}

FormWindow* CreateCalculusWindow(const QString& name, WindowServices services) {
  return new FormWindow(CalculusWindowDescription(name), services);
}

MenuWindow* CreateValueCalculus(WindowServices services) {
  // The buttons act on the window, which exists only once they are made.
  auto self = std::make_shared<QPointer<QWidget>>();
  std::shared_ptr<Choosers> ownChoosers;
  if (!services.choosers) ownChoosers = std::make_shared<QtChoosers>();
  Choosers* choosers = services.choosers ? services.choosers : ownChoosers.get();
  AppWindows* windows = services.windows;
  AppState* app = services.app;
  auto show = [windows](const char* child) {
    return [windows, child] {
      if (windows) windows->Show(child);
    };
  };
  std::vector<MenuButton> buttons = {
      {"Command1", "牛顿-柯特斯（Newton-Cotes）公式", show("NewtonCotes")},
      {"Command2", "复化求积公式", show("CompFormual")},
      {"Command3", "高斯求积公式", show("GauseIntegral")},
      {"cmdGeneralFunPaint", "绘制一般函数的图形", show("FrmGeneralFunPaint")},
      {"cmdPlotColor", "设置绘图颜色",
       [self, ownChoosers, choosers, app] {
         if (!app) return;
         const std::optional<QColor> chosen =
             choosers->ChooseColor(*self, QColor::fromRgb(app->plotColour));
         if (chosen) app->plotColour = chosen->rgb() & 0xffffff;  // Cancel keeps it
       }},
      {"cmdHelp", "帮助", [self] { ShowHelpFile(*self, kHelpFileName); }},
  };
  auto* w = new MenuWindow("ValueCalculus", "数值微积分", 7545, 7095, std::move(buttons),
                           kCalculusChildren, windows);
  *self = w;
  return w;
}

}  // namespace tessaly
