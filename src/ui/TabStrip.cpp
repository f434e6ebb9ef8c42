#include "ui/TabStrip.h"

#include <QTabBar>

#include <algorithm>

namespace ui {

namespace {

// Tabs as tall as the strip: the page frames begin right below it, so a
// shorter tab would leave a band of the black window between tab and page.
class FullHeightTabBar final : public QTabBar {
 public:
  explicit FullHeightTabBar(QWidget* parent) : QTabBar(parent) {}

 protected:
  QSize tabSizeHint(int index) const override {
    QSize s = QTabBar::tabSizeHint(index);
    s.setHeight(std::max(s.height(), height()));
    return s;
  }
  QSize minimumTabSizeHint(int index) const override {
    QSize s = QTabBar::minimumTabSizeHint(index);
    s.setHeight(std::max(s.height(), height()));
    return s;
  }
};

}  // namespace

TabStrip::TabStrip(Container& parent, const QString& objectName, const QStringList& captions)
    : Control(new FullHeightTabBar(parent.area()), objectName) {
  ownMouseHandling_ = true;
  QTabBar* b = bar();
  b->setExpanding(true);
  b->setUsesScrollButtons(false);
  b->setElideMode(Qt::ElideNone);
  b->setDrawBase(false);
  // Light captions on dark grey tabs read on the black window; the current
  // tab takes the page's black and the interactive light blue, and has no
  // bottom edge, so it opens onto its page. Little padding: four long
  // captions share one row.
  b->setStyleSheet(QStringLiteral(
      "QTabBar::tab { background: rgb(40, 40, 48); color: rgb(224, 224, 224);"
      " border: 1px solid rgb(128, 128, 128); padding: 0 2px; }"
      "QTabBar::tab:selected { background: black; color: rgb(192, 192, 255); border-bottom: none; }"));
  for (const QString& c : captions) b->addTab(c);
  previous_ = b->currentIndex();

  // A click on another tab, or the keyboard, changes the current tab...
  QObject::connect(b, &QTabBar::currentChanged, b, [this](int now) {
    const int before = previous_;
    previous_ = now;
    if (auto handler = onTabClick) handler(before);
  });
  // ...and a click on the current tab raises the event too, with itself as
  // the previous tab. The press comes before the change, so a click on
  // another tab is left to currentChanged.
  QObject::connect(b, &QTabBar::tabBarClicked, b, [this](int index) {
    if (index >= 0 && index == bar()->currentIndex()) {
      if (auto handler = onTabClick) handler(index);
    }
  });
}

QTabBar* TabStrip::bar() const { return static_cast<QTabBar*>(widget()); }

int TabStrip::Tab() const { return bar() ? bar()->currentIndex() : -1; }

QString TabStrip::TabCaption(int t) const { return bar() ? bar()->tabText(t) : QString(); }

int TabStrip::TabCount() const { return bar() ? bar()->count() : 0; }

void TabStrip::userClick(int t) {
  QTabBar* b = bar();
  if (!b || t < 0 || t >= b->count()) return;
  if (t == b->currentIndex()) {
    emit b->tabBarClicked(t);
    return;
  }
  b->setCurrentIndex(t);
}

}  // namespace ui
