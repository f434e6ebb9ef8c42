#include "ui/TabStrip.h"

#include <QTabBar>

namespace ui {

TabStrip::TabStrip(Container& parent, const QString& objectName, const QStringList& captions)
    : Control(new QTabBar(parent.area()), objectName) {
  ownMouseHandling_ = true;
  QTabBar* b = bar();
  b->setExpanding(true);
  b->setUsesScrollButtons(false);
  b->setElideMode(Qt::ElideNone);
  b->setDrawBase(false);
  // Dark tabs that read on the black window, with little padding so that four
  // long captions fit one row.
  b->setStyleSheet(QStringLiteral(
      "QTabBar::tab { background: rgb(48, 48, 48); color: rgb(224, 224, 224); border: 1px solid rgb(128, 128, 128);"
      " border-bottom: none; padding: 5px 2px; }"
      "QTabBar::tab:selected { background: black; color: white; }"));
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
