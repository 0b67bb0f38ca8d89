#include "ode/ui/ode_windows.h"

#include "common/ui/services.h"
#include "pictures/ui/charted_form_window.h"

namespace tessaly {
namespace {

// The layout the three solver windows share: the right-hand side, the bounds and the
// number of parts with its spinner above the result box Text5.
FormWindowDescription SolverWindow(const char* name, const char* caption, double widthTwips,
                                   double heightTwips) {
  FormWindowDescription d;
  d.name = name;
  d.caption = caption;
  d.outerWidthTwips = widthTwips;
  d.outerHeightTwips = heightTwips;
  d.command = std::string(name) + ".Command1";
  d.labels = {{"Label1", "函数F(x)导数", "Text1"},
              {"Label2", "x下界", "Text2"},
              {"Label3", "x上界", "Text3"},
              {"Label4", "等分", "Text4"}};
  d.resultBox = "Text5";
  d.spinner = "UpDown1";
  return d;
}

}  // namespace

FormWindowDescription UsDiEulerDescription() {
  return SolverWindow("UsDi_Euler", "常微分方程的数值解法—Euler方法", 11730, 8715);
}

FormWindowDescription UsDiRungeKuttaDescription() {
  return SolverWindow("UsDi_RungeKutta", "常微分方程的数值解法—RungeKutta", 11715, 8580);
}

FormWindowDescription UsDiAdamsDescription() {
  return SolverWindow("UsDi_Adams", "常微分方程的数值解法—Adams方法", 11805, 8595);
}

MenuWindow* CreateUsualDiffEquation(WindowServices services) {
  AppWindows* windows = services.windows;
  auto show = [windows](const char* name) {
    return [windows, name] {
      if (windows) windows->Show(name);
    };
  };
  auto* menu = new MenuWindow(
      "UsualDiffEquation", "常微分方程的数值解法", 6945, 5190,
      {{"Command1", "欧拉(Euler)方法", show("UsDi_Euler")},
       {"Command2", "龙格库塔(Runge-Kutta)方法", show("UsDi_RungeKutta")},
       {"Command3", "线性多步方法", show("UsDi_Adams")},
       {"cmdHelp", "帮助", nullptr}},
      {"UsDi_Adams", "UsDi_Euler", "UsDi_RungeKutta"}, windows);
  QObject::connect(menu->Button("cmdHelp"), &QPushButton::clicked, menu,
                   [menu] { ShowHelpFile(menu, kHelpFileName); });
  return menu;
}

void RegisterOdeWindows(AppWindows& windows, WindowServices services) {
  services.windows = &windows;
  windows.Register("UsualDiffEquation",
                   [services](AppWindows&) { return CreateUsualDiffEquation(services); });
  // The three solver windows overlay their runs on one problem in one picture.
  auto kept = std::make_shared<KeptCharts>();
  windows.Register("UsDi_Euler", [services, kept](AppWindows&) {
    return new ChartedFormWindow(UsDiEulerDescription(), services, kept);
  });
  windows.Register("UsDi_RungeKutta", [services, kept](AppWindows&) {
    return new ChartedFormWindow(UsDiRungeKuttaDescription(), services, kept);
  });
  windows.Register("UsDi_Adams", [services, kept](AppWindows&) {
    return new ChartedFormWindow(UsDiAdamsDescription(), services, kept);
  });
}

}  // namespace tessaly
