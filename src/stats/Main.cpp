#include "stats/Main.h"

#include "ui/Chart.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

Main::Main(corv::StatsState& state) : ui::Window(QStringLiteral("Main")), state_(state) {
  buildWindow();
  buildTitle();
  buildTabStrip();
  buildPages();
  // Built last, so that it starts in front of the pages until the window loads.
  buildBusyPage();
  bundlePages();
  wireEvents();
  Form_Load();
}

Main::~Main() {
  // No handler may reach the controls while they go.
  onActivate = nullptr;
  onCloseRequest = nullptr;
  while (!owned_.empty()) owned_.pop_back();
}

void Main::wireEvents() {
  onActivate = [this] { Form_Activate(); };
  onCloseRequest = [this] { lbClose_Click(); };
  watchFrontPage();
  imgTitle->onMouseDown = [this](int b, int s, float x, float y) { imgTitle_MouseDown(b, s, x, y); };
  imgTitle->onMouseMove = [this](int b, int s, float x, float y) { imgTitle_MouseMove(b, s, x, y); };
  lbTitleStats->onMouseDown = [this](int b, int s, float x, float y) { lbTitleStats_MouseDown(b, s, x, y); };
  lbTitleStats->onMouseMove = [this](int b, int s, float x, float y) { lbTitleStats_MouseMove(b, s, x, y); };
  lbClose->onClick = [this] { lbClose_Click(); };
  lbClose->onMouseMove = [this](int b, int s, float x, float y) { lbClose_MouseMove(b, s, x, y); };
  SSTab->onTabClick = [this](int previousTab) { SSTab_Click(previousTab); };
  for (int i = 0; i < 4; ++i) {
    cbView[i]->onClick = [this, i] { cbView_Click(i); };
    Graph[i]->onChartEvent = [this, i] { Graph_Event(i); };
  }
}
