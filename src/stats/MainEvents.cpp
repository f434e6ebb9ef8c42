// The statistics window's own event handlers: load, activation, dragging by
// the title, the close glyph, the tab strip and the chart event.
#include <QWidget>

#include "stats/Main.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

void Main::Form_Load() {
  for (int i = 1; i < 4; ++i) {
    imgBack[i]->setLeft(imgBack[0]->Left());
    imgBack[i]->setTop(imgBack[0]->Top());
    imgBack[i]->setWidth(imgBack[0]->Width());
    imgBack[i]->setHeight(imgBack[0]->Height());
    imgBack[i]->setStretch(true);
    imgBack[i]->setPicture(imgBack[0]->Picture());
  }
  Tabb[0]->ZOrder(ui::Control::kFront);
}

void Main::Form_Activate() { lbClose->setForeColor(ui::kLightBlue); }

void Main::imgTitle_MouseDown(int, int, float x, float y) {
  DragX = x;
  DragY = y;
}

void Main::lbTitleStats_MouseDown(int, int, float x, float y) {
  DragX = x;
  DragY = y;
}

void Main::imgTitle_MouseMove(int button, int, float x, float y) {
  // The glyph has no leave event of its own; the title artwork around it
  // gives it back its normal colour.
  lbClose->setForeColor(ui::kLightBlue);
  dragBy(button, x, y);
}

void Main::lbTitleStats_MouseMove(int button, int, float x, float y) { dragBy(button, x, y); }

void Main::dragBy(int button, float x, float y) {
  // The left button alone drags; with any other button held as well the window stays.
  if (button != ui::kLeftButton) return;
  Move(Left() - DragX + x, Top() - DragY + y);
}

void Main::lbClose_MouseMove(int, int, float, float) { lbClose->setForeColor(ui::kRed); }

void Main::lbClose_Click() {
  Hide();
  if (showLauncher) showLauncher();
}

void Main::SSTab_Click(int) {
  const int t = SSTab->Tab();
  if (t >= 0 && t < static_cast<int>(Tabb.size())) Tabb[t]->ZOrder(ui::Control::kFront);
}

void Main::Graph_Event(int) { refreshWindow(); }

// Repainting at once rather than taking the focus: the rebuilt pages show
// before the next event, and the chooser the user has just used keeps the
// keyboard focus.
void Main::refreshWindow() {
  if (QWidget* w = widget()) w->repaint();
}
