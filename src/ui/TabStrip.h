// A strip of tabs in one row; only the strip is used, the pages are frames.
#pragma once

#include <QStringList>

#include "ui/Control.h"

class QTabBar;

namespace ui {

class TabStrip final : public Control {
 public:
  TabStrip(Container& parent, const QString& objectName, const QStringList& captions);
  int Tab() const;                 // the current tab, from 0
  QString TabCaption(int t) const;
  int TabCount() const;
  // What a user's click on tab t does: makes it current and raises onTabClick.
  void userClick(int t);
  std::function<void(int previousTab)> onTabClick;
  QTabBar* bar() const;

 private:
  int previous_ = 0;  // the tab current before the latest change
};

}  // namespace ui
