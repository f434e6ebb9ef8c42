// The statistics window's own event handlers: load, activation, dragging by
// the title, the close glyph, the tab strip and the chart event; and the
// keyboard, which stays with the page in front.
#include <QComboBox>
#include <QEvent>
#include <QWidget>

#include <utility>

#include "stats/Main.h"
#include "ui/Chooser.h"
#include "ui/Controls.h"
#include "ui/TabStrip.h"

namespace {

// Raised or lowered, a page tells its window which one is now in front.
class FrontPageWatch final : public QObject {
 public:
  FrontPageWatch(QWidget* page, std::function<void()> changed) : QObject(page), changed_(std::move(changed)) {
    page->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::ZOrderChange) changed_();
    return false;
  }

 private:
  std::function<void()> changed_;
};

}  // namespace

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

void Main::watchFrontPage() {
  chooserFocus_ = cbView[0]->combo()->focusPolicy();
  for (ui::Frame* page : {Tabb[0], Tabb[1], Tabb[2], Tabb[3], tbThink})
    new FrontPageWatch(page->widget(), [this] { keepFocusOnFrontPage(); });
  keepFocusOnFrontPage();
}

// The pages lie at one place and only the one in front is seen. A chooser on
// a page behind would take the arrow keys for a page no one sees, so only the
// front page's chooser takes the keyboard, and one that held it hands it on
// to that one: all four show the same choice at the same place. While the
// busy page is in front none holds it; the page that follows gets it back.
void Main::keepFocusOnFrontPage() {
  int front = -1;  // the busy page
  for (QObject* child : area()->children()) {  // back to front
    for (int p = 0; p < 4; ++p)
      if (child == Tabb[p]->widget()) front = p;
    if (child == tbThink->widget()) front = -1;
  }
  QWidget* focused = widget()->focusWidget();
  bool onChooser = false;
  for (int p = 0; p < 4; ++p) {
    QComboBox* chooser = cbView[p]->combo();
    chooser->setFocusPolicy(p == front ? chooserFocus_ : Qt::NoFocus);
    onChooser = onChooser || chooser == focused;
  }
  if (front < 0) {
    if (onChooser) focused->clearFocus();
    chooserFocusPending_ = chooserFocusPending_ || onChooser;
    return;
  }
  if (onChooser || (chooserFocusPending_ && !focused)) cbView[front]->combo()->setFocus();
  chooserFocusPending_ = false;
}
